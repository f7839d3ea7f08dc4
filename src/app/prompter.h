#pragma once

#include <QString>

// Every message box, question and file dialog goes through this interface:
// the windows use a Qt implementation, tests and the command-line tool
// scripted ones.
enum class PromptButtons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel };
enum class PromptIcon { None, Information, Question, Warning, Exclamation, Critical };
enum class PromptAnswer { Ok, Cancel, Yes, No, Retry };

class Prompter {
public:
    virtual ~Prompter() = default;

    virtual PromptAnswer ask(const QString& text, PromptButtons buttons, PromptIcon icon) = 0;
    // Empty when the user cancels. `filter` is in the "Name (*.ext)|*.ext" form.
    virtual QString openFileName(const QString& filter) = 0;
    virtual QString saveFileName(const QString& proposed, const QString& filter) = 0;

    void tell(const QString& text, PromptIcon icon = PromptIcon::Information) {
        ask(text, PromptButtons::Ok, icon);
    }
};
