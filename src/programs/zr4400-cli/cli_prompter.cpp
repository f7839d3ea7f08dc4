#include "programs/zr4400-cli/cli_prompter.h"

#include <cstdio>

void CliPrompter::confirm(const QString& text) {
    ask(text, PromptButtons::Ok, PromptIcon::Question);
}

PromptAnswer CliPrompter::ask(const QString& text, PromptButtons buttons, PromptIcon) {
    shown_ << text;
    QString line = text;
    line.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    std::fprintf(stderr, "%s\n", qPrintable(line));
    switch (buttons) {
    case PromptButtons::Ok:
        return PromptAnswer::Ok;
    case PromptButtons::YesNo:
    case PromptButtons::YesNoCancel:
    case PromptButtons::YesNoDefaultNo:
        return PromptAnswer::No;
    case PromptButtons::RetryCancel:
        if (retriesLeft_ > 0) {
            --retriesLeft_;
            return PromptAnswer::Retry;
        }
        return PromptAnswer::Cancel;
    case PromptButtons::OkCancel:
        if (retriesLeft_ > 0) {
            --retriesLeft_;
            return PromptAnswer::Ok;
        }
        return PromptAnswer::Cancel;
    }
    return PromptAnswer::Cancel;
}
