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
    const QString captions[kChannelSettingCount] = {
        cat.Text(TextId::ChTsq),   cat.Text(TextId::ChQtDqtEnc), cat.Text(TextId::SwHiCut),
        cat.Text(TextId::SwNbAnl), cat.Text(TextId::SwEcho),     cat.Text(TextId::SwAdd10K),
        cat.Text(TextId::SwBusy),  QStringLiteral("REP"),        QStringLiteral("TSQ"),
        QStringLiteral("Public"),  cat.Text(TextId::ChScan),     cat.Text(TextId::SwRoger),
        cat.Text(TextId::SwMode)};
    const QString off = cat.Text(TextId::OffSwitch);
    const QStringList onOff{off, cat.Text(TextId::OnSwitch)};
    for (int k = 0; k < kChannelSettingCount; ++k)
        labels_[k]->setText(captions[k]);
    for (int k = kSettingHiCut; k <= kSettingBusy; ++k)
        FillComboBox(lists_[k], onOff);
    FillComboBox(lists_[kSettingTsq], ToneListTexts(cat.Text(TextId::OffWord)));
    FillComboBox(lists_[kSettingQtDqtEnc], ShortToneListTexts(cat.Text(TextId::OffWord)));
    FillComboBox(lists_[kSettingRepeater], {off, QStringLiteral("+"), QStringLiteral("-")});
    FillComboBox(lists_[kSettingTsqSwitch],
                 {cat.Text(TextId::ChDisable), cat.Text(TextId::ChEnable)});
    FillComboBox(lists_[kSettingPublic], onOff);
    FillComboBox(lists_[kSettingScan], {cat.Text(TextId::ChScanDel), cat.Text(TextId::ChScanAdd)});
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
