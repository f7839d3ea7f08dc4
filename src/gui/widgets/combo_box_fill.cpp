#include "gui/widgets/combo_box_fill.h"

#include "core/editing/combo_list.h"
#include "gui/widgets/form_helpers.h"

#include <QComboBox>

void FillComboBox(QComboBox* box, const QStringList& entries) {
    box->clear();
    box->addItems(entries);
    box->setCurrentIndex(-1);
}

void SelectComboBoxText(QComboBox* box, const QString& text) {
    box->setCurrentIndex(SelectComboText(ListEntries(box), text));
}

void SelectComboBoxIndex(QComboBox* box, int index) {
    box->setCurrentIndex(SelectComboIndex(ListEntries(box), index));
}
