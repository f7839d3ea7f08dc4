// The transfer engine against a simulated radio: whole reads and writes,
// every kind of bad reply, refused radios, and the group write.

#include "core/link/link_packets.h"
#include "support/link_harness.h"
#include "support/rows.h"
#include "support/values.h"

#include <QRandomGenerator>
#include <QTest>

namespace {

void FillRandom(RadioImage& image, quint32 seed) {
    QRandomGenerator rng(seed);
    for (uint8_t& b : image)
        b = static_cast<uint8_t>(rng.bounded(256));
}

const QString kCheckConnection = QStringLiteral("Check Connection. Retry or Cancel?");

struct BadRepliesEndInTheRestartQuestionRow {
    const char* name;
    int fault;
    bool write;
};

} // namespace

class TestLinkEngine : public QObject {
    Q_OBJECT
private slots:
    // A data block against a worked example: W, address, length, data, checksum, ACK.
    void packets() {
        const QByteArray block = LinkPackets::DataBlock(0x0010, QByteArray(16, char(0xFF)));
        QCOMPARE(Values(block.size(), block.left(4).toHex(), HexAt(block, 20, 2)),
                 "22 57001010 1006");
        QCOMPARE(LinkPackets::ReadRequest(0x3FF0), QByteArray("R\x3F\xF0\x10"));
    }

    void fullWrite() {
        LinkHarness h;
        FillRandom(h.model.image, 11);
        const RadioImage before = h.radio.image;
        QVERIFY(h.Write());
        const QList<int> blocks = h.Addresses('W');
        // Every block below 0x3F40 but the three from 0x3EC0, in address order.
        QList<int> expected;
        for (int a = 0; a < 0x3F40; a += 16)
            if (a < 0x3EC0 || a >= 0x3EF0)
                expected << a;
        QCOMPARE(blocks, expected);
        for (int a = 0; a < kImageSize; ++a) {
            const bool sentByWrite = a < 0x3F40 && !(a >= 0x3EC0 && a < 0x3EF0);
            QCOMPARE(h.radio.image[a], sentByWrite ? h.model.image[a] : before[a]);
        }
        // The progress is touched only when the whole percentage changes.
        QCOMPARE(Values(h.readsCompleted, h.prompter.texts().join('|'), h.radio.writesCompleted(),
                        h.progress.size(), h.progress.last(), h.progressClosed, h.portOpen),
                 "0 Write Data Completed. 1 100 100 1 false");
    }

    void badRepliesEndInTheRestartQuestion_data() {
        AddRows<BadRepliesEndInTheRestartQuestionRow>(
            {{"checksum off by one", 0, false},
             {"block of another address", 1, false},
             {"two replies together", 2, false},
             {"reply split short", 3, false},
             {"garbage", 4, false},
             {"acknowledgement instead of a block", 5, false},
             {"missing acknowledgement of a block", 6, true},
             {"echoed block instead of an acknowledgement", 7, true},
             {"line dropped", 8, false}});
    }

    void badRepliesEndInTheRestartQuestion() {
        QFETCH(BadRepliesEndInTheRestartQuestionRow, row);
        auto [rowName, fault, write] = row;
        constexpr int kAt = 0x1230;
        for (const PromptAnswer answer : {PromptAnswer::Ok, PromptAnswer::Cancel}) {
            LinkHarness h;
            FillRandom(h.radio.image, 3);
            FillRandom(h.model.image, 5);
            bool once = true;
            auto at = [&](const QByteArray& request) {
                return request.size() >= 4 &&
                       uint8_t(request[1]) * 256 + uint8_t(request[2]) == kAt &&
                       std::exchange(once, false);
            };
            switch (fault) {
            case 0:
                h.radio.faults.corruptChecksumAt = kAt;
                break;
            case 1:
                h.radio.faults.wrongAddressAt = kAt;
                break;
            case 8:
                h.beforeSend = [&](const QByteArray& request) {
                    if (at(request))
                        h.connected = false;
                };
                break;
            default:
                h.mangle = [&](const QByteArray& request, const QByteArray& reply) {
                    if (!at(request))
                        return reply;
                    switch (fault) {
                    case 2:
                        return reply + reply;
                    case 3:
                        return reply.left(reply.size() - 1);
                    case 4:
                        return QByteArray(22, 'x');
                    case 5:
                    case 6:
                        return fault == 5 ? QByteArray(1, 0x06) : QByteArray();
                    default:
                        return request;
                    }
                };
            }
            h.prompter.answers << answer;
            const bool ok = write ? h.Write() : h.Read();
            QCOMPARE(
                Values(h.prompter.prompts.first().text,
                       h.prompter.prompts.first().buttons == PromptButtons::OkCancel, ok,
                       h.portOpen || h.engine.Busy()),
                Values(kCheckConnection, true, answer == PromptAnswer::Ok && fault != 8, false));
            if (ok) {
                // Started again from address 0, and this time everything arrived.
                QVERIFY(write ? h.radio.blocksWritten() > 1009 : h.CountSent('R') > 1024);
                if (!write)
                    QVERIFY(h.model.image == h.radio.image);
            } else if (!write) {
                QCOMPARE(h.readsCompleted, 0);
                QVERIFY(!(h.model.image == h.radio.image));
            }
            if (fault == 8 && answer == PromptAnswer::Ok)
                QCOMPARE(h.prompter.prompts.size(), 2); // asked again until cancelled
        }
    }

    void silentRadio() {
        for (const bool retry : {false, true}) {
            LinkHarness h;
            h.radio.faults.silentHandshakes = 2;
            h.prompter.answers << (retry ? PromptAnswer::Retry : PromptAnswer::Cancel);
            const bool ok = h.Read();
            // One silent re-send before asking.
            QCOMPARE(Values(h.prompter.prompts.first().text,
                            h.prompter.prompts.first().buttons == PromptButtons::RetryCancel,
                            h.radio.handshakesSeen(), ok, h.prompter.prompts.size(), h.portOpen),
                     Values(kCheckConnection, true, retry ? 3 : 2, retry, retry ? 2 : 1, false));
        }
    }

    // The model code exact, or followed by a NUL or a blank, is accepted; one
    // character off or longer is refused, and the transfer ends also when the
    // radio leaves END unanswered.
    void identity() {
        const std::pair<QByteArray, bool> models[] = {{"PK2323", true},
                                                      {QByteArray("PK2323\0", 7), true},
                                                      {"PK2323 ", true},
                                                      {"PK2324", false},
                                                      {"PK23231", false}};
        for (const auto& [model, accepted] : models) {
            LinkHarness h;
            h.radio.modelCode = QString::fromLatin1(model);
            h.radio.faults.skipEndAck = model == "PK23231";
            FillRandom(h.radio.image, 1);
            QVERIFY2(h.Read() == accepted, model.constData());
            if (accepted)
                continue;
            // What was found and what was expected, so the user can tell which is wrong.
            QCOMPARE(h.prompter.texts(),
                     QStringList{"Model type is wrong.\r\nThe radio is a " +
                                 QString::fromLatin1(model) + "; the data is for a PK2323."});
            QCOMPARE(Values(h.CountSent('R'), h.sent.last(), h.radio.endsSeen(), h.readsCompleted,
                            h.engine.Outcome() == LinkOutcome::Refused, h.ended, h.portOpen,
                            h.engine.Busy()),
                     "0 END 1 0 true 1 false false");
        }
    }

    void incompatibleFirmware() {
        for (const PromptAnswer answer : {PromptAnswer::No, PromptAnswer::Yes}) {
            LinkHarness h;
            h.radio.firmware = QStringLiteral("V200");
            h.prompter.answers << answer;
            QVERIFY(!h.Write());
            QCOMPARE(Values(h.prompter.prompts.size(),
                            h.prompter.prompts[0].text.contains("Firmware version is V2.00"),
                            h.prompter.prompts[0].buttons == PromptButtons::YesNo,
                            h.launched.join(','), h.radio.blocksWritten(), h.sent.last()),
                     Values(1, true, true, answer == PromptAnswer::Yes ? "V200" : "", 0, "END"));
        }
    }

    void writeWaitsForItsIdentity() {
        LinkHarness h;
        h.model.FirmwareVersion = QStringLiteral("V100"); // an identity from earlier
        int identifies = 0;
        h.mangle = [&](const QByteArray& request, const QByteArray& reply) {
            if (request == QByteArray(1, 0x02) && ++identifies <= 2)
                return QByteArray();
            return reply;
        };
        h.prompter.answers << PromptAnswer::Cancel;
        QVERIFY(!h.Write());
        // Sent once more after the first time-out, then asked.
        QCOMPARE(Values(identifies, h.prompter.texts() == QStringList{kCheckConnection},
                        h.radio.blocksWritten()),
                 "2 true 0");
    }

    void messagesNameThePortAndCause() {
        for (const FileCause cause : {FileCause::NotFound, FileCause::PermissionDenied}) {
            LinkHarness h;
            h.portOpens = false;
            h.openProblem = {"/dev/ttyUSB0", cause, {}};
            QVERIFY(!h.Read());
            // Only a port the user may not open gets the hint about its group.
            const QStringList texts = h.prompter.texts();
            QCOMPARE(Values(texts.size(), texts[0].contains("/dev/ttyUSB0: "),
                            texts[0].contains("dialout")),
                     Values(1, true, cause == FileCause::PermissionDenied));
        }
        LinkHarness h;
        h.connected = false;
        h.portLabel = "COM33 (/dev/ttyUSB0)";
        h.prompter.answers << PromptAnswer::Cancel;
        QVERIFY(!h.Read());
        QCOMPARE(h.prompter.texts(),
                 QStringList{kCheckConnection + "\r\nPort: COM33 (/dev/ttyUSB0)"});
    }

    void stoppingLetsTheRadioGo() {
        // The user cancels at the block at 0x1000 (its reply on the way, or the
        // line gone quiet), or gives up at "Check Connection", also while a
        // verified write is read back: the reply in flight is awaited, the
        // radio in programming mode gets END once, the port closes, and a
        // write says the radio is partly written; a read-back that stops says
        // the radio holds the whole write.
        const QStringList partly{"The radio is partly written: write it again before using it."};
        const QStringList unfinished{"Write Data Completed.",
                                     "The verification did not finish: the radio holds the whole "
                                     "write, but it was not read back to the end."};
        const QStringList ask{kCheckConnection};
        using O = LinkOutcome;
        // clang-format off
        const struct {
            const char* name;
            bool write, silent, cancel, verify;
            QStringList texts;
            LinkOutcome outcome;
        } rows[] = {
            {"read, reply in flight",      false, false, true,  false, {},                O::Cancelled},
            {"write, reply in flight",     true,  false, true,  false, partly,            O::Cancelled},
            {"read, no reply",             false, true,  true,  false, {},                O::Cancelled},
            {"write given up",             true,  true,  false, false, ask + partly,      O::GaveUp},
            {"read-back, reply in flight", true,  false, true,  true,  unfinished,        O::VerifyUnfinished},
            {"read-back given up",         true,  true,  false, true,  ask + unfinished,  O::VerifyUnfinished},
        };
        // clang-format on
        for (const auto& row : rows) {
            LinkHarness h;
            h.engine.SetVerify(row.verify);
            const QByteArray end = LinkPackets::EndRequest();
            h.beforeSend = [&](const QByteArray& request) {
                if (request.size() < 3 || request == "PROGRAM" || uint8_t(request[1]) != 0x10 ||
                    uint8_t(request[2]) != 0 || (row.verify && request[0] != 'R'))
                    return;
                h.connected = !row.silent;
                if (row.cancel)
                    h.engine.Cancel();
            };
            h.prompter.answers << PromptAnswer::Cancel;
            QVERIFY(row.write ? !h.Write() : !h.Read());
            QCOMPARE(h.engine.Outcome(), row.outcome);
            QCOMPARE(h.sent.count(end), row.verify ? 2 : 1); // a verified write's own END first
            QCOMPARE(h.sent.last(), end);
            QVERIFY(!h.portOpen && !h.engine.Busy());
            QCOMPARE(h.prompter.texts(), row.texts);
            QCOMPARE(h.radio.inProgramMode(), row.silent); // a quiet line never heard END
        }

        // Stopped while the END of the write is on its way: the write
        // completes, END goes out once, and no read-back starts.
        for (const bool verify : {false, true}) {
            LinkHarness h;
            h.engine.SetVerify(verify);
            h.beforeSend = [&](const QByteArray& request) {
                if (request == LinkPackets::EndRequest())
                    h.engine.Cancel();
            };
            h.Write();
            QCOMPARE(h.engine.Outcome(), verify ? O::VerifyUnfinished : O::Success);
            QCOMPARE(h.sent.count(LinkPackets::EndRequest()), 1);
            QCOMPARE(h.prompter.texts(), verify ? unfinished : unfinished.mid(0, 1));
        }

        // Waiting for the next radio of a group: the radio taken away is in
        // programming mode no more; one that stays answered a handshake and gets END.
        for (const bool stays : {false, true}) {
            LinkHarness h;
            h.beforeSend = [&](const QByteArray&) {
                if (h.radio.writesCompleted() == 1)
                    h.connected = stays;
            };
            QVERIFY(h.engine.BeginTransfer(LinkOperationCode::Write));
            h.engine.StartGroupWrite(2);
            h.Pump(5000);
            QVERIFY(h.engine.Phase() == LinkPhase::NextRadio);
            h.engine.Cancel();
            h.Pump();
            QCOMPARE(h.engine.Outcome(), LinkOutcome::Cancelled);
            // The first radio's own END, and one for the radio that stayed.
            QCOMPARE(h.sent.count(LinkPackets::EndRequest()), stays ? 2 : 1);
            QVERIFY(!h.radio.inProgramMode());
            QVERIFY(h.prompter.texts() == QStringList{"1 radio written."} && !h.portOpen);
        }
    }

    void groupWriteWithSwap() {
        LinkHarness h;
        FillRandom(h.model.image, 21);
        RadioResponder second;
        int handshakesAfterFirst = 0;
        bool unplugged = false;
        // The first radio stays attached for a while after it is written, and
        // leaves one handshake and its repetition unanswered there (a glitch,
        // not a swap); it is then unplugged, and the second radio plugged in.
        h.beforeSend = [&](const QByteArray& request) {
            if (request != "PROGRAM" || h.radio.writesCompleted() == 0 || unplugged)
                return;
            ++handshakesAfterFirst;
            h.connected = handshakesAfterFirst != 3 && handshakesAfterFirst != 4;
            unplugged = handshakesAfterFirst == 9;
            h.connected = h.connected && !unplugged;
        };
        h.mangle = nullptr;
        QVERIFY(h.engine.BeginTransfer(LinkOperationCode::Write));
        h.engine.StartGroupWrite(2);
        h.Pump(5000);
        QVERIFY(h.engine.Busy());               // polling for the next radio
        QCOMPARE(h.radio.writesCompleted(), 1); // never written twice while it stayed
        std::swap(h.radio, second);
        h.connected = true;
        h.Pump();
        QCOMPARE(Values(h.engine.Busy(), h.lastSuccess, h.radio.writesCompleted(),
                        second.writesCompleted()),
                 "false true 1 1");
        QVERIFY(std::equal(h.model.image.begin(), h.model.image.begin() + 0x3EC0,
                           h.radio.image.begin()));
        QVERIFY(h.radioNumbers == QList<int>({1, 2}) && h.writtenRadios == QList<int>({1, -2}));
        QCOMPARE(h.prompter.texts(), (QStringList{"Write Data Completed.", "2 radios written."}));
        // The new radio was taken only after three answered handshakes in a row.
        QVERIFY(h.radio.handshakesSeen() >= 3);
    }

    void groupWriteRefusesOtherModel() {
        LinkHarness h;
        h.radio.modelCode = QStringLiteral("PK9999");
        QVERIFY(h.engine.BeginTransfer(LinkOperationCode::Write));
        h.engine.StartGroupWrite(3);
        h.Pump();
        QVERIFY(!h.lastSuccess && h.radio.blocksWritten() == 0);
        QVERIFY(h.prompter.texts().size() == 2 &&
                h.prompter.texts()[0].startsWith("Model type is wrong."));
        QCOMPARE(h.prompter.texts()[1], "0 radios written.");
    }

    void waitingForTheNextRadio() {
        // The count made up elsewhere: a waiting port ends at once; a radio
        // that comes is held (a radio in work elsewhere may yet fail) and let
        // go unwritten once the count is reached; both count as success.
        for (const bool waiting : {true, false}) {
            LinkHarness g;
            bool another = true;
            g.mayStart = [&] { return std::exchange(another, false); };
            g.beforeSend = [&](const QByteArray&) {
                if (g.radio.writesCompleted() == 1 && waiting)
                    g.connected = false;
            };
            QVERIFY(g.engine.BeginTransfer(LinkOperationCode::Write));
            g.engine.StartGroupWrite(5);
            g.Pump(5000);
            if (waiting) {
                QVERIFY(g.engine.Phase() == LinkPhase::NextRadio);
                g.engine.EndGroup();
                g.Pump();
            } else {
                // The radio is swapped for another: identified, let go unwritten.
                g.connected = false;
                g.Pump(20);
                g.radio = RadioResponder();
                g.connected = true;
                g.Pump(200);
                QVERIFY(g.engine.Busy() && g.radio.inProgramMode());
                g.engine.EndGroup();
                g.Pump();
                QCOMPARE(g.radio.blocksWritten(), 0);
                QVERIFY(!g.radio.inProgramMode());
            }
            QVERIFY2(g.lastSuccess && !g.engine.Busy(), waiting ? "waiting" : "let go");
            QCOMPARE(g.engine.RadiosWritten(), 1);
            QCOMPARE(g.prompter.texts(),
                     (QStringList{"Write Data Completed.", "1 radio written."}));
        }
    }

    void radioInformation() {
        for (const bool answers : {true, false}) {
            LinkHarness h;
            h.connected = answers;
            h.Run(LinkOperationCode::RadioInfo);
            QCOMPARE(h.sent, QList<QByteArray>{"PROGRAM"});
            QVERIFY(h.prompter.prompts.isEmpty());
            QVERIFY(!h.portOpen && !h.engine.Busy());
        }
    }
};

QTEST_GUILESS_MAIN(TestLinkEngine)
#include "test_link_engine.moc"
