#pragma once

#include <QGroupBox>

class Catalogue;
class QComboBox;
class QFormLayout;
class QLabel;
struct ChannelRecord;

// "More Information": the settings of the channel in the grid's current row
// (tone, switches, repeater, public, scan, roger beep, mode). It shows a
// record and reports the user's choices; the window stores them.
class ChannelPanel : public QGroupBox {
    Q_OBJECT
public:
    explicit ChannelPanel(QWidget* parent = nullptr);

    // Captions and the lists whose entries depend on the language only.
    void SetCaptions(const Catalogue& catalogue);
    // A stored value no entry stands for shows as an extra entry (`language`
    // names a mode number).
    void ShowRecord(const ChannelRecord& record, const QStringList& modeEntries, int language);
    // New roger-beep choices; the value shown stays, as an extra entry when
    // it is no longer offered.
    void SetRogerEntries(const QStringList& entries);
    // New mode choices, showing `mode`.
    void SetModeEntries(const QStringList& entries, const QString& mode);
    // With Public on, the settings the public channel decides are not offered.
    void ApplyPublicRule();

    QComboBox* list(int setting) const { return lists_[setting]; }

signals:
    void settingChosen(int setting, int index, const QString& text);

private:
    void ShowRoger(int roger);

    QFormLayout* layout_ = nullptr;
    QLabel* labels_[13] = {};
    QComboBox* lists_[13] = {};
};
