#include "editors/tone_player.h"

#include <QAudioFormat>
#include <QAudioSink>
#include <QMediaDevices>
#include <algorithm>

namespace {

constexpr int kTickMs = 5;
// Sound still buffered when the timing ends may play out for this long.
constexpr int kDrainMs = 1000;

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
    OpenAudio();
    segmentEndMs_ = 0;
    clock_.start();
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

void TonePlayer::Tick() {
    while (playing_ && clock_.elapsed() >= segmentEndMs_) {
        const std::optional<ToneSegment> segment = stopRequested_ ? std::nullopt : next_();
        if (!segment) {
            Finish();
            break;
        }
        segmentEndMs_ += segment->durationMs;
        if (output_) {
            std::vector<int16_t> samples;
            renderer_->Render(*segment, samples);
            pending_ += EncodePcm(samples, pcm_, channels_);
        }
    }
    FeedAudio();
    const bool drained = !output_ || (pending_.isEmpty() && sink_->state() != QAudio::ActiveState);
    if (!playing_ && (drained || clock_.elapsed() >= drainUntilMs_)) {
        ticker_.stop();
        CloseAudio();
    }
}

void TonePlayer::Finish() {
    playing_ = false;
    next_ = nullptr;
    drainUntilMs_ = clock_.isValid() ? clock_.elapsed() + kDrainMs : 0;
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
    pcm_ = *pcm;
    channels_ = format.channelCount();
    bytesPerFrame_ = std::max(1, format.bytesPerFrame());
    sink_ = new QAudioSink(device_, format, this);
    connect(sink_, &QAudioSink::stateChanged, this, &TonePlayer::AudioStateChanged);
    output_ = sink_->start();
    if (!output_ || sink_->error() != QAudio::NoError) {
        CloseAudio();
        return;
    }
    renderer_.emplace(format.sampleRate());
}

void TonePlayer::CloseAudio() {
    pending_.clear();
    output_ = nullptr;
    if (!sink_)
        return;
    sink_->disconnect(this);
    if (sink_->state() != QAudio::StoppedState)
        sink_->stop();
    // It may be reporting a state change right now: let it finish first.
    sink_->deleteLater();
    sink_ = nullptr;
}

void TonePlayer::FeedAudio() {
    while (output_ && !pending_.isEmpty()) {
        const qint64 room = sink_->bytesFree() / bytesPerFrame_ * bytesPerFrame_;
        const qint64 wanted = std::min<qint64>(room, pending_.size());
        const qint64 written = wanted > 0 ? output_->write(pending_.constData(), wanted) : 0;
        if (written <= 0)
            break;
        pending_.remove(0, written);
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
