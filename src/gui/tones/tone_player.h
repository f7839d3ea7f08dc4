#pragma once

#include "core/editing/tone_sequence.h"

#include <QAudio>
#include <QAudioDevice>
#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <functional>
#include <optional>

class QAudioSink;
class QMediaDevices;
class ToneSource;

// Plays roger-beep steps without ever making the event loop wait for a tone.
// With an audio device, the device pulls the steps' sound as it needs it and a
// timer follows the time they take; without a usable device (none, busy, or
// removed while playing) the timer alone takes the steps, silently, with the
// same timing.
class TonePlayer : public QObject {
    Q_OBJECT
public:
    using NextSegment = std::function<std::optional<ToneSegment>()>;

    explicit TonePlayer(QObject* parent = nullptr);
    ~TonePlayer() override;

    // Plays the steps `next` gives, one after another, until it gives none.
    // A playback under way ends first.
    void Play(NextSegment next);
    // Ends playback once the step under way is over.
    void StopAfterCurrent();
    // Ends playback and sound at once.
    void StopNow();

    bool isPlaying() const { return playing_; }
    // Whether the sound reaches an audio device right now.
    bool hasAudio() const { return source_ != nullptr; }

signals:
    void finished();

private:
    void Tick();
    std::optional<ToneSegment> NextStep();
    void Finish();
    void OpenAudio();
    void CloseAudio();
    void AudioStateChanged(QAudio::State state);
    void OutputsChanged();

    NextSegment next_;
    QTimer ticker_;
    QElapsedTimer clock_;
    qint64 stepsEndMs_ = 0; // when the steps taken so far are over
    qint64 closeAudioAtMs_ = 0;
    bool playing_ = false;
    bool stopRequested_ = false;
    bool stepsEnded_ = false;

    QMediaDevices* devices_ = nullptr;
    QAudioDevice device_;
    QAudioSink* sink_ = nullptr;
    ToneSource* source_ = nullptr;
};
