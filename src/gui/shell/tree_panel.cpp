#include "gui/shell/tree_panel.h"

#include <QAction>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QStyle>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {
constexpr int kKeyRole = Qt::UserRole;

QTreeWidgetItem* Node(const QString& key, const QString& text) {
    auto* item = new QTreeWidgetItem(QStringList{text});
    item->setData(0, kKeyRole, key);
    return item;
}
} // namespace

TreePanel::TreePanel(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Picture1"));
    label_ = new QLabel(this);
    label_->setObjectName(QStringLiteral("Label1"));
    toolbar_ = new QToolBar(this);
    toolbar_->setObjectName(QStringLiteral("Toolbar1"));
    toolbar_->setIconSize(QSize(12, 12));
    QAction* close =
        toolbar_->addAction(style()->standardIcon(QStyle::SP_TitleBarCloseButton), QString());
    close->setObjectName(QStringLiteral("删除"));
    connect(close, &QAction::triggered, this, &TreePanel::closeRequested);

    auto* frame = new QFrame(this);
    frame->setObjectName(QStringLiteral("Frame1"));
    frame->setFrameShape(QFrame::StyledPanel);
    tree_ = new QTreeWidget(frame);
    tree_->setObjectName(QStringLiteral("TreeView1"));
    tree_->setHeaderHidden(true);
    auto* frameLayout = new QVBoxLayout(frame);
    frameLayout->setContentsMargins(2, 2, 2, 2);
    frameLayout->addWidget(tree_);
    connect(tree_, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) {
        emit nodeClicked(item->data(0, kKeyRole).toString());
    });
    // Keyboard users open a node with Enter, as they would with a click.
    connect(tree_, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) {
        emit nodeClicked(item->data(0, kKeyRole).toString());
    });

    auto* top = new QHBoxLayout;
    top->addWidget(label_, 1);
    top->addWidget(toolbar_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 0, 2);
    layout->addLayout(top);
    layout->addWidget(frame, 1);
}

void TreePanel::BuildTree(const QString& rootText, const QString& closeText,
                          const QList<std::pair<QString, QString>>& windows) {
    label_->setText(rootText);
    label_->setBuddy(tree_);
    tree_->setAccessibleName(rootText);
    toolbar_->actions().constFirst()->setText(closeText);
    tree_->clear();
    QTreeWidgetItem* root = Node(QString(), rootText);
    tree_->addTopLevelItem(root);
    for (const auto& [name, caption] : windows)
        root->addChild(Node(name, caption));
    root->setExpanded(true);
}

PanelSplitter::PanelSplitter(QWidget* panel, QWidget* parent) : QWidget(parent), panel_(panel) {
    setObjectName(QStringLiteral("CommandMove"));
    setCursor(Qt::SizeHorCursor);
    setFixedWidth(5);
    setAttribute(Qt::WA_StyledBackground);
}

void PanelSplitter::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    dragging_ = true;
    dragStartX_ = static_cast<int>(event->globalPosition().x());
    startWidth_ = panel_->width();
}

void PanelSplitter::mouseMoveEvent(QMouseEvent* event) {
    if (!dragging_)
        return;
    const int width = startWidth_ + static_cast<int>(event->globalPosition().x()) - dragStartX_;
    const int inner = parentWidget() ? parentWidget()->width() : width + 1;
    if (width >= minimumWidth_ && width < inner)
        panel_->setFixedWidth(width);
}

void PanelSplitter::mouseReleaseEvent(QMouseEvent*) {
    dragging_ = false;
}
