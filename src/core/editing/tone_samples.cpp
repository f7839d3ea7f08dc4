#include "core/editing/tone_samples.h"

#include "core/base/file_problem.h"
#include "core/base/file_writer.h"
#include "core/model/radio_data.h"

#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <numbers>

namespace {

constexpr double kAmplitude = 0.5 * 32767;
constexpr int kFadeMs = 2;

double Envelope(int64_t i, int64_t count, int64_t fade) {
    const int64_t edge = std::min(i, count - 1 - i);
    if (edge >= fade)
        return 1.0;
    return 0.5 - 0.5 * std::cos(std::numbers::pi * static_cast<double>(edge) / fade);
}

template <typename T> void AppendRaw(QByteArray& out, T value) {
    out.append(reinterpret_cast<const char*>(&value), sizeof value);
}

void AppendLe32(QByteArray& out, uint32_t value) {
    AppendRaw(out, qToLittleEndian(value));
}

void AppendLe16(QByteArray& out, uint16_t value) {
    AppendRaw(out, qToLittleEndian(value));
}

QByteArray LittleEndianSamples(const std::vector<int16_t>& samples) {
    QByteArray bytes;
    bytes.reserve(static_cast<qsizetype>(samples.size() * 2));
    for (int16_t s : samples)
        AppendLe16(bytes, static_cast<uint16_t>(s));
    return bytes;
}

} // namespace

int64_t ToneRenderer::Advance(int durationMs) {
    auto at = [this](int64_t ms) { return (ms * rate_ + 500) / 1000; };
    const int64_t from = elapsedMs_;
    elapsedMs_ += std::max(0, durationMs);
    return at(elapsedMs_) - at(from);
}

void ToneRenderer::Render(const ToneSegment& segment, std::vector<int16_t>& out) {
    const int64_t count = Advance(segment.durationMs);
    const size_t start = out.size();
    out.resize(start + static_cast<size_t>(count), 0);
    if (segment.frequencyHz <= 0)
        return;
    // Keep well below half the sample rate, where a sine would fold back.
    const double hz = std::min(segment.frequencyHz, rate_ * 9 / 20);
    const int64_t fade = std::max<int64_t>(1, std::min<int64_t>(rate_ * kFadeMs / 1000, count / 2));
    const double step = 2 * std::numbers::pi * hz / rate_;
    for (int64_t i = 0; i < count; ++i) {
        const double v = std::sin(step * static_cast<double>(i)) * Envelope(i, count, fade);
        out[start + static_cast<size_t>(i)] = static_cast<int16_t>(std::lround(v * kAmplitude));
    }
}

std::vector<int16_t> ToneSamples(const ToneEntry& entry, int sampleRate) {
    std::vector<int16_t> samples;
    ToneRenderer renderer(sampleRate);
    ToneSequence sequence(entry);
    while (const auto segment = sequence.Next(entry))
        renderer.Render(*segment, samples);
    return samples;
}

QByteArray WavHeader(int64_t sampleCount, int sampleRate) {
    const auto dataBytes = static_cast<uint32_t>(sampleCount * 2);
    QByteArray header;
    header.append("RIFF");
    AppendLe32(header, 36 + dataBytes);
    header.append("WAVEfmt ");
    AppendLe32(header, 16);
    AppendLe16(header, 1); // PCM
    AppendLe16(header, 1); // mono
    AppendLe32(header, static_cast<uint32_t>(sampleRate));
    AppendLe32(header, static_cast<uint32_t>(sampleRate * 2));
    AppendLe16(header, 2);
    AppendLe16(header, 16);
    header.append("data");
    AppendLe32(header, dataBytes);
    return header;
}

bool WriteToneWav(const QString& path, const ToneEntry& entry, int sampleRate,
                  FileProblem* problem) {
    // The length is known before a byte is written: walk the tone once.
    int64_t total = 0;
    ToneRenderer counter(sampleRate);
    ToneSequence walk(entry);
    while (const auto segment = walk.Next(entry))
        total += counter.Advance(segment->durationMs);
    if (total * 2 > std::numeric_limits<uint32_t>::max() - 36)
        return false;
    FileWriter file(path);
    const auto failed = [&] {
        if (problem)
            *problem = file.problem();
        return false;
    };
    if (!file.write(WavHeader(total, sampleRate)))
        return failed();
    ToneRenderer renderer(sampleRate);
    ToneSequence sequence(entry);
    std::vector<int16_t> block;
    while (const auto segment = sequence.Next(entry)) {
        block.clear();
        renderer.Render(*segment, block);
        const QByteArray bytes = LittleEndianSamples(block);
        if (!file.write(bytes))
            return failed();
    }
    return file.commit() || failed();
}

QByteArray EncodePcm(const std::vector<int16_t>& samples, PcmSample kind, int channels) {
    channels = std::max(1, channels);
    QByteArray out;
    for (int16_t s : samples) {
        for (int c = 0; c < channels; ++c) {
            switch (kind) {
            case PcmSample::UInt8:
                AppendRaw(out, static_cast<uint8_t>((s >> 8) + 128));
                break;
            case PcmSample::Int16:
                AppendRaw(out, s);
                break;
            case PcmSample::Int32:
                AppendRaw(out, static_cast<int32_t>(s) * 65536);
                break;
            case PcmSample::Float:
                AppendRaw(out, static_cast<float>(s) / 32768.0f);
                break;
            }
        }
    }
    return out;
}
