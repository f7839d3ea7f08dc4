#pragma once

#include <QString>

#include <optional>

// Every message box, question and file dialog goes through this interface:
// the windows use a Qt implementation, tests and the command-line tool
// scripted ones. YesNoDefaultNo: a question whose Yes does what is unwise
// to do by a hasty Enter.
enum class PromptButtons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel, YesNoDefaultNo };
enum class PromptIcon { None, Information, Question, Warning, Exclamation, Critical };
enum class PromptAnswer { Ok, Cancel, Yes, No, Retry };

class Prompter {
public:
    virtual ~Prompter() = default;

    virtual PromptAnswer ask(const QString& text, PromptButtons buttons, PromptIcon icon) = 0;
    // Empty when the user cancels. `filter` is in the "Name (*.ext)|*.ext" form.
    virtual QString openFileName(const QString& filter) = 0;
    virtual QString saveFileName(const QString& proposed, const QString& filter) = 0;

    // A whole number from `minimum` to `maximum`; nothing when the user cancels.
    virtual std::optional<int> askNumber(const QString& text, int minimum, int maximum,
                                         int proposed) {
        (void)text;
        (void)minimum;
        (void)maximum;
        (void)proposed;
        return std::nullopt;
    }

    // Takes back the question being asked, as if its safe answer (No,
    // Cancel) were given: what it asked about has happened meanwhile.
    virtual void withdraw() {}

    void tell(const QString& text, PromptIcon icon = PromptIcon::Information) {
        ask(text, PromptButtons::Ok, icon);
    }
};
