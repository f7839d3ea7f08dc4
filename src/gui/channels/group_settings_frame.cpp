#include "gui/channels/group_settings_frame.h"

#include "core/editing/channel_choice_lists.h"
#include "core/text/catalogue.h"
#include "gui/widgets/combo_box_fill.h"
#include "gui/widgets/keep_place.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QTimer>

namespace {

constexpr int kGroupNameLength = 4;

bool IsChannelList(GroupSettingsFrame::List list) {
    return list <= GroupSettingsFrame::kDw2;
}

} // namespace

GroupSettingsFrame::GroupSettingsFrame(QWidget* parent) : QGroupBox(parent) {
    setObjectName(QStringLiteral("Frame1"));
    auto* layout = new QGridLayout(this);
    layout->setColumnStretch(1, 1);

    nameLabel_ = new QLabel(this);
    nameLabel_->setObjectName(QStringLiteral("Label4"));
    name_ = new QLineEdit(this);
    name_->setObjectName(QStringLiteral("Text2"));
    name_->setMaxLength(kGroupNameLength);
    // The radio shows the name in plain single-byte characters.
    name_->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[\\x20-\\x7e]{0,4}")), name_));
    name_->setAttribute(Qt::WA_InputMethodEnabled, false);
    name_->installEventFilter(this);
    nameLabel_->setBuddy(name_);
    KeepPlaceWhenHidden(nameLabel_);
    KeepPlaceWhenHidden(name_);
    layout->addWidget(nameLabel_, 0, 0);
    layout->addWidget(name_, 0, 1);
    connect(name_, &QLineEdit::textEdited, this, &GroupSettingsFrame::nameEdited);
    connect(name_, &QLineEdit::editingFinished, this, &GroupSettingsFrame::nameFinished);

    for (int k = 0; k < kListCount; ++k) {
        const auto list = static_cast<List>(k);
        labels_[k] = new QLabel(this);
        labels_[k]->setObjectName(QStringLiteral("Label2_%1").arg(k));
        lists_[k] = new QComboBox(this);
        lists_[k]->setObjectName(QStringLiteral("Combo1_%1").arg(k));
        labels_[k]->setBuddy(lists_[k]);
        if (list != kMem) {
            KeepPlaceWhenHidden(labels_[k]);
            KeepPlaceWhenHidden(lists_[k]);
        }
        layout->addWidget(labels_[k], k + 1, 0);
        layout->addWidget(lists_[k], k + 1, 1);
        if (IsChannelList(list) && list != kWork) {
            OnChosen(lists_[k], this,
                     [this, list](int) { emit channelChosen(list, lists_[list]->currentText()); });
        }
    }
    OnChosen(lists_[kGroupValid], this, [this](int index) { emit groupValidChosen(index); });
    // The work channel is the radio's to change: it is shown, not chosen here.
    lists_[kWork]->setEnabled(false);
    // The memory channel belongs to the option features.
    labels_[kMem]->hide();
    lists_[kMem]->hide();
}

void GroupSettingsFrame::SetCaptions(const Catalogue& catalogue) {
    nameLabel_->setText(catalogue.Text(TextId::ChGroupName));
    const QString emg = catalogue.Text(TextId::ChEmgChannel);
    const QString dw = catalogue.Text(TextId::ChDwChannel);
    labels_[kEmg1]->setText(emg + QLatin1Char('1'));
    labels_[kEmg2]->setText(emg + QLatin1Char('2'));
    labels_[kWork]->setText(catalogue.Text(TextId::ChWorkChannel));
    labels_[kDw1]->setText(dw + QLatin1Char('1'));
    labels_[kDw2]->setText(dw + QLatin1Char('2'));
    labels_[kMem]->setText(catalogue.Text(TextId::ChMemChannel));
    labels_[kGroupValid]->setText(catalogue.Text(TextId::ChGroupValid));
    FillComboBox(lists_[kMem], MemoryChannelEntries());
    const int valid = lists_[kGroupValid]->currentIndex();
    FillComboBox(lists_[kGroupValid],
                 {catalogue.Text(TextId::OffSwitch), catalogue.Text(TextId::OnSwitch)});
    SelectComboBoxIndex(lists_[kGroupValid], valid);
}

void GroupSettingsFrame::SetMemoryView(bool memoryView) {
    // The controls keep their place, so the window does not change its shape.
    nameLabel_->setVisible(!memoryView);
    name_->setVisible(!memoryView);
    for (int k = 0; k < kListCount; ++k) {
        if (k == kMem)
            continue;
        labels_[k]->setVisible(!memoryView);
        lists_[k]->setVisible(!memoryView);
    }
}

void GroupSettingsFrame::ShowName(const QString& name) {
    name_->setText(name);
}

void GroupSettingsFrame::ShowGroupValid(int value) {
    ShowStoredIndex(lists_[kGroupValid], value, QString::number(value));
}

void GroupSettingsFrame::FillChannelLists(const QStringList& names, const QStringList& workNames) {
    for (int k = kEmg1; k <= kDw2; ++k)
        FillComboBox(lists_[k], k == kWork ? workNames : names);
}

void GroupSettingsFrame::ShowChannel(List list, const QString& name) {
    ShowStoredText(lists_[list], name);
}

bool GroupSettingsFrame::eventFilter(QObject* watched, QEvent* event) {
    // Entering the name box selects the whole name, so typing replaces it.
    if (watched == name_ && event->type() == QEvent::FocusIn)
        QTimer::singleShot(0, name_, &QLineEdit::selectAll);
    return QGroupBox::eventFilter(watched, event);
}
