#include "gui/options/option_features_window.h"

#include "gui/shell/help_window.h"

#include "core/base/prompter.h"
#include "core/base/text_util.h"
#include "core/editing/option_codes.h"
#include "core/editing/option_lists.h"
#include "core/editing/option_store.h"
#include "core/session/app_context.h"
#include "core/session/editor_host.h"
#include "gui/options/option_text_box.h"
#include "gui/widgets/combo_box_fill.h"
#include "gui/widgets/form_helpers.h"
#include "gui/widgets/twips.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int kColumnGapTwips = 300;

// Controls keep their place in the window's numbering: lists of the first row
// are Combo1_i, public-channel lists Combo2_i, check boxes Check1_i.
QString ListName(int code) {
    return code >= OptionCode::PublicHiCut ? QStringLiteral("Combo2_%1").arg(code - 200)
                                           : QStringLiteral("Combo1_%1").arg(code);
}

QString CaptionName(int code) {
    return code >= OptionCode::PublicHiCut ? QStringLiteral("Label4_%1").arg(code - 200)
                                           : QStringLiteral("Label1_%1").arg(code);
}

} // namespace

OptionFeaturesWindow::OptionFeaturesWindow(EditorHost& host, QWidget* parent)
    : QWidget(parent), host_(host), data_(host.context().model.radio),
      channels_(host.context().model.channels),
      language_(host.context().catalogue.CurrentLanguage) {
    setObjectName(kOptionsForm);
    Caption(this, TextId::OptCaption);
    host.context().changes.Follow(
        this, {.values = [this] { ReShowData(); }, .rogerTones = [this] { ShowRB(); }});

    auto* left = new QVBoxLayout;
    left->addWidget(BuildListColumn());
    left->addWidget(BuildRssiFrame(0));
    left->addWidget(BuildRssiFrame(1));
    left->addStretch();

    auto* right = new QVBoxLayout;
    right->addWidget(BuildProtectionGrid());
    right->addWidget(BuildPublicFrame());
    right->addWidget(BuildModeEnableFrame());
    right->addStretch();

    auto* close = new QPushButton(this);
    close->setObjectName(QStringLiteral("CommandClose"));
    Caption(close, TextId::CommandClose);
    connect(close, &QPushButton::clicked, this, [this] { CloseForm(this); });
    // The manual, at this window's section.
    auto* help = new QPushButton(this);
    help->setObjectName(QStringLiteral("CommandHelp"));
    connect(help, &QPushButton::clicked, this,
            [this] { HelpWindow::Open(language_, windowTitle(), window()); });
    Caption(help, TextId::CommandHelp);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(close);
    buttons->addWidget(help);

    auto* columns = new QHBoxLayout;
    columns->addLayout(left);
    columns->addSpacing(TwipsToPixels(this, kColumnGapTwips));
    columns->addLayout(right);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addLayout(buttons);

    loaded_ = false;
    FillOptionLists();
    SetOptionCaptions();
    ShowOptions();
    loaded_ = true;
}

OptionFeaturesWindow::~OptionFeaturesWindow() {
    // Focus moving while the children go must not reach a half-destroyed window.
    loaded_ = false;
    for (OptionTextBox* box : findChildren<OptionTextBox*>())
        box->blockSignals(true);
}

void OptionFeaturesWindow::Caption(QObject* control, TextId id) {
    captions_.append({control, id});
}

QComboBox* OptionFeaturesWindow::AddList(QGridLayout* grid, int row, int code, TextId caption) {
    QComboBox* list = NewList(ListName(code), this);
    QLabel* label = NewCaption(CaptionName(code), list, this);
    Caption(label, caption);
    AddCaptioned(grid, row, 0, label, list);
    lists_.insert(code, list);
    OnChosen(list, this, [this, code](int index) { ListChosen(code, index); });
    return list;
}

QCheckBox* OptionFeaturesWindow::AddCheck(int code, TextId caption) {
    auto* box = new QCheckBox(this);
    box->setObjectName(QStringLiteral("Check1_%1").arg(code - 100));
    Caption(box, caption);
    checks_.insert(code, box);
    connect(box, &QCheckBox::clicked, this, [this, code](bool on) { CheckClicked(code, on); });
    return box;
}

OptionTextBox* OptionFeaturesWindow::AddTextBox(TextBoxKind kind, const QString& name,
                                                int characters) {
    auto* box = new OptionTextBox(kind, name, this);
    box->setMaxLength(characters + 2);
    const QString widest(characters + 1, QLatin1Char('0'));
    box->setFixedWidth(box->fontMetrics().horizontalAdvance(widest) + 12);
    return box;
}

QWidget* OptionFeaturesWindow::BuildListColumn() {
    auto* column = new QWidget(this);
    QGridLayout* grid = NewCaptionGrid(this);
    grid->setContentsMargins(0, 0, 0, 0);
    int row = 0;
    for (const OptionRow& r : kOptionLists)
        AddList(grid, row++, r.code, r.caption);
    txOffset_ = AddTextBox(TextBoxKind::Decimal, QStringLiteral("Text4_12"), 6);
    connect(txOffset_, &OptionTextBox::committed, this, [this] { TxOffsetCommitted(); });
    QLabel* label = NewCaption(QStringLiteral("Label5"), txOffset_, this);
    Caption(label, TextId::OptTxOffset);
    auto* unit = new QLabel(this);
    unit->setObjectName(QStringLiteral("Label10"));
    Caption(unit, TextId::OptMhz);
    auto* offset = new QHBoxLayout;
    offset->addWidget(txOffset_);
    offset->addWidget(unit);
    offset->addStretch();
    grid->addWidget(label, row, 0, Qt::AlignRight | Qt::AlignVCenter);
    grid->addLayout(offset, row, 1);
    column->setLayout(grid);
    return column;
}

QWidget* OptionFeaturesWindow::BuildRssiFrame(int frame) {
    auto* box = new QGroupBox(this);
    box->setObjectName(QStringLiteral("Frame3_%1").arg(frame));
    Caption(box, frame == 0 ? TextId::OptFmAmRssi : TextId::OptUsbLsbRssi);
    auto* grid = new QGridLayout(box);
    for (int k = 0; k < kRssiPerFrame; ++k) {
        const int point = frame * kRssiPerFrame + k;
        OptionTextBox* text =
            AddTextBox(TextBoxKind::Digits, QStringLiteral("Text4_%1").arg(point), 2);
        text->setAlignment(Qt::AlignCenter);
        rssi_[point] = text;
        connect(text, &OptionTextBox::committed, this, [this, point] { RssiCommitted(point); });
        auto* label = new QLabel(QString::fromLatin1(kRssiCaptions[k]), box);
        label->setObjectName(QStringLiteral("Label6_%1").arg(point));
        grid->addWidget(label, 0, k, Qt::AlignCenter);
        grid->addWidget(text, 1, k);
    }
    return box;
}

QWidget* OptionFeaturesWindow::BuildProtectionGrid() {
    auto* panel = new QWidget(this);
    QGridLayout* grid = NewCaptionGrid(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(AddCheck(OptionCode::KeyBeep, TextId::OptBeep), 0, 0);
    grid->addWidget(AddCheck(OptionCode::SwrProtect, TextId::OptSwrProtect), 1, 0);
    grid->addWidget(AddCheck(OptionCode::BatteryProtect, TextId::OptBatteryProtect), 2, 0);

    swrMax_ = AddTextBox(TextBoxKind::Decimal, QStringLiteral("Text2_0"), 4);
    batteryMin_ = AddTextBox(TextBoxKind::Decimal, QStringLiteral("Text2_1"), 4);
    batteryMax_ = AddTextBox(TextBoxKind::Decimal, QStringLiteral("Text2_2"), 4);
    const QPair<OptionTextBox*, TextId> boxes[] = {{swrMax_, TextId::OptSwrMax},
                                                   {batteryMin_, TextId::OptBatteryMin},
                                                   {batteryMax_, TextId::OptBatteryMax}};
    for (int i = 0; i < 3; ++i) {
        QLabel* label = NewCaption(QStringLiteral("Label3_%1").arg(i), boxes[i].first, this);
        Caption(label, boxes[i].second);
        AddCaptioned(grid, i + 1, 1, label, boxes[i].first);
    }
    connect(swrMax_, &OptionTextBox::committed, this, [this] { SwrCommitted(); });
    connect(batteryMin_, &OptionTextBox::committed, this, [this] { BatteryCommitted(false); });
    connect(batteryMax_, &OptionTextBox::committed, this, [this] { BatteryCommitted(true); });
    grid->setColumnStretch(0, 1);
    panel->setLayout(grid);
    return panel;
}

QWidget* OptionFeaturesWindow::BuildPublicFrame() {
    auto* box = new QGroupBox(this);
    box->setObjectName(QStringLiteral("Frame2"));
    Caption(box, TextId::OptPublic);
    QGridLayout* grid = NewCaptionGrid(this);
    int row = 0;
    for (const OptionRow& r : kPublicLists)
        AddList(grid, row++, r.code, r.caption);
    box->setLayout(grid);
    return box;
}

QWidget* OptionFeaturesWindow::BuildModeEnableFrame() {
    auto* box = new QGroupBox(this);
    box->setObjectName(QStringLiteral("Frame1"));
    Caption(box, TextId::OptModeEnable);
    auto* grid = new QGridLayout(box);
    int i = 0;
    for (const OptionRow& r : kModeEnables) {
        grid->addWidget(AddCheck(r.code, r.caption), i / 2, i % 2);
        ++i;
    }
    return box;
}

void OptionFeaturesWindow::SetOptionCaptions() {
    for (const auto& [control, id] : captions_) {
        const QString text = Catalogue::TextIn(id, language_);
        if (control == this)
            setWindowTitle(text);
        else if (auto* label = qobject_cast<QLabel*>(control))
            label->setText(text);
        else if (auto* button = qobject_cast<QAbstractButton*>(control))
            button->setText(text);
        else if (auto* frame = qobject_cast<QGroupBox*>(control))
            frame->setTitle(text);
    }
}

void OptionFeaturesWindow::FillOptionLists() {
    for (auto it = lists_.cbegin(); it != lists_.cend(); ++it)
        FillList(it.value(), OptionListEntries(it.key(), language_, data_), -1);
}

void OptionFeaturesWindow::ShowOptions() {
    QComboBox* mode = lists_.value(OptionCode::PublicMode);
    FillList(mode, OptionListEntries(OptionCode::PublicMode, language_, data_), -1);
    for (auto it = lists_.cbegin(); it != lists_.cend(); ++it)
        ShowStoredOption(it.key());
    for (auto it = checks_.cbegin(); it != checks_.cend(); ++it)
        it.value()->setChecked(ShownOptionCheck(data_, it.key()) == 1);
    const OptionRecord& o = data_.Options;
    swrMax_->setText(FormatFixed(o.SwrMax / 10.0, 1));
    batteryMin_->setText(FormatFixed(o.BatteryMin / 10.0, 1));
    batteryMax_->setText(FormatFixed(o.BatteryMax / 10.0, 1));
    txOffset_->setText(FormatFixed(data_.TxOffset / 10000.0, 4));
    for (int i = 0; i < static_cast<int>(rssi_.size()); ++i)
        rssi_[i]->setText(QString::number(data_.RssiPoint[i] + 1));
}

void OptionFeaturesWindow::ShowStoredOption(int code) {
    QComboBox* list = lists_.value(code);
    RemoveStoredEntry(list);
    ShowChoice(list, ShownOptionChoice(data_, code, ListEntries(list), language_));
}

void OptionFeaturesWindow::ShowRB() {
    QComboBox* roger = lists_.value(OptionCode::PublicRoger);
    FillList(roger, RogerListEntries(data_.Tones, language_), -1);
    ShowStoredOption(OptionCode::PublicRoger);
}

void OptionFeaturesWindow::ReShowData() {
    FillOptionLists();
    ShowOptions();
}

void OptionFeaturesWindow::CommitPendingEdit() {
    if (auto* box = qobject_cast<OptionTextBox*>(focusWidget()))
        box->Commit();
}

void OptionFeaturesWindow::ListChosen(int code, int index) {
    if (!loaded_)
        return;
    SaveOptFeat(data_, code, index, lists_.value(code)->itemText(index));
    host_.DataEdited(this);
}

void OptionFeaturesWindow::CheckClicked(int code, bool checked) {
    if (!loaded_)
        return;
    if (!OptionCode::IsModeEnable(code)) {
        SaveOptFeat(data_, code, checked ? 1 : 0, QString());
        host_.DataEdited(this);
        return;
    }
    QComboBox* mode = lists_.value(OptionCode::PublicMode);
    QMap<int, int> moved;
    const int stored =
        StoreModeEnable(data_, channels_, code, checked ? 1 : 0, mode->currentText(), &moved);
    checks_.value(code)->setChecked(stored > 0);
    FillList(mode, OptionListEntries(OptionCode::PublicMode, language_, data_), -1);
    ShowStoredOption(OptionCode::PublicMode);
    host_.context().changes.Tell(this, DataNotifier::Part::ModeEnable);
    host_.DataEdited(this);
    // The channels' modes changed with the switch: the user is told which.
    if (!moved.isEmpty())
        host_.prompter().tell(
            ModesMovedText(moved, data_.Options.ModeEnable, host_.context().catalogue),
            PromptIcon::Information);
}

void OptionFeaturesWindow::SwrCommitted() {
    if (!loaded_)
        return;
    swrMax_->setText(NormalizeNumberText(swrMax_->text(), kSwrLimitRule));
    data_.Options.SwrMax = static_cast<int16_t>(StoredFromText(swrMax_->text(), 10));
    host_.DataEdited(this);
}

void OptionFeaturesWindow::BatteryCommitted(bool maxEdited) {
    if (!loaded_)
        return;
    const BatteryTexts texts =
        ApplyBatteryLimits(batteryMin_->text(), batteryMax_->text(), maxEdited);
    batteryMin_->setText(texts.min);
    batteryMax_->setText(texts.max);
    data_.Options.BatteryMin = static_cast<int16_t>(StoredFromText(texts.min, 10));
    data_.Options.BatteryMax = static_cast<int16_t>(StoredFromText(texts.max, 10));
    host_.DataEdited(this);
}

void OptionFeaturesWindow::TxOffsetCommitted() {
    if (!loaded_)
        return;
    txOffset_->setText(NormalizeNumberText(txOffset_->text(), kTxOffsetRule));
    data_.TxOffset = StoredFromText(txOffset_->text(), 10000);
    host_.DataEdited(this);
}

void OptionFeaturesWindow::RssiCommitted(int point) {
    if (!loaded_)
        return;
    const int value = CheckRssiPoint(data_.RssiPoint, point, rssi_[point]->text());
    rssi_[point]->setText(QString::number(value + 1));
    data_.RssiPoint[point] = static_cast<int16_t>(value);
    host_.DataEdited(this);
}
