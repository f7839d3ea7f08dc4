#include "cli/cli_prompter.h"

#include <cstdio>

PromptAnswer CliPrompter::ask(const QString& text, PromptButtons buttons, PromptIcon icon) {
    shown_ << text;
    QString line = text;
    line.replace(QLatin1String("\r\n"), QLatin1String(" "));
    std::fprintf(stderr, "%s\n", qPrintable(line));
    switch (buttons) {
    case PromptButtons::Ok:
        return PromptAnswer::Ok;
    case PromptButtons::YesNo:
    case PromptButtons::YesNoCancel:
        return PromptAnswer::No;
    case PromptButtons::RetryCancel:
        if (retriesLeft_ > 0) {
            --retriesLeft_;
            return PromptAnswer::Retry;
        }
        return PromptAnswer::Cancel;
    case PromptButtons::OkCancel:
        // A question-icon OK/Cancel is a confirmation; any other is a time-out prompt.
        if (icon == PromptIcon::Question)
            return PromptAnswer::Ok;
        if (retriesLeft_ > 0) {
            --retriesLeft_;
            return PromptAnswer::Ok;
        }
        return PromptAnswer::Cancel;
    }
    return PromptAnswer::Cancel;
}
