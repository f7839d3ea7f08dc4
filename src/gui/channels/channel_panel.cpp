#include "gui/channels/channel_panel.h"

#include "core/codec/mode_codec.h"
#include "core/codec/tone_codes.h"
#include "core/editing/channel_settings.h"
#include "core/editing/stored_value_texts.h"
#include "core/model/radio_data.h"
#include "core/text/catalogue.h"
#include "gui/widgets/combo_box_fill.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>

namespace {

constexpr int kToneListRows = 20;

} // namespace

ChannelPanel::ChannelPanel(QWidget* parent) : QGroupBox(parent) {
    setObjectName(QStringLiteral("Frame2"));
    layout_ = new QFormLayout(this);
    layout_->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    for (int k = 0; k < kChannelSettingCount; ++k) {
        labels_[k] = new QLabel(this);
        labels_[k]->setObjectName(QStringLiteral("Label5_%1").arg(k));
        lists_[k] = new QComboBox(this);
        lists_[k]->setObjectName(QStringLiteral("Combo8_%1").arg(k));
        labels_[k]->setBuddy(lists_[k]);
        layout_->addRow(labels_[k], lists_[k]);
        OnChosen(lists_[k], this, [this, k](int index) {
            emit settingChosen(k, index, lists_[k]->itemText(index));
        });
        // The transmit tone and the second tone switch are never sent to the
        // radio: offering them would suggest a setting that does nothing.
        if (!SettingStored(k))
            layout_->setRowVisible(lists_[k], false);
    }
    lists_[kSettingTsq]->setMaxVisibleItems(kToneListRows);
    lists_[kSettingQtDqtEnc]->setMaxVisibleItems(kToneListRows);
}

void ChannelPanel::SetCaptions(const Catalogue& cat) {
    for (int k = 0; k < kChannelSettingCount; ++k) {
        labels_[k]->setText(ChannelSettingCaption(k, cat));
        if (k != kSettingRoger && k != kSettingMode)
            FillComboBox(lists_[k], ChannelSettingEntries(k, cat));
    }
}

void ChannelPanel::ShowRecord(const ChannelRecord& record, const QStringList& modeEntries,
                              int language) {
    for (int k = 0; k < kChannelSettingCount; ++k)
        if (SettingByIndex(k))
            ShowStoredIndex(lists_[k], SettingIndex(record, k),
                            QString::number(SettingIndex(record, k)));
    ShowRoger(record.Roger);
    SetModeEntries(modeEntries, StoredModeText(record.Mode, language));
    ApplyPublicRule();
}

void ChannelPanel::ShowRoger(int roger) {
    // 0 is the first entry, "OFF".
    if (roger == 0)
        ShowStoredIndex(lists_[kSettingRoger], 0, QStringLiteral("0"));
    else
        ShowStoredText(lists_[kSettingRoger], QString::number(roger));
}

void ChannelPanel::SetRogerEntries(const QStringList& entries) {
    QComboBox* list = lists_[kSettingRoger];
    const bool off = list->currentIndex() == 0;
    const QString shown = list->currentText();
    FillComboBox(list, entries);
    if (off)
        ShowRoger(0);
    else if (!shown.isEmpty())
        ShowStoredText(list, shown);
}

void ChannelPanel::SetModeEntries(const QStringList& entries, const QString& mode) {
    FillComboBox(lists_[kSettingMode], entries);
    ShowStoredText(lists_[kSettingMode], mode);
}

void ChannelPanel::ApplyPublicRule() {
    const bool publicOn = lists_[kSettingPublic]->currentIndex() == 1;
    for (int k = 0; k < kChannelSettingCount; ++k) {
        if (FollowsPublic(k)) {
            labels_[k]->setEnabled(!publicOn);
            lists_[k]->setEnabled(!publicOn);
        }
    }
}
