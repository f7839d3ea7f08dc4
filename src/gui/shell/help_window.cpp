#include "gui/shell/help_window.h"

#include "core/text/catalogue.h"

#include <QFile>
#include <QHBoxLayout>
#include <QSplitter>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTreeWidget>

HelpWindow::HelpWindow(int language, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmHelp"));
    setWindowTitle(PlainCaption(Catalogue::TextIn(TextId::MnuHelpTopic, language)));
    text_ = new QTextBrowser(this);
    text_->setObjectName(QStringLiteral("txtManual"));
    text_->setOpenExternalLinks(true);
    text_->setMarkdown(ManualText(language));
    contents_ = new QTreeWidget(this);
    contents_->setObjectName(QStringLiteral("tvContents"));
    contents_->setHeaderHidden(true);
    FillContents();
    // Moving through the contents with the keys shows each section at once.
    connect(contents_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        if (item)
            ShowBlock(item->data(0, Qt::UserRole).toInt());
    });
    auto* splitter = new QSplitter(this);
    splitter->addWidget(contents_);
    splitter->addWidget(text_);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({230, 650});
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(splitter);
    resize(900, 640);
}

void HelpWindow::FillContents() {
    // The chapters and their sections; the title above them is left out.
    QTreeWidgetItem* chapter = nullptr;
    for (QTextBlock block = text_->document()->begin(); block.isValid(); block = block.next()) {
        const int level = block.blockFormat().headingLevel();
        if (level < 2 || level > 3 || (level == 3 && !chapter))
            continue;
        auto* item = level == 2 ? new QTreeWidgetItem(contents_, {block.text()})
                                : new QTreeWidgetItem(chapter, {block.text()});
        item->setData(0, Qt::UserRole, block.blockNumber());
        if (level == 2)
            chapter = item;
    }
    contents_->expandAll();
}

void HelpWindow::ShowBlock(int number) {
    const QTextBlock block = text_->document()->findBlockByNumber(number);
    if (!block.isValid())
        return;
    // The heading at the top of the view: to the end first, then back.
    text_->moveCursor(QTextCursor::End);
    text_->setTextCursor(QTextCursor(block));
    text_->ensureCursorVisible();
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
    const QString wanted = PlainCaption(title);
    for (QTextBlock block = text_->document()->begin(); block.isValid(); block = block.next()) {
        if (block.blockFormat().headingLevel() > 0 && block.text().contains(wanted)) {
            ShowBlock(block.blockNumber());
            return;
        }
    }
}
