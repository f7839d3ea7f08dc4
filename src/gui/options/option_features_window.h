#pragma once

#include "core/editing/option_text_rules.h"
#include "core/session/editor_hooks.h"
#include "core/text/text_id.h"

#include <QList>
#include <QMap>
#include <QPair>
#include <QWidget>
#include <array>

class ChannelTable;
class EditorHost;
class OptionTextBox;
class QCheckBox;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QPushButton;
struct RadioData;

// The option features window (`FrmOptFeatures`): radio-wide options, protections, transmit
// offset, S-meter points, the public channel and the mode enables. Every
// change is stored into the radio data at once.
class OptionFeaturesWindow : public QWidget, public PendingEditOwner {
    Q_OBJECT
public:
    explicit OptionFeaturesWindow(EditorHost& host, QWidget* parent = nullptr);
    ~OptionFeaturesWindow() override;

    // Rebuilds the roger list and shows the public channel's tone in it.
    void ShowRB();
    // Rebuilds the lists and shows the stored values again; captions stay.
    void ReShowData();
    // Takes the text of the box being edited into the data.
    void CommitPendingEdit() override;

private:
    QWidget* BuildListColumn();
    QWidget* BuildRssiFrame(int frame);
    QWidget* BuildProtectionGrid();
    QWidget* BuildPublicFrame();
    QWidget* BuildModeEnableFrame();
    QComboBox* AddList(QGridLayout* grid, int row, int code, TextId caption);
    QCheckBox* AddCheck(int code, TextId caption);
    // A box sized for `characters` characters.
    OptionTextBox* AddTextBox(TextBoxKind kind, const QString& name, int characters);
    void Caption(QObject* control, TextId id);

    void SetOptionCaptions();
    void FillOptionLists();
    void ShowOptions();
    // The list of `code` shows the stored value, as an extra entry when no entry stands for it.
    void ShowStoredOption(int code);
    void ListChosen(int code, int index);
    void CheckClicked(int code, bool checked);
    void SwrCommitted();
    void BatteryCommitted(bool maxEdited);
    void TxOffsetCommitted();
    void RssiCommitted(int point);

    EditorHost& host_;
    RadioData& data_;
    ChannelTable& channels_;
    int language_;
    bool loaded_ = false;

    QMap<int, QComboBox*> lists_;
    QMap<int, QCheckBox*> checks_;
    QList<QPair<QObject*, TextId>> captions_;
    OptionTextBox* swrMax_ = nullptr;
    OptionTextBox* batteryMin_ = nullptr;
    OptionTextBox* batteryMax_ = nullptr;
    OptionTextBox* txOffset_ = nullptr;
    std::array<OptionTextBox*, 12> rssi_{};
};
