// The settings area of the image: where each option lives, the voltage code,
// group names, the band byte and round trips.

#include "core/codec/option_block_codec.h"
#include "support/rows.h"

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
    o.VoxFunction = 1;
    o.MemMenu = 1;
    o.PublicHiCut = o.PublicNbAnl = o.PublicBusy = 1;
    o.PublicRoger = 3;
    o.KeyBeep = 1;
    o.Indic = 2;
    o.MicGain = 30;
    o.Nog = 32;
    o.Tot = 60;
    o.SwrProtect = 1;
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

struct VoltageCodeRow {
    const char* name;
    int tenths, code;
};

struct GroupNameDecodeRow {
    const char* name;
    QByteArray bytes;
    QString field;
};

} // namespace

class TestOptionBlock : public QObject {
    Q_OBJECT
private slots:
    void voltageCode_data() {
        AddRows<VoltageCodeRow>(
            {{"9.7 V", 97, 380}, {"16.8 V", 168, 658}, {"9.0 V", 90, 352}, {"17.0 V", 170, 666}});
    }

    void voltageCode() {
        QFETCH(VoltageCodeRow, row);
        auto [rowName, tenths, code] = row;
        QCOMPARE(VoltageToCode(tenths), code);
        QCOMPARE(CodeToVoltage(code), tenths);
    }

    void voltageTiesGoToEven() {
        QCOMPARE(CodeToVoltage(1024), 262); // 261.5
        QCOMPARE(CodeToVoltage(3072), 784); // 784.5
    }

    void optionBytes_data() {
        QTest::addColumn<int>("address");
        QTest::addColumn<int>("value");
        const auto row = [](const char* name, int address, int value) {
            QTest::newRow(name) << address << value;
        };
        // Invalid groups: C, F, I of bank 0 and B, E, H of bank 1.
        row("valid groups bank 0, A-H", 0x3C00, 0b11011011);
        row("valid groups bank 0, I-J", 0x3C01, 0b10);
        row("valid groups bank 1, A-H", 0x3C02, 0b01101101);
        row("valid groups bank 1, I-J", 0x3C03, 0b11);
        row("name bank 0 A, first", 0x3C04, 'G');
        row("name bank 0 A, NUL padded", 0x3C07, 0x00);
        row("name bank 1 J", 0x3C50, 'A');
        row("name bank 1 J, last", 0x3C53, 'D');
        row("EMG 1 bank 0 A", 0x3C54, 0);
        row("EMG 2 bank 1 B", 0x3C55 + 11 * 2, 31);
        row("band and upper nibble", 0x3C7C, 0x31);
        row("work group bank 0", 0x3C7D, 0);
        row("work group bank 1", 0x3C7E, 2);
        row("VOX, channel mode, menu", 0x3C7F, 0b101);
        row("work channel bank 0 J", 0x3D09, 35);
        row("DW 1 bank 1 A", 0x3D14 + 10 * 2, 11);
        row("DW 2 bank 1 J", 0x3D15 + 19 * 2, 21);
        row("MEM channel bank 1 J", 0x3D53, 2);
        row("battery max, low", 0x3F00, 0x92);
        row("battery max, high", 0x3F01, 0x02);
        row("battery min, low", 0x3F02, 0x7C);
        row("battery min, high", 0x3F03, 0x01);
        row("SWR max", 0x3F04, 160);
        row("public mode", 0x3F05, 4);
        row("mode enable", 0x3F06, 0b10101);
        row("public switches", 0x3F07, 0b10011);
        row("public roger", 0x3F08, 3);
        row("key beep", 0x3F09, 1);
        row("INDIC", 0x3F0A, 2);
        row("MIC", 0x3F0B, 30);
        row("NOG", 0x3F0C, 32);
        row("TOT", 0x3F0D, 60);
        row("SWR protect", 0x3F0E, 1);
        row("battery protect", 0x3F0F, 0);
        row("scan mode", 0x3F10, 1);
        row("Fin", 0x3F11, 3);
        row("colour", 0x3F12, 6);
        row("reserved", 0x3F13, 0);
        row("Tx offset, low", 0x3F14, 0x50);
        row("Tx offset, high", 0x3F15, 0xC3);
        row("Freq_CH", 0x3F16, 1);
        row("ASQ level", 0x3F17, 5);
        row("menu page", 0x3F18, 9);
        row("after the options", 0x3F19, 0xFF);
        row("first RSSI point", 0x3F30, 2);
        row("last RSSI point", 0x3F3B, 35);
        row("after the RSSI points", 0x3F3C, 0xFF);
        row("end marker, first", 0x3FF8, 0x55);
        row("end marker, last", 0x3FFF, 0x55);
    }

    void optionBytes() {
        QFETCH(int, address);
        QTEST(int(EncodedSample()[address]), "value");
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

    void groupNameIsNormalisedOnEncode() {
        RadioData d = SampleData();
        d.Options.GroupName(0, 2).set(QStringLiteral("A") + QChar(0) + "xy");
        d.Options.GroupName(0, 3).set(QStringLiteral("AB  "));
        RadioImage image;
        PrepareImage(image);
        EncodeOptionBlock(image, d);
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(&image[0x3C08]), 8),
                 QByteArray::fromHex("4100000041420000"));
        QCOMPARE(d.Options.GroupName(0, 2).raw(), QStringLiteral("A   "));
    }

    void bandByteKeepsTheBankUsable() {
        RadioImage image = EncodedSample();
        RadioData d;
        image[0x3C7C] = 0x07;
        DecodeOptionBlock(image, d);
        QCOMPARE(d.BandFlag, int16_t(1));
        QCOMPARE(d.Options.UpperNibble, int16_t(-1));
        image[0x3C7C] = 0x30;
        DecodeOptionBlock(image, d);
        QCOMPARE(d.BandFlag, int16_t(0));
        d.BandFlag = 7;
        EncodeOptionBlock(image, d);
        QCOMPARE(int(image[0x3C7C]), 0x31);
    }

    void channelNumbersWrapToAByte() {
        RadioData d = SampleData();
        d.Options.WorkChannel(0, 1) = 0;
        d.Options.WorkChannel(0, 2) = 300;
        d.Options.MemChannel(0, 1) = 40;
        d.Options.BatteryMax = 32000; // beyond the 16-bit code
        RadioImage image;
        PrepareImage(image);
        EncodeOptionBlock(image, d);
        QCOMPARE(int(image[0x3D00]), 0xFF);
        QCOMPARE(int(image[0x3D01]), 299 & 0xFF);
        QCOMPARE(int(image[0x3D40]), 0xFF);
        QCOMPARE(int(image[0x3F00] | image[0x3F01] << 8), 0xFFFF);
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
        QCOMPARE(decoded.Options.WorkBand, int16_t(7));
        QCOMPARE(decoded.Options.Rtix, int16_t(-5));
        QCOMPARE(decoded.Options.Ttix, int16_t(9));
        decoded.Options.WorkBand = decoded.Options.Rtix = decoded.Options.Ttix = 0;
        QVERIFY(decoded.Options == sample.Options);
        QCOMPARE(decoded.BandFlag, sample.BandFlag);
        QCOMPARE(decoded.TxOffset, sample.TxOffset);
        QCOMPARE(decoded.FreqCh, sample.FreqCh);
        QCOMPARE(decoded.AsqLevel, sample.AsqLevel);
        QVERIFY(decoded.RssiPoint == sample.RssiPoint);
    }
};

QTEST_GUILESS_MAIN(TestOptionBlock)
#include "test_option_block.moc"
