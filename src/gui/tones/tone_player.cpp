#include "gui/tones/tone_player.h"

#include "core/editing/tone_samples.h"

#include <QAudioFormat>
#include <QAudioSink>
#include <QMediaDevices>
#include <algorithm>
#include <cstring>
#include <functional>

namespace {

constexpr int kTickMs = 5;
// The device is given little sound ahead, so the sound keeps close to the timing.
constexpr int kBufferMs = 100;
// After the timing ends, the sound still on its way through the device plays out.
constexpr int kPlayOutMs = 1000;
// A device this far behind the timing is given up.
constexpr int kStallMs = 1000;

std::optional<PcmSample> PcmOf(QAudioFormat::SampleFormat format) {
    switch (format) {
    case QAudioFormat::UInt8:
        return PcmSample::UInt8;
    case QAudioFormat::Int16:
        return PcmSample::Int16;
    case QAudioFormat::Int32:
        return PcmSample::Int32;
    case QAudioFormat::Float:
        return PcmSample::Float;
    default:
        return std::nullopt;
    }
}

} // namespace

// What the audio device reads: the sound of the steps, taken one by one as the
// device asks for more, then silence, so the device never runs dry.
class ToneSource : public QIODevice {
public:
    using NextStep = std::function<std::optional<ToneSegment>()>;

    ToneSource(const QAudioFormat& format, PcmSample pcm, NextStep next, QObject* parent)
        : QIODevice(parent), next_(std::move(next)), renderer_(format.sampleRate()), pcm_(pcm),
          channels_(format.channelCount()), bytesPerFrame_(std::max(1, format.bytesPerFrame())),
          silence_(format.sampleFormat() == QAudioFormat::UInt8 ? char(0x80) : char(0)) {}

    // The length of the steps taken so far, and whether there are no more.
    qint64 stepsMs() const { return stepsMs_; }
    bool ended() const { return ended_; }

    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override {
        return queue_.size() + kAlwaysAvailable + QIODevice::bytesAvailable();
    }

protected:
    qint64 readData(char* data, qint64 maxSize) override {
        const qint64 size = maxSize / bytesPerFrame_ * bytesPerFrame_;
        while (queue_.size() < size && !ended_) {
            const std::optional<ToneSegment> step = next_();
            ended_ = !step;
            if (step) {
                std::vector<int16_t> samples;
                renderer_.Render(*step, samples);
                queue_ += EncodePcm(samples, pcm_, channels_);
                stepsMs_ += step->durationMs;
            }
        }
        const qint64 sound = std::min<qint64>(size, queue_.size());
        std::memcpy(data, queue_.constData(), static_cast<size_t>(sound));
        queue_.remove(0, sound);
        std::memset(data + sound, silence_, static_cast<size_t>(size - sound));
        return size;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    static constexpr qint64 kAlwaysAvailable = 1 << 16;
    NextStep next_;
    ToneRenderer renderer_;
    PcmSample pcm_;
    int channels_;
    int bytesPerFrame_;
    char silence_;
    QByteArray queue_;
    qint64 stepsMs_ = 0;
    bool ended_ = false;
};

TonePlayer::TonePlayer(QObject* parent) : QObject(parent) {
    ticker_.setTimerType(Qt::PreciseTimer);
    ticker_.setInterval(kTickMs);
    connect(&ticker_, &QTimer::timeout, this, &TonePlayer::Tick);
}

TonePlayer::~TonePlayer() {
    ticker_.stop();
    CloseAudio();
}

void TonePlayer::Play(NextSegment next) {
    StopNow();
    next_ = std::move(next);
    playing_ = true;
    stopRequested_ = false;
    stepsEnded_ = false;
    stepsEndMs_ = 0;
    clock_.start();
    OpenAudio();
    ticker_.start();
    Tick();
}

void TonePlayer::StopAfterCurrent() {
    stopRequested_ = true;
}

void TonePlayer::StopNow() {
    ticker_.stop();
    CloseAudio();
    if (playing_)
        Finish();
}

std::optional<ToneSegment> TonePlayer::NextStep() {
    return stopRequested_ || !next_ ? std::nullopt : next_();
}

void TonePlayer::Tick() {
    if (source_) {
        stepsEndMs_ = source_->stepsMs();
        stepsEnded_ = source_->ended();
        // A device that stops asking for sound no longer sets the pace.
        if (playing_ && !stepsEnded_ && clock_.elapsed() > stepsEndMs_ + kStallMs)
            CloseAudio();
    }
    // Without a device the timer takes the steps itself.
    while (playing_ && !source_ && !stepsEnded_ && clock_.elapsed() >= stepsEndMs_) {
        const std::optional<ToneSegment> step = NextStep();
        stepsEnded_ = !step;
        stepsEndMs_ += step ? step->durationMs : 0;
    }
    // A stop takes effect once the step under way is over.
    if (playing_ && clock_.elapsed() >= stepsEndMs_ && (stepsEnded_ || stopRequested_))
        Finish();
    if (!playing_ && (!source_ || clock_.elapsed() >= closeAudioAtMs_)) {
        ticker_.stop();
        CloseAudio();
    }
}

void TonePlayer::Finish() {
    playing_ = false;
    next_ = nullptr;
    closeAudioAtMs_ = clock_.isValid() ? clock_.elapsed() + kPlayOutMs : 0;
    emit finished();
}

void TonePlayer::OpenAudio() {
    if (!devices_) {
        devices_ = new QMediaDevices(this);
        connect(devices_, &QMediaDevices::audioOutputsChanged, this, &TonePlayer::OutputsChanged);
    }
    device_ = QMediaDevices::defaultAudioOutput();
    if (device_.isNull())
        return;
    QAudioFormat format = device_.preferredFormat();
    QAudioFormat mono = format;
    mono.setChannelCount(1);
    mono.setSampleFormat(QAudioFormat::Int16);
    if (device_.isFormatSupported(mono))
        format = mono;
    const std::optional<PcmSample> pcm = PcmOf(format.sampleFormat());
    if (!format.isValid() || !pcm)
        return;
    sink_ = new QAudioSink(device_, format, this);
    connect(sink_, &QAudioSink::stateChanged, this, &TonePlayer::AudioStateChanged);
    sink_->setBufferSize(format.bytesForDuration(kBufferMs * 1000));
    source_ = new ToneSource(
        format, *pcm, [this] { return NextStep(); }, this);
    source_->open(QIODevice::ReadOnly);
    sink_->start(source_);
    if (sink_->error() != QAudio::NoError)
        CloseAudio();
}

void TonePlayer::CloseAudio() {
    if (sink_) {
        sink_->disconnect(this);
        if (sink_->state() != QAudio::StoppedState)
            sink_->stop();
        // It may be reporting a state change right now: let it finish first.
        sink_->deleteLater();
        sink_ = nullptr;
    }
    if (source_) {
        // The timer takes over from the steps the device has taken.
        stepsEndMs_ = source_->stepsMs();
        stepsEnded_ = source_->ended();
        source_->deleteLater();
        source_ = nullptr;
    }
}

void TonePlayer::AudioStateChanged(QAudio::State state) {
    // A device that fails or goes away leaves the timing running silently.
    if (sink_ && state == QAudio::StoppedState && sink_->error() != QAudio::NoError)
        CloseAudio();
}

void TonePlayer::OutputsChanged() {
    if (!sink_)
        return;
    const QList<QAudioDevice> outputs = QMediaDevices::audioOutputs();
    if (std::none_of(outputs.begin(), outputs.end(),
                     [this](const QAudioDevice& d) { return d.id() == device_.id(); }))
        CloseAudio();
}
