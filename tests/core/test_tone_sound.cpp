// Roger-beep tones without their window: the steps they play, their samples
// and WAV files, the rule of defined tones and the guarded edits.

#include "core/editing/tone_edit.h"
#include "core/editing/tone_rules.h"
#include "core/editing/tone_samples.h"
#include "core/editing/tone_sequence.h"
#include "support/default_model.h"
#include "support/values.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

QList<ToneSegment> Steps(const ToneEntry& entry) {
    QList<ToneSegment> steps;
    ToneSequence sequence(entry);
    while (const auto step = sequence.Next(entry))
        steps << *step;
    return steps;
}

// Runs of sound separated by silences longer than 2 ms: their lengths in
// samples, and the sign changes inside each.
struct Burst {
    int start = 0;
    int length = 0;
    int crossings = 0;
};

QList<Burst> Bursts(const std::vector<int16_t>& samples, int rate) {
    QList<Burst> bursts;
    const int gap = rate * 2 / 1000;
    int quiet = gap;
    int lastSign = 0;
    for (int i = 0; i < static_cast<int>(samples.size()); ++i) {
        const int s = samples[i];
        if (s == 0) {
            ++quiet;
            continue;
        }
        if (quiet >= gap) {
            bursts.append({i, 0, 0});
            lastSign = 0;
        }
        quiet = 0;
        Burst& b = bursts.last();
        b.length = i - b.start + 1;
        const int sign = s > 0 ? 1 : -1;
        b.crossings += lastSign != 0 && sign != lastSign ? 1 : 0;
        lastSign = sign;
    }
    return bursts;
}

} // namespace

class TestToneSound : public QObject {
    Q_OBJECT
private slots:
    // The steps a tone plays: their count and total length, then the first step,
    // and whether the tone sounds at all.
    void steps() {
        const auto steps = [](int tone, int loops, int interval, int firstFreqCode) {
            ToneEntry entry = DefaultModel().radio.Tones[tone];
            entry.LoopCount = static_cast<int16_t>(loops);
            entry.IntervalCode = static_cast<int16_t>(interval);
            entry.Element[0].FreqCode = static_cast<int16_t>(firstFreqCode);
            const QList<ToneSegment> played = Steps(entry);
            int total = 0;
            for (const ToneSegment& s : played)
                total += s.durationMs;
            return Values(played.size(), total, played.value(0).frequencyHz,
                          played.value(0).durationMs, ToneSounds(entry));
        };
        // Tones 1 and 2; three passes, 500 ms after each; a code below 5 is a
        // pause, 30 sounds 300 Hz; off; at most 255 passes.
        QCOMPARE((QStringList{steps(1, 1, 0, 210), steps(2, 1, 0, 80), steps(4, 3, 50, 64),
                              steps(1, 1, 0, 4), steps(1, 1, 0, 30), steps(1, 0, 0, 210),
                              steps(3, 300, 0, 170)}),
                 (QStringList{"7 700 2100 100 true", "14 560 800 40 true", "18 2400 640 60 true",
                              "7 700 0 100 true", "7 700 300 100 true", "0 0 0 0 false",
                              "1785 53550 1700 30 true"}));
    }

    void toneOneSamples() {
        const int rate = kWavSampleRate;
        const std::vector<int16_t> samples = ToneSamples(DefaultModel().radio.Tones[1], rate);
        QCOMPARE(static_cast<int>(samples.size()), rate * 700 / 1000);
        const QList<Burst> bursts = Bursts(samples, rate);
        QCOMPARE(bursts.size(), 4);
        const int burstSamples = rate / 10; // 100 ms
        for (int i = 0; i < bursts.size(); ++i) {
            const Burst& b = bursts.at(i);
            // The first and last sample of a fade are silent.
            QVERIFY2(qAbs(b.length - burstSamples) <= 2, qPrintable(QString::number(b.length)));
            QVERIFY2(qAbs(b.start - i * 2 * burstSamples) <= 2,
                     qPrintable(QString::number(b.start)));
            // 2100 Hz for 100 ms: 210 cycles, two sign changes each.
            QVERIFY2(qAbs(b.crossings - 420) <= 2, qPrintable(QString::number(b.crossings)));
        }
    }

    void wavFile() {
        QTemporaryDir dir;
        const QString path = dir.filePath("tone.wav");
        ToneEntry entry = DefaultModel().radio.Tones[1];
        entry.LoopCount = 2;
        entry.IntervalCode = 10; // 100 ms after each pass
        QVERIFY(!WriteToneWav(dir.filePath("missing/tone.wav"), entry, 8000));
        QVERIFY(!QFile::exists(dir.filePath("missing/tone.wav")));
        QVERIFY(WriteToneWav(path, entry, 8000));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        const int samples = 8000 * 1600 / 1000;
        QCOMPARE(bytes.size(), 44 + 2 * samples);
        // RIFF, its size, WAVE, a 16-byte PCM format block for mono 8000 Hz
        // 16-bit samples (16000 bytes a second, 2 a frame), then the data's size.
        QCOMPARE(bytes.left(44).toHex(),
                 QByteArray("524946462464000057415645666d74201000000001000100401f0000803e0000"
                            "020010006461746100640000"));
        const std::vector<int16_t> expected = ToneSamples(entry, 8000);
        QCOMPARE(bytes.mid(44, 2 * 900),
                 QByteArray(reinterpret_cast<const char*>(expected.data()), 1800));
    }

    // -32768, 0 and 16384 in each sample format.
    void pcmLayouts() {
        const auto pcm = [](PcmSample kind, int channels) {
            return EncodePcm({-32768, 0, 16384}, kind, channels).toHex();
        };
        QCOMPARE(Values(pcm(PcmSample::UInt8, 1), pcm(PcmSample::Int16, 2),
                        pcm(PcmSample::Int32, 1), pcm(PcmSample::Float, 2)),
                 "0080c0 008000800000000000400040 000000800000000000000040 "
                 "000080bf000080bf00000000000000000000003f0000003f");
    }

    // Tone 1 and the tones `defined` loop; tone 1 keeps `lengthsKept` lengths;
    // `element` 0 is its loop count, set to `position`. A channel and the
    // public channel use tone 1 before: the edit (Unchanged, Refused, Stored)
    // and their roger tones after.
    void guardedEdits() {
        const auto edit = [](const QList<int>& defined, int lengthsKept, int element,
                             int position) {
            RadioModel model = DefaultModel();
            RadioData& data = model.radio;
            for (int n = 1; n <= kToneCount; ++n)
                data.Tones[n].LoopCount = defined.contains(n) ? 1 : 0;
            for (int k = lengthsKept; k < kToneElements; ++k)
                data.Tones[1].Element[k].DurCode = 0;
            data.Options.PublicRoger = 1;
            model.channels.at(0, 1, 1).Roger = 1;
            const ToneEdit result = element == 0
                                        ? ChangeLoopCount(data, model.channels, 1, position)
                                        : ChangeLength(data, model.channels, 1, element, position);
            return Values(QString("URS")[int(result)], data.Options.PublicRoger,
                          model.channels.at(0, 1, 1).Roger);
        };
        // The only tone or one of two switched off, the same loop count, a
        // length or the last length of the only tone; an undefined tone (no
        // length) beside the only one.
        QCOMPARE((QStringList{edit({1}, 7, 0, 0), edit({1, 2}, 7, 0, 0), edit({1}, 7, 0, 1),
                              edit({1}, 7, 1, 0), edit({1}, 1, 1, 0), edit({1, 2}, 0, 0, 0)}),
                 (QStringList{"R 1 1", "S 0 0", "U 1 1", "S 1 1", "R 1 1", "S 0 0"}));
    }

    // Tone n when every tone loops and has a length somewhere (-1: none), else 0.
    void definedTones() {
        const auto valid = [](int loops, int lengthAt, int n) {
            ToneTable tones;
            for (int t = 1; t <= kToneCount; ++t) {
                tones[t].LoopCount = static_cast<int16_t>(loops);
                if (lengthAt >= 0)
                    tones[t].Element[lengthAt].DurCode = 1;
            }
            return ValidRogerTone(tones, n);
        };
        // Defined, only the last element sounding, no loop, no length, tones 0, 9 and -1.
        QCOMPARE(Values(valid(1, 0, 3), valid(10, 13, 8), valid(0, 0, 3), valid(1, -1, 3),
                        valid(1, 0, 0), valid(1, 0, 9), valid(1, 0, -1)),
                 "3 8 0 0 0 0 0");

        RadioData data;
        ChannelTable channels;
        for (const int n : {2, 5})
            data.Tones[n] = {{{{210, 10}}}, 1, 0};
        QCOMPARE(CountRogerTones(data.Tones), 2);
        data.ChannelCount(1, 10) = 3;
        data.ChannelCount(0, 1) = -4; // damaged: nothing in use
        data.Options.PublicRoger = 1;
        const int rogers[] = {1, 2, 200, 1}; // the fourth not in use
        for (int slot = 1; slot <= 4; ++slot)
            channels.at(1, slot, 10).Roger = static_cast<int16_t>(rogers[slot - 1]);
        channels.at(0, 1, 1).Roger = 1;
        RevalidateRogerTones(data, channels);
        QCOMPARE(Values(channels.at(1, 1, 10).Roger, channels.at(1, 2, 10).Roger,
                        channels.at(1, 3, 10).Roger, channels.at(1, 4, 10).Roger,
                        channels.at(0, 1, 1).Roger, data.Options.PublicRoger),
                 "0 2 0 1 1 0");
    }
};

QTEST_GUILESS_MAIN(TestToneSound)
#include "test_tone_sound.moc"
