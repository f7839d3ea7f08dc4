#include "gui/shell/qt_prompter.h"

#include "gui/widgets/user_settings.h"

#include "core/base/app_paths.h"
#include "gui/shell/file_dialog_texts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>

QtPrompter::QtPrompter(QString title, QWidget* parent)
    : title_(std::move(title)), parent_(parent) {}

PromptAnswer QtPrompter::ask(const QString& text, PromptButtons buttons, PromptIcon icon) {
    QMessageBox box(parent_);
    box.setWindowTitle(title_);
    box.setText(QString(text).replace(QLatin1String("\r\n"), QLatin1String("\n")));
    switch (icon) {
    case PromptIcon::None:
        break;
    case PromptIcon::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case PromptIcon::Question:
        box.setIcon(QMessageBox::Question);
        break;
    case PromptIcon::Warning:
    case PromptIcon::Exclamation:
        box.setIcon(QMessageBox::Warning);
        break;
    case PromptIcon::Critical:
        box.setIcon(QMessageBox::Critical);
        break;
    }
    switch (buttons) {
    case PromptButtons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case PromptButtons::OkCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    case PromptButtons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    case PromptButtons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    case PromptButtons::YesNoDefaultNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::No);
        break;
    case PromptButtons::RetryCancel:
        box.setStandardButtons(QMessageBox::Retry | QMessageBox::Cancel);
        break;
    }
    open_.append(&box);
    const int answer = box.exec();
    open_.removeAll(&box);
    switch (answer) {
    case QMessageBox::Ok:
        return PromptAnswer::Ok;
    case QMessageBox::Yes:
        return PromptAnswer::Yes;
    case QMessageBox::No:
        return PromptAnswer::No;
    case QMessageBox::Retry:
        return PromptAnswer::Retry;
    default:
        // Closing the box counts as its safe answer.
        return buttons == PromptButtons::Ok ? PromptAnswer::Ok
               : buttons == PromptButtons::YesNo || buttons == PromptButtons::YesNoDefaultNo
                   ? PromptAnswer::No
                   : PromptAnswer::Cancel;
    }
}

void QtPrompter::withdraw() {
    // The box asked last is the one still open on top; -1 is no button's
    // answer, so the question gets its safe answer.
    if (!open_.isEmpty() && open_.last())
        open_.last()->done(-1);
}

QString QtPrompter::QtFilter(const QString& filter) {
    // "Name (*.a)|*.a|Other (*.b)|*.b": the names, each with its pattern.
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList names;
    for (qsizetype i = 0; i < parts.size(); i += 2)
        names << parts[i];
    return names.join(QStringLiteral(";;"));
}

QString QtPrompter::openFileName(const QString& filter) {
    return RunFileDialog(QFileDialog::AcceptOpen, QString(), filter);
}

QString QtPrompter::saveFileName(const QString& proposed, const QString& filter) {
    return RunFileDialog(QFileDialog::AcceptSave, proposed, filter);
}

QString QtPrompter::StartFolder() {
    const QString last = UserSettings().lastFolder();
    if (!last.isEmpty() && QFileInfo(last).isDir())
        return last;
    return AppPaths::DocumentsFolder();
}

QString QtPrompter::RunFileDialog(int acceptMode, const QString& proposed, const QString& filter) {
    // The last folder used, at first the documents: never the program's own
    // folder, which an installed program cannot write to.
    const QString programTree = QFileInfo(QCoreApplication::applicationDirPath()).absolutePath();
    const QFileInfo named(proposed);
    const bool ownFolder =
        named.isAbsolute() &&
        (named.absolutePath() + QLatin1Char('/')).startsWith(programTree + QLatin1Char('/'));
    const QString start = proposed.isEmpty() ? StartFolder()
                          : named.isAbsolute() && !ownFolder
                              ? proposed
                              : QDir(StartFolder()).filePath(named.fileName());
    QFileDialog dialog(parent_, title_, start, QtFilter(filter));
    const bool open = acceptMode == QFileDialog::AcceptOpen;
    dialog.setAcceptMode(open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    dialog.setFileMode(open ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    // Used by Qt's own dialog only; a desktop's dialog follows the desktop.
    dialog.setProxyModel(new FileDialogTexts(&dialog));
    if (dialog.exec() != QDialog::Accepted)
        return {};
    const QString chosen = dialog.selectedFiles().value(0);
    if (!chosen.isEmpty())
        UserSettings().setLastFolder(QFileInfo(chosen).absolutePath());
    return chosen;
}

std::optional<int> QtPrompter::askNumber(const QString& text, int minimum, int maximum,
                                         int proposed) {
    bool ok = false;
    const int value =
        QInputDialog::getInt(parent_, title_, text, proposed, minimum, maximum, 1, &ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}
