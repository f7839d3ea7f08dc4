// Byte layout of the data file records: offsets, widths, order and round trips.

#include "core/model/record_io.h"
#include "support/values.h"

#include <QRandomGenerator>
#include <QTest>

namespace {

int I16At(const QByteArray& b, int offset) {
    return static_cast<int16_t>(static_cast<uint8_t>(b[offset]) |
                                (static_cast<uint8_t>(b[offset + 1]) << 8));
}

// A record whose every integer is distinct, so a misplaced field shows.
RadioData NumberedRadioData() {
    RadioData d;
    QByteArray bytes(kRadioDataBytes, 0);
    for (int i = 0; i < kRadioDataBytes; ++i)
        bytes[i] = static_cast<char>((i * 7 + 3) & 0x7F);
    bytes.replace(0, 4, "V100");
    bool ok = ReadRadioData(bytes, d);
    Q_ASSERT(ok);
    return d;
}

} // namespace

class TestRecords : public QObject {
    Q_OBJECT
private slots:
    void radioDataFieldOffsets() {
        RadioData d;
        d.DataVersion.set(QStringLiteral("V100"));
        d.BandFlag = 1;
        d.CurrentGroup = {3, 11};
        d.LastRow(1, 1) = 21;       // second element: bank varies fastest
        d.LastRow(0, 11) = 40;      // element 20 of 22
        d.ChannelCount(1, 10) = 46; // last of 20
        d.Identity.IdentityWord = 248;
        d.Identity.IdentityMark = 67;
        OptionRecord& o = d.Options;
        o.GroupValid(0, 1) = 1;
        o.EmgChannel(1, 1, 1) = 39; // k = 1 starts after the 20 k = 0 values
        o.UpperNibble = 2;
        o.WorkGroup[1] = 9;
        o.WorkChannel(0, 2) = 17;
        o.DwChannel(0, 1, 1) = 33;
        o.MemChannel(1, 10) = 46;
        o.Rtix = -100;
        o.PublicMode = 4;
        o.ModeEnable[4] = 1;
        d.Tones[1].Element[0] = {210, 10};
        d.Tones[2].LoopCount = 5;
        d.Tones[8].IntervalCode = 255;
        d.TxOffset = 0x12345678;
        d.FreqCh = 1;
        d.AsqLevel = 9;
        d.RssiPoint[11] = 35;
        const QByteArray b = WriteRadioData(d);
        QCOMPARE(b.size(), kRadioDataBytes);
        // Version, band, groups, rows, counts and identity.
        QCOMPARE(Values(b.left(4), I16At(b, 4), I16At(b, 8), I16At(b, 12), I16At(b, 10 + 20 * 2),
                        I16At(b, 54 + 19 * 2), I16At(b, 94 + 7), I16At(b, 94 + 32)),
                 "V100 1 11 21 40 46 248 67");
        // Options from 128: GroupValid, EmgChannel, UpperNibble, WorkGroup,
        // WorkChannel, DwChannel, MemChannel, Rtix, PublicMode, ModeEnable.
        const int opt = 128;
        QCOMPARE(Values(I16At(b, opt), I16At(b, opt + 120 + 21 * 2), I16At(b, opt + 200),
                        I16At(b, opt + 206), I16At(b, opt + 214 + 2 * 2),
                        I16At(b, opt + 254 + 20 * 2), I16At(b, opt + 334 + 19 * 2),
                        I16At(b, opt + 374), I16At(b, opt + 374 + 22 * 2),
                        I16At(b, opt + 374 + 27 * 2)),
                 "1 39 2 9 17 33 46 -100 4 1");
        // Tones from 558, 60 bytes each; then TxOffset, FreqCh, AsqLevel, RssiPoint.
        QCOMPARE(Values(I16At(b, 558), I16At(b, 560), I16At(b, 558 + 60 + 56),
                        I16At(b, 558 + 7 * 60 + 58), b.mid(1038, 4).toHex(), I16At(b, 1042),
                        I16At(b, 1044), I16At(b, 1046 + 22)),
                 "210 10 5 255 78563412 1 9 35");
    }

    void channelRecordLayout() {
        ChannelRecord r;
        r.ChannelNumber = 43;
        r.InUse = 1;
        r.ScanFlag = 0;
        r.RxFreq.set(QStringLiteral("271850"));
        r.TxFreq.set(QStringLiteral("28015000"));
        r.Reserved = {-1, 2};
        r.ToneIndex = 142;
        r.TxToneIndex = 7;
        r.Mode = 3;
        r.HiCut = r.Echo = r.Busy = r.Public = 1;
        r.Roger = 5;
        r.Repeater = 2;
        // number, in use, scan, receive and transmit digits, reserved, tone, transmit
        // tone, mode, HI-CUT, NB/ANL, ECHO, +10KHz, BUSY, roger, REP, public.
        QCOMPARE(WriteChannelRecord(r).toHex(),
                 QByteArray("2b0001000000"
                            "3237313835302020"
                            "3238303135303030"
                            "ffff0200"
                            "8e000700030001000000010000000100050002000100"));
    }

    void fixedTextsArePaddedAndCut() {
        OptionRecord o;
        auto& name = o.GroupName(0, 1);
        name.set(QStringLiteral("AB"));
        QCOMPARE(name.raw() + name.text(), QStringLiteral("AB  AB"));
        name.set(QStringLiteral("LONGER"));
        QCOMPARE(name.raw(), QStringLiteral("LONG"));
        name.set(QStringLiteral("A") + QChar(0) + QStringLiteral("xy"));
        QCOMPARE(name.text(), QStringLiteral("A"));
        // Every byte value survives a file round trip.
        FixedText<7> t;
        for (int i = 0; i < 7; ++i)
            t.bytes[i] = static_cast<char>(0xF9 + i);
        RadioData d;
        d.Identity.IdentityModelCode = t;
        RadioData back;
        QVERIFY(ReadRadioData(WriteRadioData(d), back));
        QCOMPARE(back.Identity.IdentityModelCode.raw(), t.raw());
    }

    void roundTripsAndShortInput() {
        const RadioData d = NumberedRadioData();
        const QByteArray bytes = WriteRadioData(d);
        RadioData back;
        QVERIFY(ReadRadioData(bytes, back));
        QVERIFY(back == d);
        QCOMPARE(WriteRadioData(back), bytes);
        QVERIFY(!ReadRadioData(bytes.left(kRadioDataBytes - 1), back));
        QVERIFY(back == d); // a refused read changes nothing

        QByteArray raw(kChannelRecordBytes * 2, 0);
        for (char& c : raw)
            c = static_cast<char>(QRandomGenerator::global()->bounded(256));
        ChannelRecord r;
        QVERIFY(ReadChannelRecord(raw, kChannelRecordBytes, r));
        QCOMPARE(WriteChannelRecord(r), raw.mid(kChannelRecordBytes));
        QVERIFY(!ReadChannelRecord(raw.left(95), 48, r));
        QVERIFY(!ReadChannelRecord(raw, -1, r));
    }
};

QTEST_GUILESS_MAIN(TestRecords)
#include "test_records.moc"
