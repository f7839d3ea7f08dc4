#include "gui/channels/channel_info_window.h"

#include "core/base/prompter.h"
#include "core/codec/mode_codec.h"
#include "core/codec/tone_codes.h"
#include "core/editing/channel_choice_lists.h"
#include "core/editing/channel_list.h"
#include "core/editing/channel_names.h"
#include "core/editing/channel_settings.h"
#include "core/editing/channel_table_ops.h"
#include "core/editing/stored_value_texts.h"
#include "core/model/freq_text.h"
#include "core/session/app_context.h"
#include "core/session/editor_host.h"
#include "gui/channels/channel_grid.h"
#include "gui/channels/channel_panel.h"
#include "gui/channels/freq_cell_editor.h"
#include "gui/widgets/combo_box_fill.h"
#include "gui/widgets/form_helpers.h"
#include "gui/widgets/keep_place.h"

#include <QAction>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {

// Shows the first of a series of messages only: a grid full of damaged
// frequencies is reported once, not once per channel.
class FirstMessageOnly : public Prompter {
public:
    explicit FirstMessageOnly(Prompter& target) : target_(target) {}
    PromptAnswer ask(const QString& text, PromptButtons buttons, PromptIcon icon) override {
        if (shown_)
            return PromptAnswer::Ok;
        shown_ = true;
        return target_.ask(text, buttons, icon);
    }
    QString openFileName(const QString& filter) override { return target_.openFileName(filter); }
    QString saveFileName(const QString& proposed, const QString& filter) override {
        return target_.saveFileName(proposed, filter);
    }

private:
    Prompter& target_;
    bool shown_ = false;
};

} // namespace

ChannelInfoWindow::ChannelInfoWindow(EditorHost& host, QWidget* parent)
    : QWidget(parent), host_(host), context_(host.context()) {
    setObjectName(kChannelInfoForm);
    BuildControls();
    BuildLayout();
    SetTabOrder();
    Connect();
    grid_->SetSpeaker([this](int row, const QString& frequency) {
        const Catalogue& cat = context_.catalogue;
        const ListRow channel = MemoryView() ? ListRow{Bank(), 1, kRegularChannelCount + row}
                                             : ListRow{Bank(), view_, row};
        return SpokenCell(SpokenRow(channel, cat), cat.Text(TextId::FrequencyLabel), frequency,
                          cat);
    });
    SetEditNoVisable();
    ChangShowByLanguage();
    SelectComboBoxIndex(bankList_, Bank());
    ShowBank(Bank());
    context_.changes.Follow(
        this, {[this] { ShowCurrentData(); }, [this] { ShowRB(); }, [this] { RefreshModeList(); }});
}

RadioModel& ChannelInfoWindow::model() const {
    return context_.model;
}

int ChannelInfoWindow::Bank() const {
    return model().radio.BandFlag == 0 ? 0 : 1;
}

bool ChannelInfoWindow::MemoryView() const {
    return view_ == kMemoryView;
}

void ChannelInfoWindow::BuildControls() {
    bankLabel_ = new QLabel(this);
    bankLabel_->setObjectName(QStringLiteral("Label3"));
    bankList_ = new QComboBox(this);
    bankList_->setObjectName(QStringLiteral("Combo2"));
    bankList_->addItems(BankChoiceEntries());
    bankLabel_->setBuddy(bankList_);
    bankFrame_ = new QGroupBox(this);
    bankFrame_->setObjectName(QStringLiteral("Frame3"));
    groupList_ = new QComboBox(bankFrame_);
    groupList_->setObjectName(QStringLiteral("Combo6"));
    workGroupLabel_ = new QLabel(bankFrame_);
    workGroupLabel_->setObjectName(QStringLiteral("Label6"));
    workGroupList_ = new QComboBox(bankFrame_);
    workGroupList_->setObjectName(QStringLiteral("Combo3"));
    workGroupLabel_->setBuddy(workGroupList_);
    settings_ = new GroupSettingsFrame(this);
    grid_ = new ChannelGrid(this);
    sortAction_ = new QAction(grid_);
    sortAction_->setObjectName(QStringLiteral("actSortByFrequency"));
    grid_->addAction(sortAction_);
    grid_->setContextMenuPolicy(Qt::ActionsContextMenu);
    panel_ = new ChannelPanel(this);
    KeepPlaceWhenHidden(panel_);
    close_ = new QPushButton(this);
    close_->setObjectName(QStringLiteral("CommandClose"));
    close_->setAutoDefault(false);
}

void ChannelInfoWindow::BuildLayout() {
    auto* bankForm = new QFormLayout(bankFrame_);
    bankForm->addRow(groupList_);
    bankForm->addRow(workGroupLabel_, workGroupList_);

    auto* left = new QVBoxLayout;
    left->addWidget(bankLabel_);
    left->addWidget(bankList_);
    left->addWidget(bankFrame_);
    left->addWidget(settings_);
    left->addStretch(1);

    auto* right = new QVBoxLayout;
    right->addWidget(panel_);
    right->addStretch(1);

    auto* columns = new QHBoxLayout;
    columns->addLayout(left);
    columns->addWidget(grid_);
    columns->addLayout(right, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(close_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns, 1);
    layout->addLayout(buttons);
}

void ChannelInfoWindow::SetTabOrder() {
    QList<QWidget*> chain{bankList_, groupList_, workGroupList_, settings_->nameBox()};
    for (int k = 0; k < GroupSettingsFrame::kListCount; ++k)
        chain << settings_->list(static_cast<GroupSettingsFrame::List>(k));
    chain << grid_;
    for (int k = 0; k < kChannelSettingCount; ++k)
        chain << panel_->list(k);
    chain << close_;
    for (int i = 1; i < chain.size(); ++i)
        setTabOrder(chain[i - 1], chain[i]);
}

void ChannelInfoWindow::Connect() {
    connect(bankList_, &QComboBox::activated, this, &ChannelInfoWindow::OnBankChosen);
    connect(groupList_, &QComboBox::activated, this, &ChannelInfoWindow::OnGroupChosen);
    OnChosen(workGroupList_, this, [this](int index) { OnWorkGroupChosen(index); });
    connect(settings_, &GroupSettingsFrame::channelChosen, this,
            &ChannelInfoWindow::OnGroupChannelChosen);
    connect(settings_, &GroupSettingsFrame::groupValidChosen, this,
            &ChannelInfoWindow::OnGroupValidChosen);
    connect(settings_, &GroupSettingsFrame::nameEdited, this,
            &ChannelInfoWindow::OnGroupNameEdited);
    connect(settings_, &GroupSettingsFrame::nameFinished, this, [this] { host_.EndEditStep(); });
    connect(panel_, &ChannelPanel::settingChosen, this, &ChannelInfoWindow::OnSettingChosen);
    connect(sortAction_, &QAction::triggered, this, &ChannelInfoWindow::SortByFrequency);
    connect(grid_, &QTableWidget::cellDoubleClicked, this, &ChannelInfoWindow::OnCellDoubleClicked);
    connect(grid_, &ChannelGrid::editRequested, this, &ChannelInfoWindow::EnterGridEdit);
    connect(grid_, &ChannelGrid::editTyped, this, &ChannelInfoWindow::OnEditTyped);
    connect(grid_, &ChannelGrid::deleteRequested, this, &ChannelInfoWindow::OnDeleteKey);
    connect(grid_, &QTableWidget::currentCellChanged, this,
            [this](int row, int, int previousRow, int) {
                if (row != previousRow)
                    ShowChIfoDataOther();
            });
    connect(grid_->editor(), &FreqCellEditor::enterPressed, this,
            &ChannelInfoWindow::OnEditorEnter);
    connect(grid_->editor(), &FreqCellEditor::stepPressed, this, &ChannelInfoWindow::OnEditorStep);
    connect(grid_->editor(), &FreqCellEditor::focusLeft, this,
            &ChannelInfoWindow::SaveShowGridData);
    connect(close_, &QPushButton::clicked, this, [this] { CloseForm(this); });
}

void ChannelInfoWindow::ChangShowByLanguage() {
    const Catalogue& cat = context_.catalogue;
    setWindowTitle(cat.Text(TextId::ChInfoCaption));
    bankLabel_->setText(cat.Text(TextId::ChSelectBank));
    groupList_->setAccessibleName(PlainCaption(cat.Text(TextId::ListGroup)));
    workGroupLabel_->setText(cat.Text(TextId::ChWorkGroup));
    grid_->SetHeaderTexts(cat.Text(TextId::ChGridChannelNo), cat.Text(TextId::FrequencyLabel));
    settings_->SetCaptions(cat);
    settings_->setTitle(cat.Text(TextId::ChBand) + QStringLiteral(" -- ") + GroupLetter(view_));
    panel_->SetCaptions(cat);
    ShowRB();
    close_->setText(cat.Text(TextId::CommandClose));
    sortAction_->setText(cat.Text(TextId::ListSortByFrequency));
}

void ChannelInfoWindow::ReShowChInfoByLanguage() {
    // The grid is rebuilt: what is being typed is taken first.
    SaveShowGridData();
    ChangShowByLanguage();
    ShowBank(Bank());
}

void ChannelInfoWindow::ShowBank(int bank) {
    bankFrame_->setTitle(bankList_->itemText(bank));
    FillComboBox(groupList_, GroupChoiceEntries(bank));
    SelectComboBoxText(groupList_, GroupLetter(model().radio.CurrentGroup[bank]));
    // A stored group the bank does not offer gives way to the one shown.
    view_ = GroupIndex(groupList_->currentText());
    model().radio.CurrentGroup[bank] = static_cast<int16_t>(view_);
    ShowGroup();
}

void ChannelInfoWindow::ShowGroup() {
    settings_->setTitle(context_.catalogue.Text(TextId::ChBand) + QStringLiteral(" -- ") +
                        GroupLetter(view_));
    InitValidComboList();
    InitComboWorkGroup();
    SetEditNoVisable();
    SetGridData();
}

void ChannelInfoWindow::SetGridData() {
    const int bank = Bank();
    const OptionRecord& options = model().radio.Options;
    settings_->SetMemoryView(MemoryView());
    if (!MemoryView()) {
        settings_->ShowName(options.GroupName(bank, view_).text());
        settings_->ShowGroupValid(options.GroupValid(bank, view_));
        ShowValidComboText();
    }
    {
        const QSignalBlocker quiet(grid_);
        grid_->SetView(MemoryView());
        FirstMessageOnly prompter(host_.prompter());
        for (int row = 1; row <= grid_->ChannelRows(); ++row)
            if (const ChannelRecord* record = RecordForRow(model(), bank, view_, row))
                grid_->SetFrequency(
                    row, FreqDigitsToText(record->RxFreq.raw(), model().BandLowMHz, &prompter));
        const int lastRow = model().radio.LastRow(bank, view_);
        grid_->MoveTo(lastRow >= 1 && lastRow <= grid_->ChannelRows() ? lastRow : 1);
    }
    ShowChIfoDataOther();
}

void ChannelInfoWindow::ShowChIfoData(int row) {
    const ChannelRecord* record = RecordForRow(model(), Bank(), view_, row);
    if (!record)
        return;
    grid_->SetFrequency(
        row, FreqDigitsToText(record->RxFreq.raw(), model().BandLowMHz, &host_.prompter()));
    if (row == grid_->currentRow())
        ShowPanel(*record);
}

void ChannelInfoWindow::ShowChIfoDataOther() {
    if (const ChannelRecord* record = CurrentRecord())
        ShowPanel(*record);
    else
        SetEditNoVisable();
}

void ChannelInfoWindow::ShowPanel(const ChannelRecord& record) {
    panel_->setTitle(context_.catalogue.Text(TextId::ChMoreInformation) +
                     ::GetCHName(record.ChannelNumber));
    panel_->ShowRecord(record, ModeEntries(), context_.catalogue.CurrentLanguage);
    panel_->show();
}

void ChannelInfoWindow::SetEditNoVisable() {
    panel_->hide();
}

void ChannelInfoWindow::reShowGrid(int row) {
    if (!MemoryView()) {
        settings_->ShowGroupValid(model().radio.Options.GroupValid(Bank(), view_));
        InitComboWorkGroup();
    }
    if (RecordForRow(model(), Bank(), view_, row)) {
        ShowChIfoData(row);
        return;
    }
    grid_->SetFrequency(row, QString());
    if (row == grid_->currentRow())
        SetEditNoVisable();
}

void ChannelInfoWindow::InitValidComboList() {
    if (MemoryView())
        return;
    const QStringList regular = ChannelComboEntries(model(), Bank(), view_, ChannelKind::Regular);
    settings_->FillChannelLists(
        regular, regular + ChannelComboEntries(model(), Bank(), view_, ChannelKind::Memory));
}

void ChannelInfoWindow::ShowValidComboText() {
    if (MemoryView())
        return;
    const int bank = Bank();
    const OptionRecord& o = model().radio.Options;
    using List = GroupSettingsFrame::List;
    const std::pair<List, int> shown[] = {{List::kEmg1, o.EmgChannel(bank, view_, 0)},
                                          {List::kEmg2, o.EmgChannel(bank, view_, 1)},
                                          {List::kWork, o.WorkChannel(bank, view_)},
                                          {List::kDw1, o.DwChannel(bank, view_, 0)},
                                          {List::kDw2, o.DwChannel(bank, view_, 1)}};
    for (const auto& [list, number] : shown)
        settings_->ShowChannel(list, StoredChannelText(number));
}

void ChannelInfoWindow::InitComboWorkGroup() {
    const int bank = Bank();
    FillComboBox(workGroupList_, ValidGroupLetters(model().radio, bank));
    const int workGroup = model().radio.Options.WorkGroup[bank];
    ShowStoredText(workGroupList_, GroupLetter(workGroup), StoredGroupText(workGroup));
}

void ChannelInfoWindow::ShowRB() {
    panel_->SetRogerEntries(
        RogerListEntries(model().radio.Tones, context_.catalogue.Text(TextId::OffSwitch)));
}

void ChannelInfoWindow::RefreshModeList() {
    const QComboBox* modes = panel_->list(kSettingMode);
    if (panel_->isHidden() || modes->isHidden())
        return;
    const ModeEnableFlags& enable = model().radio.Options.ModeEnable;
    const int language = context_.catalogue.CurrentLanguage;
    // The channel's own mode when it has one: a mode no entry stands for stays in sight.
    const ChannelRecord* record = CurrentRecord();
    const QString mode =
        record ? StoredModeText(record->Mode, language)
               : ModeIndexToText(ValidMode(ModeTextToIndex(modes->currentText()), enable));
    panel_->SetModeEntries(ModeEntries(), mode);
}

QStringList ChannelInfoWindow::ModeEntries() const {
    return ModeListEntries(model().radio.Options.ModeEnable, MemoryView());
}

ChannelRecord* ChannelInfoWindow::CurrentRecord() const {
    return RecordForRow(model(), Bank(), view_, grid_->currentRow());
}

int ChannelInfoWindow::GetCHID(const QString& name) {
    return ::GetCHID(name);
}

QString ChannelInfoWindow::GetCHName(int number) {
    return ::GetCHName(number);
}

QString ChannelInfoWindow::GetCTCSS_DCSByShow(const QString& shown) const {
    return ::GetCTCSS_DCSByShow(shown, context_.catalogue.Text(TextId::OffWord));
}

QString ChannelInfoWindow::ShowCTCSS_DCS(const QString& code) const {
    return ::ShowCTCSS_DCS(code, context_.catalogue.Text(TextId::OffWord));
}
