#pragma once

#include <QGroupBox>

class Catalogue;
class QComboBox;
class QLabel;
class QLineEdit;

// The settings of the group on view: its name, the two emergency channels,
// the work channel (shown only), the two dual-watch channels, the memory
// channel (kept hidden) and "Group Valid". It shows values and reports the
// user's choices; storing them is the window's business.
class GroupSettingsFrame : public QGroupBox {
    Q_OBJECT
public:
    enum List { kEmg1, kEmg2, kWork, kDw1, kDw2, kMem, kGroupValid, kListCount };

    explicit GroupSettingsFrame(QWidget* parent = nullptr);

    void SetCaptions(const Catalogue& catalogue);
    // The memory view has no group settings: every control is hidden.
    void SetMemoryView(bool memoryView);

    void ShowName(const QString& name);
    void ShowGroupValid(int value);
    // The channel names the emergency and dual-watch lists offer, and those
    // the work channel may show (a work channel may be a memory channel).
    void FillChannelLists(const QStringList& names, const QStringList& workNames);
    void ShowChannel(List list, const QString& name);

    QComboBox* list(List list) const { return lists_[list]; }
    QLineEdit* nameBox() const { return name_; }

signals:
    void channelChosen(GroupSettingsFrame::List list, const QString& name);
    void groupValidChosen(int index);
    void nameEdited(const QString& name);
    // Enter, or the name box lost the focus.
    void nameFinished();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* nameLabel_ = nullptr;
    QLineEdit* name_ = nullptr;
    QLabel* labels_[kListCount] = {};
    QComboBox* lists_[kListCount] = {};
};
