// The settings area of the image: where each option lives, the voltage code,
// group names, the band byte and round trips.

#include "core/codec/option_block_codec.h"
#include "support/rows.h"
#include "support/values.h"

#include <QTest>

namespace {

// Distinct, valid values in every field the image carries.
RadioData SampleData() {
    RadioData d;
    OptionRecord& o = d.Options;
    for (int bank = 0; bank < kBanks; ++bank) {
        for (int group = 1; group <= kGroups; ++group) {
            const int n = bank * kGroups + group; // 1..20
            o.GroupValid(bank, group) = n % 3 == 0 ? 0 : 1;
            o.GroupName(bank, group).set(QStringLiteral("G%1").arg(n));
            o.EmgChannel(bank, group, 0) = static_cast<int16_t>(n);
            o.EmgChannel(bank, group, 1) = static_cast<int16_t>(n + 20);
            o.WorkChannel(bank, group) = static_cast<int16_t>(46 - n);
            o.DwChannel(bank, group, 0) = static_cast<int16_t>(n + 1);
            o.DwChannel(bank, group, 1) = static_cast<int16_t>(n + 2);
            o.MemChannel(bank, group) = static_cast<int16_t>(41 + n % 6);
        }
    }
    o.GroupName(1, 10).set(QStringLiteral("ABCD"));
    o.UpperNibble = 2;
    o.WorkGroup = {1, 3};
    o.VoxFunction = o.MemMenu = 1;
    o.PublicHiCut = o.PublicNbAnl = o.PublicBusy = 1;
    o.PublicRoger = 3;
    o.KeyBeep = 1;
    o.Indic = 2;
    o.MicGain = 30;
    o.Nog = 32;
    o.Tot = 60;
    o.SwrProtect = 1;
    o.BatteryProtect = 1;
    o.ScanMode = 1;
    o.Fin = 3;
    o.BacklightColor = 6;
    o.MenuPage = 9;
    o.BatteryMin = 97;
    o.BatteryMax = 168;
    o.SwrMax = 160;
    o.PublicMode = 4;
    o.ModeEnable = {1, 0, 1, 0, 1};
    d.BandFlag = 1;
    d.TxOffset = 50000;
    d.FreqCh = 1;
    d.AsqLevel = 5;
    for (int i = 0; i < 12; ++i)
        d.RssiPoint[i] = static_cast<int16_t>(i * 3 + 2);
    return d;
}

RadioImage EncodedSample() {
    RadioImage image;
    PrepareImage(image);
    RadioData d = SampleData();
    EncodeOptionBlock(image, d);
    return image;
}

struct GroupNameDecodeRow {
    const char* name;
    QByteArray bytes;
    QString field;
};

} // namespace

class TestOptionBlock : public QObject {
    Q_OBJECT
private slots:
    void voltageCode() {
        QCOMPARE(
            Values(VoltageToCode(97), VoltageToCode(168), VoltageToCode(90), VoltageToCode(170)),
            "380 658 352 666");
        // 261.5 and 784.5: ties go to even.
        QCOMPARE(Values(CodeToVoltage(380), CodeToVoltage(658), CodeToVoltage(352),
                        CodeToVoltage(666), CodeToVoltage(1024), CodeToVoltage(3072)),
                 "97 168 90 170 262 784");
    }

    void optionBytes() {
        const RadioImage image = EncodedSample();
        // Valid groups (a bit each; C, F, I of bank 0 and B, E, H of bank 1
        // invalid), then four NUL-padded name bytes a group: bank 0 A ... bank 1 J.
        QCOMPARE(HexAt(image, 0x3C00, 12), "db026d034731000047320000");
        QCOMPARE(HexAt(image, 0x3C4C, 8), "4731390041424344");
        // EMG channels 1 and 2 a group, less one, up to bank 1 J; band and
        // upper nibble + 1, work groups less one, then VOX, channel mode and
        // MEM menu as bits.
        QCOMPARE(HexAt(image, 0x3C54, 6), "001401150216");
        QCOMPARE(HexAt(image, 0x3C78, 8), "1226132731000205");
        // Work channels less one (bank 0 A ... bank 1 J), then DW channels 1
        // and 2 a group less one, then MEM channels from M1.
        QCOMPARE(HexAt(image, 0x3D00, 4), "2c2b2a29");
        QCOMPARE(HexAt(image, 0x3D10, 8), "1c1b1a1901020203");
        QCOMPARE(HexAt(image, 0x3D3A, 10), "1415ffffffff01020304");
        QCOMPARE(HexAt(image, 0x3D50, 5), "05000102ff");
        // Battery max and min codes, SWR max, public mode, mode enable,
        // public switches, public roger, beep, INDIC, MIC, NOG, TOT, SWR and
        // battery protect, scan mode, Fin, colour, reserved, Tx offset, Freq_CH,
        // ASQ level, menu page; the rest up to the RSSI points left alone.
        QCOMPARE(HexAt(image, 0x3F00, 26), "92027c01a00415130301021e203c01"
                                           "010103060050c3010509ff");
        QCOMPARE(HexAt(image, 0x3F2F, 14), "ff0205080b0e1114171a1d2023ff");
        QCOMPARE(HexAt(image, 0x3FF8, 8), "5555555555555555");
    }

    void groupNameDecode_data() {
        AddRows<GroupNameDecodeRow>(
            {{"ended by NUL", QByteArray::fromHex("41007879"),
              QStringLiteral("A") + QChar(0) + "  "},
             {"four letters", QByteArray("ABCD"), "ABCD"},
             {"ended by FF", QByteArray::fromHex("4142ff43"),
              QStringLiteral("AB") + QChar(0) + " "},
             {"erased", QByteArray::fromHex("ffffffff"), QString(QChar(0)) + "   "}});
    }

    void groupNameDecode() {
        QFETCH(GroupNameDecodeRow, row);
        auto [rowName, bytes, field] = row;
        RadioImage image = EncodedSample();
        std::copy(bytes.begin(), bytes.end(), image.begin() + 0x3C04 + 4 * 4); // bank 0, group E
        RadioData d;
        DecodeOptionBlock(image, d);
        QCOMPARE(d.Options.GroupName(0, 5).raw(), field);
    }

    void encodeNormalisesAndWraps() {
        RadioData d = SampleData();
        d.Options.GroupName(0, 2).set(QStringLiteral("A") + QChar(0) + "xy");
        d.Options.GroupName(0, 3).set(QStringLiteral("AB  "));
        d.Options.WorkChannel(0, 1) = 0;
        d.Options.WorkChannel(0, 2) = 300;
        d.Options.MemChannel(0, 1) = 40;
        d.Options.BatteryMax = 32000; // beyond the 16-bit code
        d.BandFlag = 7;
        RadioImage image;
        PrepareImage(image);
        EncodeOptionBlock(image, d);
        QCOMPARE(HexAt(image, 0x3C08, 8), "4100000041420000");
        QCOMPARE(d.Options.GroupName(0, 2).raw(), QStringLiteral("A   "));
        QCOMPARE(Values(image[0x3D00], image[0x3D01], image[0x3D40], image[0x3C7C]),
                 Values(0xFF, 299 & 0xFF, 0xFF, 0x31));
        QCOMPARE(HexAt(image, 0x3F00, 2), "ffff");
    }

    void bandByteKeepsTheBankUsable() {
        RadioImage image = EncodedSample();
        RadioData d;
        image[0x3C7C] = 0x07;
        DecodeOptionBlock(image, d);
        QCOMPARE(Values(d.BandFlag, d.Options.UpperNibble), "1 -1");
        image[0x3C7C] = 0x30;
        DecodeOptionBlock(image, d);
        QCOMPARE(d.BandFlag, int16_t(0));
    }

    void roundTrip() {
        const RadioData sample = SampleData();
        RadioData decoded;
        decoded.Options.WorkBand = 7; // not in the image: left alone
        decoded.Options.Rtix = -5;
        decoded.Options.Ttix = 9;
        DecodeOptionBlock(EncodedSample(), decoded);
        for (int i = 0; i < int(decoded.Options.GroupName.items.size()); ++i) {
            QCOMPARE(decoded.Options.GroupName.items[i].text(),
                     sample.Options.GroupName.items[i].text());
            decoded.Options.GroupName.items[i] = sample.Options.GroupName.items[i];
        }
        QCOMPARE(Values(decoded.Options.WorkBand, decoded.Options.Rtix, decoded.Options.Ttix),
                 "7 -5 9");
        decoded.Options.WorkBand = decoded.Options.Rtix = decoded.Options.Ttix = 0;
        QVERIFY(decoded.Options == sample.Options);
        QCOMPARE(Values(decoded.BandFlag, decoded.TxOffset, decoded.FreqCh, decoded.AsqLevel),
                 Values(sample.BandFlag, sample.TxOffset, sample.FreqCh, sample.AsqLevel));
        QVERIFY(decoded.RssiPoint == sample.RssiPoint);
    }
};

QTEST_GUILESS_MAIN(TestOptionBlock)
#include "test_option_block.moc"
