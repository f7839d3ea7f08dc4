#include "gui/channels/channel_list_delegate.h"

#include "core/editing/channel_list.h"
#include "gui/channels/channel_list_model.h"
#include "gui/widgets/combo_box_fill.h"

#include <QComboBox>

QWidget* ChannelListDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                           const QModelIndex& index) const {
    const auto* list = qobject_cast<const ChannelListModel*>(index.model());
    if (!list || SettingOfColumn(index.column()) < 0)
        return QStyledItemDelegate::createEditor(parent, option, index);
    auto* box = new QComboBox(parent);
    box->setObjectName(QStringLiteral("cboCell"));
    const ListRow& row = list->rows().at(index.row());
    FillComboBox(box, CellChoices(list->data(), row, index.column(), list->catalogue()));
    connect(box, &QComboBox::activated, this, [this, box] {
        auto* self = const_cast<ChannelListDelegate*>(this);
        emit self->commitData(box);
        emit self->closeEditor(box);
    });
    return box;
}

void ChannelListDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    if (auto* box = qobject_cast<QComboBox*>(editor)) {
        // A value no entry stands for shows as stored until one is chosen.
        ShowStoredText(box, index.data(Qt::EditRole).toString());
        return;
    }
    QStyledItemDelegate::setEditorData(editor, index);
}

void ChannelListDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                       const QModelIndex& index) const {
    if (auto* box = qobject_cast<QComboBox*>(editor)) {
        if (!IsStoredEntry(box, box->currentIndex()))
            model->setData(index, box->currentText(), Qt::EditRole);
        return;
    }
    QStyledItemDelegate::setModelData(editor, model, index);
}
