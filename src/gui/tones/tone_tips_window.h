#pragma once

#include "core/session/editor_hooks.h"

#include "core/model/radio_data.h"

#include <QWidget>
#include <array>

class ChannelTable;
class EditorHost;
class QComboBox;
class QLabel;
class QPushButton;
class QTabBar;
class ToneBarPicture;
class TonePlayer;

// The roger-beep window (`FrmToneTips`): the eight tones one tab at a time, their loop count,
// interval and fourteen elements, a bar picture, playback and saving a tone
// as a WAV file. Every change is stored into the radio data at once.
class ToneTipsWindow : public QWidget {
    Q_OBJECT
public:
    explicit ToneTipsWindow(EditorHost& host, QWidget* parent = nullptr);
    ~ToneTipsWindow() override;

    int currentTone() const { return currentTone_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildControls();
    void SetToneCaptions();
    void FillToneLists();
    void ShowTone();
    void LoopChosen(int position);
    void IntervalChosen(int position);
    void FrequencyChosen(int element, int position);
    void LengthChosen(int element, int position);
    void TabChosen(int index);
    void PlayTone();
    void StopTone();
    void SaveWav();
    void EnableSaveWav();
    // The stored loop count and element length, shown as stored when no entry stands for them.
    void ShowLoopCount();
    void ShowLength(int element);
    ToneEntry& Tone();

    EditorHost& host_;
    RadioData& data_;
    ChannelTable& channels_;
    int language_;
    int currentTone_ = 1;

    QTabBar* tabs_ = nullptr;
    QLabel* keptNote_ = nullptr;
    QLabel* loopCaption_ = nullptr;
    QLabel* intervalCaption_ = nullptr;
    QComboBox* loops_ = nullptr;
    QComboBox* interval_ = nullptr;
    std::array<QLabel*, 2> frequencyHeaders_{};
    std::array<QLabel*, 2> lengthHeaders_{};
    std::array<QLabel*, kToneElements> elementCaptions_{};
    std::array<QComboBox*, kToneElements> frequencies_{};
    std::array<QComboBox*, kToneElements> lengths_{};
    ToneBarPicture* picture_ = nullptr;
    QPushButton* play_ = nullptr;
    QPushButton* stop_ = nullptr;
    QPushButton* saveWav_ = nullptr;
    QPushButton* close_ = nullptr;
    QPushButton* help_ = nullptr;
    TonePlayer* player_ = nullptr;
};
