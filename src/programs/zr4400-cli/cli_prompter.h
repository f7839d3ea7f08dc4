#pragma once

#include "core/base/prompter.h"

#include <QStringList>

// Answers prompts by policy instead of asking: confirmations OK, the
// other-version question No, Retry/Cancel and OK/Cancel questions Cancel once
// the allowed retries are used up. Every text shown goes to standard error.
// The tool's own confirmations go through confirm(), which always goes on.
class CliPrompter : public Prompter {
public:
    explicit CliPrompter(int retries = 0) : retriesLeft_(retries) {}

    PromptAnswer ask(const QString& text, PromptButtons buttons, PromptIcon icon) override;
    void confirm(const QString& text);
    QString openFileName(const QString&) override { return {}; }
    QString saveFileName(const QString&, const QString&) override { return {}; }

    const QStringList& shown() const { return shown_; }

private:
    int retriesLeft_;
    QStringList shown_;
};
