#include "gui/shell/help_window.h"

#include "core/text/catalogue.h"

#include <QFile>
#include <QTextBlock>
#include <QTextBrowser>
#include <QVBoxLayout>

HelpWindow::HelpWindow(int language, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmHelp"));
    setWindowTitle(Catalogue::TextIn(TextId::MnuHelpTopic, language).remove(QLatin1Char('&')));
    text_ = new QTextBrowser(this);
    text_->setObjectName(QStringLiteral("txtManual"));
    text_->setOpenExternalLinks(true);
    text_->setMarkdown(ManualText(language));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text_);
    resize(760, 640);
}

QString HelpWindow::ManualText(int language) {
    // The manual lives in this library's resources, which a static library
    // must register itself.
    Q_INIT_RESOURCE(manual);
    QFile file(language == Catalogue::kChinese ? QStringLiteral(":/manual/manual-zh.md")
                                               : QStringLiteral(":/manual/manual-en.md"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    // The pictures stay with the files beside the manual, not in the program.
    QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    lines.removeIf([](const QString& line) { return line.startsWith(QLatin1String("![")); });
    return lines.join(QLatin1Char('\n'));
}

HelpWindow* HelpWindow::Open(int language, const QString& title, QWidget* parent) {
    auto* window =
        parent->findChild<HelpWindow*>(QStringLiteral("frmHelp"), Qt::FindDirectChildrenOnly);
    if (!window) {
        window = new HelpWindow(language, parent);
        window->setAttribute(Qt::WA_DeleteOnClose);
    }
    window->show();
    window->raise();
    window->activateWindow();
    if (!title.isEmpty())
        window->ShowSection(title);
    return window;
}

void HelpWindow::ShowSection(const QString& title) {
    const QString wanted = QString(title).remove(QLatin1Char('&'));
    for (QTextBlock block = text_->document()->begin(); block.isValid(); block = block.next()) {
        if (block.blockFormat().headingLevel() > 0 && block.text().contains(wanted)) {
            QTextCursor at(block);
            // The heading at the top of the view: to the end first, then back.
            text_->moveCursor(QTextCursor::End);
            text_->setTextCursor(at);
            text_->ensureCursorVisible();
            return;
        }
    }
}
