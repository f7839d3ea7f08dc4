// The user's changes in the channel information window: grid edits and the
// choices that store into the radio data.

#include "core/base/text_util.h"
#include "core/editing/channel_grid_edit.h"
#include "core/editing/channel_names.h"
#include "core/editing/channel_settings.h"
#include "core/editing/channel_table_ops.h"
#include "core/model/freq_text.h"
#include "core/session/app_context.h"
#include "core/session/editor_host.h"
#include "gui/channels/channel_grid.h"
#include "gui/channels/channel_info_window.h"
#include "gui/channels/channel_panel.h"
#include "gui/channels/freq_cell_editor.h"
#include "gui/widgets/combo_box_fill.h"

#include <QCloseEvent>
#include <QComboBox>

void ChannelInfoWindow::EnterGridEdit() {
    SaveShowGridData();
    editRow_ = grid_->currentRow();
    editCol_ = grid_->currentColumn();
    if (editRow_ < 1 || editCol_ < 1)
        return;
    model().radio.LastRow(Bank(), view_) = static_cast<int16_t>(editRow_);
    if (editCol_ == 1)
        grid_->OpenEditor(editRow_, grid_->Frequency(editRow_));
}

void ChannelInfoWindow::OnCellDoubleClicked(int row, int column) {
    if (row < 1 || column < 1)
        return;
    setWindowTitle(context_.catalogue.Text(TextId::ChInfoCaption));
    EnterGridEdit();
}

void ChannelInfoWindow::OnEditTyped(const QString& text) {
    EnterGridEdit();
    if (grid_->EditorOpen())
        grid_->editor()->setText(text);
}

void ChannelInfoWindow::OnDeleteKey() {
    // As emptying the cell and Enter, under the same rules, without moving on.
    OnEditTyped(QString());
    SaveShowGridData();
}

void ChannelInfoWindow::OnEditorEnter() {
    const int column = grid_->currentColumn();
    if (column == 1 && grid_->editor()->text().isEmpty())
        GridNextLine();
    else if (column >= 1 && column < grid_->columnCount())
        GridNextCol();
}

void ChannelInfoWindow::OnEditorStep(int key) {
    const int row = grid_->RowAfterStep(editRow_, key);
    SaveShowGridData();
    grid_->MoveTo(row);
    EnterGridEdit();
}

void ChannelInfoWindow::GridNextLine() {
    const int row = grid_->currentRow();
    grid_->MoveTo(row >= grid_->ChannelRows() ? 1 : row + 1);
    grid_->setFocus(Qt::OtherFocusReason);
    // Taking the focus commits the edit; without a focus change it is done here.
    SaveShowGridData();
}

void ChannelInfoWindow::GridNextCol() {
    const int column = grid_->currentColumn() + 1;
    if (column < grid_->columnCount()) {
        grid_->setCurrentCell(grid_->currentRow(), column);
        grid_->setFocus(Qt::OtherFocusReason);
        SaveShowGridData();
        return;
    }
    GridNextLine();
}

void ChannelInfoWindow::SaveShowGridData() {
    if (editRow_ < 1 || editCol_ != 1 || !grid_->EditorOpen())
        return;
    const QString typed = grid_->CloseEditor();
    bool numeric = false;
    const double value = ParseNumber(typed, &numeric);
    grid_->SetFrequency(editRow_, numeric ? FormatFreqMHz(value) : typed);
    UpdateChannelFromGrid(model(), context_.catalogue, &host_.prompter(), Bank(), view_, editRow_,
                          editCol_, typed);
    reShowGrid(editRow_);
    InitValidComboList();
    ShowValidComboText();
    Edited();
}

void ChannelInfoWindow::CommitPendingEdit() {
    SaveShowGridData();
}

void ChannelInfoWindow::OnBankChosen(int index) {
    SaveShowGridData();
    if (index != Bank()) {
        model().radio.BandFlag = static_cast<int16_t>(index);
        model().ApplyBandFlag();
        host_.RefreshCaption();
    }
    ShowBank(index);
    Edited();
}

void ChannelInfoWindow::OnGroupChosen(int index) {
    SaveShowGridData();
    view_ = GroupIndex(groupList_->itemText(index));
    model().radio.CurrentGroup[Bank()] = static_cast<int16_t>(view_);
    ShowGroup();
}

void ChannelInfoWindow::OnWorkGroupChosen(int index) {
    model().radio.Options.WorkGroup[Bank()] =
        static_cast<int16_t>(GroupIndex(workGroupList_->itemText(index)));
    Edited();
}

void ChannelInfoWindow::OnGroupChannelChosen(GroupSettingsFrame::List list, const QString& name) {
    if (MemoryView())
        return;
    OptionRecord& o = model().radio.Options;
    const int bank = Bank();
    int16_t* const refs[] = {&o.EmgChannel(bank, view_, 0), &o.EmgChannel(bank, view_, 1), nullptr,
                             &o.DwChannel(bank, view_, 0), &o.DwChannel(bank, view_, 1)};
    if (list <= GroupSettingsFrame::kDw2 && refs[list])
        *refs[list] = static_cast<int16_t>(::GetCHID(name));
    Edited();
}

void ChannelInfoWindow::OnGroupValidChosen(int index) {
    if (MemoryView())
        return;
    SaveShowGridData();
    const int bank = Bank();
    if (index == 0 && !AnyOtherGroupValid(model(), bank, view_)) {
        // The bank keeps at least one valid group.
        settings_->ShowGroupValid(1);
        return;
    }
    if (index == 0)
        MakeGroupInvalid(model(), bank, view_);
    else
        model().radio.Options.GroupValid(bank, view_) = 1;
    InitComboWorkGroup();
    if (index == 1 && CountRegularChannels(model(), bank, view_) == 0) {
        AddDefaultChannel(model(), bank, view_);
        reShowGrid(1);
        InitValidComboList();
        ShowValidComboText();
    }
    Edited();
}

void ChannelInfoWindow::OnGroupNameEdited(const QString& name) {
    if (MemoryView())
        return;
    model().radio.Options.GroupName(Bank(), view_).set(name);
    // The keys typed into one group's name are one step.
    Edited(QStringLiteral("name %1 %2").arg(Bank()).arg(view_));
}

void ChannelInfoWindow::OnSettingChosen(int setting, int index, const QString& text) {
    SaveShowGridData();
    ChannelRecord* record = CurrentRecord();
    if (!record)
        return;
    StoreChannelSetting(*record, setting, index, text);
    if (setting == kSettingPublic)
        panel_->ApplyPublicRule();
    Edited();
}

void ChannelInfoWindow::SortByFrequency() {
    // The memory channels keep their numbers.
    SaveShowGridData();
    if (MemoryView() || !SortGroupByFrequency(model(), Bank(), view_))
        return;
    Edited();
    ShowGroup();
}

void ChannelInfoWindow::Edited(const QString& mergeKey) {
    host_.DataEdited(this, mergeKey);
}

void ChannelInfoWindow::ShowCurrentData() {
    SelectComboBoxIndex(bankList_, Bank());
    ShowRB();
    ShowBank(Bank());
}

void ChannelInfoWindow::closeEvent(QCloseEvent* event) {
    SaveShowGridData();
    QWidget::closeEvent(event);
}
