// Byte layout of the data file records: offsets, widths, order and round trips.

#include "core/model/record_io.h"

#include <QRandomGenerator>
#include <QTest>

namespace {

int16_t I16At(const QByteArray& b, int offset) {
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
    void radioDataFieldOffsets_data() {
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("expected");
        RadioData d;
        d.DataVersion.set(QStringLiteral("V100"));
        d.BandFlag = 1;
        d.CurrentGroup = {3, 11};
        d.LastRow(1, 1) = 21;       // second element: bank varies fastest
        d.LastRow(0, 11) = 40;      // element 20 of 22
        d.ChannelCount(1, 10) = 46; // last of 20
        d.Identity.IdentityWord = 248;
        d.Identity.IdentityMark = 67;
        d.Options.GroupValid(0, 1) = 1;
        d.Options.EmgChannel(1, 1, 1) = 39; // k = 1 starts after the 20 k = 0 values
        d.Options.UpperNibble = 2;
        d.Options.WorkGroup[1] = 9;
        d.Options.WorkChannel(0, 2) = 17;
        d.Options.DwChannel(0, 1, 1) = 33;
        d.Options.MemChannel(1, 10) = 46;
        d.Options.Rtix = -100;
        d.Options.PublicMode = 4;
        d.Options.ModeEnable[4] = 1;
        d.Tones[1].Element[0] = {210, 10};
        d.Tones[2].LoopCount = 5;
        d.Tones[8].IntervalCode = 255;
        d.TxOffset = 0x12345678;
        d.FreqCh = 1;
        d.AsqLevel = 9;
        d.RssiPoint[11] = 35;
        const QByteArray b = WriteRadioData(d);

        QTest::newRow("size") << int(b.size()) << kRadioDataBytes;
        QTest::newRow("version V") << int(b[0]) << int('V');
        QTest::newRow("BandFlag") << int(I16At(b, 4)) << 1;
        QTest::newRow("CurrentGroup(1)") << int(I16At(b, 8)) << 11;
        QTest::newRow("LastRow(1,1)") << int(I16At(b, 12)) << 21;
        QTest::newRow("LastRow(0,11)") << int(I16At(b, 10 + 20 * 2)) << 40;
        QTest::newRow("ChannelCount(1,10)") << int(I16At(b, 54 + 19 * 2)) << 46;
        QTest::newRow("IdentityWord") << int(I16At(b, 94 + 7)) << 248;
        QTest::newRow("IdentityMark") << int(I16At(b, 94 + 32)) << 67;
        QTest::newRow("GroupValid(0,1)") << int(I16At(b, 128)) << 1;
        QTest::newRow("EmgChannel(1,1,1)") << int(I16At(b, 128 + 120 + 21 * 2)) << 39;
        QTest::newRow("UpperNibble") << int(I16At(b, 128 + 200)) << 2;
        QTest::newRow("WorkGroup(1)") << int(I16At(b, 128 + 206)) << 9;
        QTest::newRow("WorkChannel(0,2)") << int(I16At(b, 128 + 214 + 2 * 2)) << 17;
        QTest::newRow("DwChannel(0,1,1)") << int(I16At(b, 128 + 254 + 20 * 2)) << 33;
        QTest::newRow("MemChannel(1,10)") << int(I16At(b, 128 + 334 + 19 * 2)) << 46;
        QTest::newRow("Rtix") << int(I16At(b, 128 + 374)) << -100;
        QTest::newRow("PublicMode") << int(I16At(b, 128 + 374 + 22 * 2)) << 4;
        QTest::newRow("ModeEnable(4)") << int(I16At(b, 128 + 374 + 27 * 2)) << 1;
        QTest::newRow("tone 1 freq") << int(I16At(b, 558)) << 210;
        QTest::newRow("tone 1 dur") << int(I16At(b, 560)) << 10;
        QTest::newRow("tone 2 loops") << int(I16At(b, 558 + 60 + 56)) << 5;
        QTest::newRow("tone 8 interval") << int(I16At(b, 558 + 7 * 60 + 58)) << 255;
        QTest::newRow("TxOffset low") << int(uint8_t(b[1038])) << 0x78;
        QTest::newRow("TxOffset high") << int(uint8_t(b[1041])) << 0x12;
        QTest::newRow("FreqCh") << int(I16At(b, 1042)) << 1;
        QTest::newRow("AsqLevel") << int(I16At(b, 1044)) << 9;
        QTest::newRow("RssiPoint(11)") << int(I16At(b, 1046 + 22)) << 35;
    }

    void radioDataFieldOffsets() {
        QFETCH(int, offset);
        QFETCH(int, expected);
        QCOMPARE(offset, expected);
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
        o.GroupName(0, 1).set(QStringLiteral("AB"));
        QCOMPARE(o.GroupName(0, 1).raw(), QStringLiteral("AB  "));
        QCOMPARE(o.GroupName(0, 1).text(), QStringLiteral("AB"));
        o.GroupName(0, 1).set(QStringLiteral("LONGER"));
        QCOMPARE(o.GroupName(0, 1).raw(), QStringLiteral("LONG"));
        o.GroupName(0, 1).set(QStringLiteral("A") + QChar(0) + QStringLiteral("xy"));
        QCOMPARE(o.GroupName(0, 1).text(), QStringLiteral("A"));
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

    void roundTrips() {
        const RadioData d = NumberedRadioData();
        const QByteArray bytes = WriteRadioData(d);
        RadioData back;
        QVERIFY(ReadRadioData(bytes, back));
        QVERIFY(back == d);
        QCOMPARE(WriteRadioData(back), bytes);

        QByteArray raw(kChannelRecordBytes * 2, 0);
        for (char& c : raw)
            c = static_cast<char>(QRandomGenerator::global()->bounded(256));
        ChannelRecord r;
        QVERIFY(ReadChannelRecord(raw, kChannelRecordBytes, r));
        QCOMPARE(WriteChannelRecord(r), raw.mid(kChannelRecordBytes));
    }

    void shortInputIsRefused() {
        RadioData d = NumberedRadioData();
        const RadioData before = d;
        QVERIFY(!ReadRadioData(QByteArray(kRadioDataBytes - 1, 'x'), d));
        QVERIFY(d == before);
        ChannelRecord r;
        QVERIFY(!ReadChannelRecord(QByteArray(95, 'x'), 48, r));
        QVERIFY(!ReadChannelRecord(QByteArray(96, 'x'), -1, r));
        QVERIFY(ReadChannelRecord(QByteArray(96, 'x'), 48, r));
    }
};

QTEST_GUILESS_MAIN(TestRecords)
#include "test_records.moc"
