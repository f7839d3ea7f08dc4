#pragma once

#include "core/base/prompter.h"

#include <QList>
#include <QStringList>

#include <functional>

// A Prompter for tests: records every prompt and file dialog, and answers
// from queues filled by the test. An empty answer queue gives
// `defaultAnswer` (Ok unless changed); an empty file-name queue gives "",
// which is what a cancelled dialog returns.
class ScriptedPrompter : public Prompter {
public:
    struct Prompt {
        QString text;
        PromptButtons buttons;
        PromptIcon icon;
    };

    QList<Prompt> prompts;
    QList<PromptAnswer> answers;
    PromptAnswer defaultAnswer = PromptAnswer::Ok;

    QStringList fileNames;             // answers of the file dialogs, in order
    QList<std::optional<int>> numbers; // answers of number questions (none: cancelled)
    QStringList proposedNames;         // the proposed name of every save dialog
    // Runs inside every question, as a message box lets events go on; a
    // question withdrawn meanwhile gets its safe answer.
    std::function<void(const QString& text)> whileAsking;
    int withdrawn = 0;

    PromptAnswer ask(const QString& text, PromptButtons buttons, PromptIcon icon) override {
        prompts.append({text, buttons, icon});
        const int before = withdrawn;
        if (whileAsking)
            whileAsking(text);
        if (withdrawn > before)
            return buttons == PromptButtons::YesNo ? PromptAnswer::No : PromptAnswer::Cancel;
        return answers.isEmpty() ? defaultAnswer : answers.takeFirst();
    }

    void withdraw() override { ++withdrawn; }

    QString openFileName(const QString&) override { return nextFileName(); }

    QString saveFileName(const QString& proposed, const QString&) override {
        proposedNames.append(proposed);
        return nextFileName();
    }

    std::optional<int> askNumber(const QString& text, int, int, int) override {
        prompts.append({text, PromptButtons::OkCancel, PromptIcon::Question});
        return numbers.isEmpty() ? std::nullopt : numbers.takeFirst();
    }

    // The texts shown so far, in order.
    QStringList texts() const {
        QStringList shown;
        for (const Prompt& p : prompts)
            shown.append(p.text);
        return shown;
    }

private:
    QString nextFileName() { return fileNames.isEmpty() ? QString() : fileNames.takeFirst(); }
};
