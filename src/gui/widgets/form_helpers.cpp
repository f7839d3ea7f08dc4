#include "gui/widgets/form_helpers.h"

#include "gui/widgets/twips.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QMdiSubWindow>
#include <QSignalBlocker>

namespace {
constexpr int kCaptionGapTwips = 100;
}

QGridLayout* NewCaptionGrid(QWidget* owner) {
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(TwipsToPixels(owner, kCaptionGapTwips));
    return grid;
}

void AddCaptioned(QGridLayout* grid, int row, int column, QLabel* caption, QWidget* control) {
    grid->addWidget(caption, row, column, Qt::AlignRight | Qt::AlignVCenter);
    grid->addWidget(control, row, column + 1);
}

QLabel* NewCaption(const QString& name, QWidget* buddy, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setBuddy(buddy);
    return label;
}

QComboBox* NewList(const QString& name, QWidget* parent) {
    auto* list = new QComboBox(parent);
    list->setObjectName(name);
    list->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    return list;
}

void FillList(QComboBox* list, const QStringList& entries, int index) {
    const QSignalBlocker quiet(list);
    list->clear();
    list->addItems(entries);
    list->setCurrentIndex(index);
}

void CloseForm(QWidget* form) {
    if (auto* frame = qobject_cast<QMdiSubWindow*>(form->parentWidget()))
        frame->close();
    else
        form->close();
}

QStringList ListEntries(const QComboBox* list) {
    QStringList entries;
    for (int i = 0; i < list->count(); ++i)
        entries << list->itemText(i);
    return entries;
}
