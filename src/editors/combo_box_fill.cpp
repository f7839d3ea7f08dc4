#include "editors/combo_box_fill.h"

#include "editors/combo_list.h"

#include <QComboBox>

namespace {

QStringList Entries(const QComboBox* box) {
    QStringList entries;
    for (int i = 0; i < box->count(); ++i)
        entries << box->itemText(i);
    return entries;
}

} // namespace

void FillComboBox(QComboBox* box, const QStringList& entries) {
    box->clear();
    box->addItems(entries);
    box->setCurrentIndex(-1);
}

void SelectComboBoxText(QComboBox* box, const QString& text) {
    box->setCurrentIndex(SelectComboText(Entries(box), text));
}

void SelectComboBoxIndex(QComboBox* box, int index) {
    box->setCurrentIndex(SelectComboIndex(Entries(box), index));
}
