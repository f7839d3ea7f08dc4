#pragma once

#include "core/base/prompter.h"

// A prompter that shows nothing and agrees to everything, for programs that
// run the windows or the data paths without a user (benchmarks, the picture
// program): every question is answered OK, every file dialog cancelled.
class SilentPrompter : public Prompter {
public:
    PromptAnswer ask(const QString&, PromptButtons, PromptIcon) override {
        return PromptAnswer::Ok;
    }
    QString openFileName(const QString&) override { return {}; }
    QString saveFileName(const QString&, const QString&) override { return {}; }
};
