#pragma once

#include "core/base/prompter.h"

#include <QList>
#include <QPointer>

class QMessageBox;
class QWidget;

// Message boxes and file dialogs of the windowed program. Every box carries
// the program's title; the buttons follow the language of Qt's translations.
class QtPrompter : public Prompter {
public:
    QtPrompter(QString title, QWidget* parent = nullptr);

    void setParent(QWidget* parent) { parent_ = parent; }

    PromptAnswer ask(const QString& text, PromptButtons buttons, PromptIcon icon) override;
    QString openFileName(const QString& filter) override;
    QString saveFileName(const QString& proposed, const QString& filter) override;
    std::optional<int> askNumber(const QString& text, int minimum, int maximum,
                                 int proposed) override;
    void withdraw() override;

    // "Name (*.ext)|*.ext" becomes the "Name (*.ext)" form of Qt's dialogs.
    static QString QtFilter(const QString& filter);
    // Where a file dialog opens: the folder of the last file chosen, at first
    // the user's documents.
    static QString StartFolder();

private:
    // An open or save dialog (a QFileDialog::AcceptMode); "" when cancelled.
    QString RunFileDialog(int acceptMode, const QString& proposed, const QString& filter);

    QString title_;
    QWidget* parent_;
    QList<QPointer<QMessageBox>> open_; // the boxes being asked, the newest last
};
