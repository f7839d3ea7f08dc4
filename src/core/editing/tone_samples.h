#pragma once

#include "core/editing/tone_sequence.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <vector>

struct FileProblem;
struct ToneEntry;

// Sound of the roger-beep tones: 16-bit mono samples of sine bursts with
// short fades (no clicks) and silent pauses.

constexpr int kWavSampleRate = 22050;

// Renders steps back to back. Sample counts follow the running time, so a
// long tone keeps its timing at any sample rate.
class ToneRenderer {
public:
    explicit ToneRenderer(int sampleRate) : rate_(sampleRate) {}
    int sampleRate() const { return rate_; }
    void Render(const ToneSegment& segment, std::vector<int16_t>& out);
    // Moves on by `durationMs` without rendering; returns the samples it spans.
    int64_t Advance(int durationMs);

private:
    int rate_;
    int64_t elapsedMs_ = 0;
};

// Every sample of the tone: all passes with their intervals.
std::vector<int16_t> ToneSamples(const ToneEntry& entry, int sampleRate);

// The 44-byte header of a 16-bit mono PCM WAV file.
QByteArray WavHeader(int64_t sampleCount, int sampleRate);

// Writes the tone as a WAV file, whole or not at all. False when the file
// cannot be written or the tone is too long for the format.
// On failure `problem` (when given) says why.
bool WriteToneWav(const QString& path, const ToneEntry& entry, int sampleRate = kWavSampleRate,
                  FileProblem* problem = nullptr);

// Samples in the layout an audio device asks for (native byte order), the
// one channel copied to every channel.
enum class PcmSample { UInt8, Int16, Int32, Float };
QByteArray EncodePcm(const std::vector<int16_t>& samples, PcmSample kind, int channels);
