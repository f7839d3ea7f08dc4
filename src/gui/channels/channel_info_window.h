#pragma once

#include "core/session/editor_hooks.h"
#include "gui/channels/group_settings_frame.h"

#include <QWidget>

class ChannelGrid;
class ChannelPanel;
class EditorHost;
class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class RadioModel;
struct AppContext;
struct ChannelRecord;

// The channel information window (`frmCommChInfo`): the bank and group choice, the work group,
// the group settings, the channel grid with its in-cell frequency editor and
// the "More Information" panel of the current channel. Every change goes
// straight into the radio data.
//
// Only a user's choice stores: the lists store on `activated`, which filling
// or selecting in code never raises, and the name box on `textEdited`.
class ChannelInfoWindow : public QWidget, public PendingEditOwner {
    Q_OBJECT
public:
    explicit ChannelInfoWindow(EditorHost& host, QWidget* parent = nullptr);

    // Operations other windows call.
    static int GetCHID(const QString& name);
    static QString GetCHName(int number);
    QString GetCTCSS_DCSByShow(const QString& shown) const;
    QString ShowCTCSS_DCS(const QString& code) const;
    void ReShowChInfoByLanguage();
    void ShowRB();
    void RefreshModeList();
    // The write command's check of open windows: a frequency still being typed is taken.
    void CommitPendingEdit() override;
    // The data changed elsewhere (the channel list, undo): shown anew, the
    // group on show kept.
    void ShowCurrentData();
    void InitValidComboList();
    void ShowValidComboText();
    void InitComboWorkGroup();
    void reShowGrid(int row);
    void SetEditNoVisable();
    void EnterGridEdit();
    void GridNextLine();
    void GridNextCol();

    // The bank (0, 1) and view (group 1..10, 11 for the memory channels) on show.
    int Bank() const;
    int View() const { return view_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildControls();
    void BuildLayout();
    void SetTabOrder();
    void Connect();
    void ChangShowByLanguage();
    void ShowBank(int bank);
    void ShowGroup();
    void SetGridData();
    void ShowChIfoData(int row);
    void ShowChIfoDataOther();
    void ShowPanel(const ChannelRecord& record);
    void SaveShowGridData();

    void OnBankChosen(int index);
    void OnGroupChosen(int index);
    void OnWorkGroupChosen(int index);
    void OnGroupChannelChosen(GroupSettingsFrame::List list, const QString& name);
    void OnGroupValidChosen(int index);
    void OnGroupNameEdited(const QString& name);
    void OnSettingChosen(int setting, int index, const QString& text);
    // Renumbers the group's regular channels in frequency order: one step.
    void SortByFrequency();
    void OnCellDoubleClicked(int row, int column);
    void OnEditTyped(const QString& text);
    void OnDeleteKey();
    void OnEditorEnter();
    void OnEditorStep(int key);
    // A user's change is done: a step to undo, shown in the other windows.
    void Edited(const QString& mergeKey = {});

    RadioModel& model() const;
    ChannelRecord* CurrentRecord() const;
    QStringList ModeEntries() const;
    bool MemoryView() const;

    EditorHost& host_;
    AppContext& context_;

    QLabel* bankLabel_ = nullptr;
    QComboBox* bankList_ = nullptr;
    QGroupBox* bankFrame_ = nullptr;
    QComboBox* groupList_ = nullptr;
    QLabel* workGroupLabel_ = nullptr;
    QComboBox* workGroupList_ = nullptr;
    GroupSettingsFrame* settings_ = nullptr;
    ChannelGrid* grid_ = nullptr;
    ChannelPanel* panel_ = nullptr;
    QPushButton* close_ = nullptr;
    QAction* sortAction_ = nullptr;

    int view_ = 1;
    // The cell being edited; row 0 while none has been.
    int editRow_ = 0;
    int editCol_ = 0;
};
