#pragma once

#include "editors/tone_samples.h"
#include "editors/tone_sequence.h"

#include <QAudio>
#include <QAudioDevice>
#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <functional>
#include <optional>

class QAudioSink;
class QIODevice;
class QMediaDevices;

// Plays roger-beep steps through the default audio device, driven by a timer
// so the event loop never waits for a tone. The timer keeps the timing; the
// sound follows it. Without a usable device (none, busy, or removed while
// playing) the same timing runs silently.
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
    bool hasAudio() const { return output_ != nullptr; }

signals:
    void finished();

private:
    void Tick();
    void Finish();
    void OpenAudio();
    void CloseAudio();
    void FeedAudio();
    void AudioStateChanged(QAudio::State state);
    void OutputsChanged();

    NextSegment next_;
    QTimer ticker_;
    QElapsedTimer clock_;
    qint64 segmentEndMs_ = 0;
    qint64 drainUntilMs_ = 0;
    bool playing_ = false;
    bool stopRequested_ = false;

    QMediaDevices* devices_ = nullptr;
    QAudioDevice device_;
    QAudioSink* sink_ = nullptr;
    QIODevice* output_ = nullptr;
    QByteArray pending_;
    std::optional<ToneRenderer> renderer_;
    PcmSample pcm_ = PcmSample::Int16;
    int channels_ = 1;
    int bytesPerFrame_ = 2;
};
