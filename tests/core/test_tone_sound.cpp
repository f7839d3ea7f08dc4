// Roger-beep tones without their window: the steps they play, their samples
// and WAV files, the rule of defined tones and the guarded edits.

#include "core/editing/tone_edit.h"
#include "core/editing/tone_rules.h"
#include "core/editing/tone_samples.h"
#include "core/editing/tone_sequence.h"
#include "core/model/initial_data.h"
#include "core/model/radio_model.h"
#include "support/rows.h"
#include "support/values.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

RadioModel Defaults() {
    RadioModel model;
    SetBuiltInDefaults(model, QDate(2024, 1, 1));
    return model;
}

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

struct StepsRow {
    const char* name;
    int tone, loops, interval, firstFreqCode, count, totalMs;
    ToneSegment first;
};

struct GuardedEditRow {
    const char* name;
    QList<int> defined;
    int lengthsKept, element, position;
    ToneEdit result;
    int rogerAfter;
};

struct PcmLayoutsRow {
    const char* name;
    int kind, channels;
    QByteArray hex;
};

struct ValidRogerToneRow {
    const char* name;
    int loops, lengthAt, n, valid;
};

} // namespace

class TestToneSound : public QObject {
    Q_OBJECT
private slots:
    void steps_data() {
        AddRows<StepsRow>(
            {{"tone 1", 1, 1, 0, 210, 7, 700, ToneSegment{2100, 100}},
             {"tone 2", 2, 1, 0, 80, 14, 560, ToneSegment{800, 40}},
             {"three passes, 500 ms after each", 4, 3, 50, 64, 18, 2400, ToneSegment{640, 60}},
             {"code below 5 is a pause", 1, 1, 0, 4, 7, 700, ToneSegment{0, 100}},
             {"code 30 sounds 300 Hz", 1, 1, 0, 30, 7, 700, ToneSegment{300, 100}},
             {"off", 1, 0, 0, 210, 0, 0, ToneSegment{}},
             {"at most 255 passes", 3, 300, 0, 170, 7 * 255, 210 * 255, ToneSegment{1700, 30}}});
    }

    void steps() {
        QFETCH(StepsRow, row);
        auto [rowName, tone, loops, interval, firstFreqCode, count, totalMs, first] = row;
        ToneEntry entry = Defaults().radio.Tones[tone];
        entry.LoopCount = static_cast<int16_t>(loops);
        entry.IntervalCode = static_cast<int16_t>(interval);
        entry.Element[0].FreqCode = static_cast<int16_t>(firstFreqCode);
        const QList<ToneSegment> steps = Steps(entry);
        QCOMPARE(steps.size(), count);
        int total = 0;
        for (const ToneSegment& s : steps)
            total += s.durationMs;
        QCOMPARE(total, totalMs);
        if (count > 0)
            QCOMPARE(steps.first(), first);
        QCOMPARE(ToneSounds(entry), count > 0);
    }

    void toneOneSamples() {
        const int rate = kWavSampleRate;
        const std::vector<int16_t> samples = ToneSamples(Defaults().radio.Tones[1], rate);
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
        ToneEntry entry = Defaults().radio.Tones[1];
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

    void pcmLayouts_data() {
        AddRows<PcmLayoutsRow>(
            {{"8-bit mono", int(PcmSample::UInt8), 1, "0080c0"},
             {"16-bit stereo", int(PcmSample::Int16), 2, "008000800000000000400040"},
             {"32-bit mono", int(PcmSample::Int32), 1, "000000800000000000000040"},
             {"float stereo", int(PcmSample::Float), 2,
              "000080bf000080bf00000000000000000000003f0000003f"}});
    }

    void pcmLayouts() {
        QFETCH(PcmLayoutsRow, row);
        QCOMPARE(EncodePcm({-32768, 0, 16384}, PcmSample(row.kind), row.channels).toHex(), row.hex);
    }

    void guardedEdits_data() {
        // Tone 1 and the tones `defined` loop; tone 1 keeps `lengthsKept`
        // lengths; `element` 0 is its loop count, set to `position`. A channel
        // and the public channel use tone 1 before.
        AddRows<GuardedEditRow>(
            {{"only tone switched off", {1}, 7, 0, 0, ToneEdit::Refused, 1},
             {"one of two switched off", {1, 2}, 7, 0, 0, ToneEdit::Stored, 0},
             {"same loop count", {1}, 7, 0, 1, ToneEdit::Unchanged, 1},
             {"a length of the only tone", {1}, 7, 1, 0, ToneEdit::Stored, 1},
             {"last length of the only tone", {1}, 1, 1, 0, ToneEdit::Refused, 1},
             // Tone 1 has no length, so it is not the tone kept defined.
             {"undefined tone beside the only one", {1, 2}, 0, 0, 0, ToneEdit::Stored, 0}});
    }

    void guardedEdits() {
        QFETCH(GuardedEditRow, row);
        RadioModel model = Defaults();
        RadioData& data = model.radio;
        for (int n = 1; n <= kToneCount; ++n)
            data.Tones[n].LoopCount = row.defined.contains(n) ? 1 : 0;
        for (int k = row.lengthsKept; k < kToneElements; ++k)
            data.Tones[1].Element[k].DurCode = 0;
        data.Options.PublicRoger = 1;
        model.channels.at(0, 1, 1).Roger = 1;
        const ToneEdit edit =
            row.element == 0 ? ChangeLoopCount(data, model.channels, 1, row.position)
                             : ChangeLength(data, model.channels, 1, row.element, row.position);
        QCOMPARE(edit, row.result);
        QCOMPARE(Values(data.Options.PublicRoger, model.channels.at(0, 1, 1).Roger),
                 Values(row.rogerAfter, row.rogerAfter));
    }

    void validRogerTone_data() {
        AddRows<ValidRogerToneRow>({{"defined", 1, 0, 3, 3},
                                    {"only the last element sounds", 10, 13, 8, 8},
                                    {"no loop", 0, 0, 3, 0},
                                    {"no length", 1, -1, 3, 0},
                                    {"tone 0", 1, 0, 0, 0},
                                    {"tone 9", 1, 0, 9, 0},
                                    {"negative tone", 1, 0, -1, 0}});
    }

    void validRogerTone() {
        QFETCH(ValidRogerToneRow, row);
        auto [rowName, loops, lengthAt, n, valid] = row;
        ToneTable tones;
        for (int t = 1; t <= kToneCount; ++t) {
            tones[t].LoopCount = static_cast<int16_t>(loops);
            if (lengthAt >= 0)
                tones[t].Element[lengthAt].DurCode = 1;
        }
        QCOMPARE(ValidRogerTone(tones, n), valid);
    }

    void undefinedTonesSwitchOffTheirUsers() {
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
