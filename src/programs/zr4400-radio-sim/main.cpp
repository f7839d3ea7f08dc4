// zr4400-radio-sim: a simulated radio on a pseudo-terminal. It prints the
// device to connect to, answers the programming protocol from a 16384-byte
// memory image, stores what a write sends, and can imitate a real 9600-baud
// line and a number of faults.

#include "core/base/file_head.h"
#include "core/codec/image_codec.h"
#include "core/link/radio_responder.h"
#include "core/model/image_file.h"
#include "core/model/initial_data.h"
#include "core/model/radio_model.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <deque>
#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

volatile std::sig_atomic_t stopRequested = 0;
void OnSignal(int) {
    stopRequested = 1;
}

// One byte on a 9600-baud line with a start and a stop bit.
constexpr auto kByteTime = std::chrono::microseconds(1000000 * 10 / 9600);
constexpr int kAwakeMs = 3;

struct Scheduled {
    Clock::time_point due;
    QByteArray bytes;
};

// A radio fresh from the factory holds the HF initial data, encoded as a
// write sends it (with the tones a write leaves alone as that data has them).
RadioImage FactoryImage() {
    RadioModel model;
    MakeInitialData(model, 1, QDate::currentDate());
    PrepareImage(model.image);
    EncodeImage(model);
    return model.image;
}

int ParseAddress(const QString& text) {
    bool ok = false;
    const int value = text.toInt(&ok, 0); // 0x3F30 or 16176
    return ok ? value : -1;
}

} // namespace

int main(int argc, char** argv) {
    // The usage names the program, not the path a launcher started it by.
    char programName[] = "zr4400-radio-sim";
    if (argc > 0)
        argv[0] = programName;
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("zr4400-radio-sim"));
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("A simulated ZR-4400 radio on a pseudo-terminal."));
    parser.addHelpOption();
    const QCommandLineOption image(
        {"i", "image"},
        "Memory image to start from (16384 bytes); without it, a new radio holding the HF "
        "initial data.",
        "file");
    const QCommandLineOption save(
        {"s", "save"}, "Where the image is stored after each write and at exit.", "file");
    const QCommandLineOption lineRate("line-rate",
                                      "Take as long as a real 9600-baud line, both ways.");
    const QCommandLineOption model("model", "Model code in the identification reply.", "code",
                                   "PK2323");
    const QCommandLineOption firmware("firmware", "Firmware version in the identification reply.",
                                      "version", "V100");
    const QCommandLineOption corrupt("corrupt-checksum-at",
                                     "Send the block at this address once with a wrong checksum.",
                                     "address");
    const QCommandLineOption wrongAddress(
        "wrong-address-at", "Answer the request for this block once with the next block's address.",
        "address");
    const QCommandLineOption silent("silent-handshakes", "Leave this many handshakes unanswered.",
                                    "count", "0");
    const QCommandLineOption skipEnd("skip-end-ack", "Never acknowledge END.");
    const QCommandLineOption drop(
        "drop-line-at", "Drop the line when the block at this address is asked for or sent.",
        "address");
    const QCommandLineOption dropRead(
        "drop-line-at-read", "Drop the line when this block is asked for (a write's read-back).",
        "address");
    const QCommandLineOption link("link", "Also make this path a link to the device.", "path");
    const QCommandLineOption badStore("bad-store-at",
                                      "Acknowledge the block holding the byte at this address but "
                                      "store that byte changed.",
                                      "address");
    const QCommandLineOption swap("swap-after-write",
                                  "After each write, answer this many handshakes, then be replaced "
                                  "by a fresh radio (saved as FILE.1, FILE.2, ...).",
                                  "handshakes");
    parser.addOptions({image, save, lineRate, model, firmware, corrupt, wrongAddress, silent,
                       skipEnd, drop, dropRead, link, swap, badStore});
    parser.process(app);

    RadioResponder radio;
    radio.modelCode = parser.value(model);
    radio.firmware = parser.value(firmware);
    if (parser.isSet(image)) {
        QByteArray bytes;
        qint64 size = 0;
        if (ReadFileHead(parser.value(image), kImageSize, bytes, &size) != FileHeadStatus::Ok ||
            size != kImageSize || bytes.size() != kImageSize) {
            std::fprintf(stderr, "%s: not a 16384-byte memory image\n",
                         qPrintable(parser.value(image)));
            return 66;
        }
        std::copy(bytes.begin(), bytes.end(), radio.image.begin());
    } else {
        radio.image = FactoryImage();
    }
    radio.setFreshImage(radio.image);
    if (parser.isSet(swap))
        radio.faults.swapAfterWrite = parser.value(swap).toInt();
    if (parser.isSet(corrupt))
        radio.faults.corruptChecksumAt = ParseAddress(parser.value(corrupt));
    if (parser.isSet(wrongAddress))
        radio.faults.wrongAddressAt = ParseAddress(parser.value(wrongAddress));
    if (parser.isSet(badStore))
        radio.faults.badStoreAt = ParseAddress(parser.value(badStore));
    if (parser.isSet(drop))
        radio.faults.dropLineAt = ParseAddress(parser.value(drop));
    if (parser.isSet(dropRead))
        radio.faults.dropLineAtRead = ParseAddress(parser.value(dropRead));
    radio.faults.silentHandshakes = parser.value(silent).toInt();
    radio.faults.skipEndAck = parser.isSet(skipEnd);
    const bool paced = parser.isSet(lineRate);

    const int master = posix_openpt(O_RDWR | O_NOCTTY);
    if (master < 0 || grantpt(master) != 0 || unlockpt(master) != 0) {
        std::perror("pseudo-terminal");
        return 71;
    }
    const QString device = QString::fromLocal8Bit(ptsname(master));
    // Holding the device open keeps the line up between the program's transfers.
    const int holder = open(ptsname(master), O_RDWR | O_NOCTTY);
    termios raw{};
    if (holder >= 0 && tcgetattr(holder, &raw) == 0) {
        cfmakeraw(&raw);
        tcsetattr(holder, TCSANOW, &raw);
    }
    if (parser.isSet(link)) {
        QFile::remove(parser.value(link));
        if (symlink(ptsname(master), qPrintable(parser.value(link))) != 0)
            std::perror("link");
    }
    std::signal(SIGTERM, OnSignal);
    std::signal(SIGINT, OnSignal);
    std::printf("%s\n", qPrintable(device));
    std::fflush(stdout);

    std::deque<Scheduled> outgoing;
    Clock::time_point lineInFree = Clock::now();
    int savedWrites = 0;
    bool lineUp = true;
    while (!stopRequested && lineUp) {
        int timeoutMs = 100;
        if (!outgoing.empty()) {
            const auto wait = std::chrono::duration_cast<std::chrono::milliseconds>(
                outgoing.front().due - Clock::now());
            // A sleeping process may wake a few milliseconds late: the last
            // stretch before a reply is due is waited out awake.
            timeoutMs = std::clamp<int>(static_cast<int>(wait.count()) - kAwakeMs, 0, 100);
        }
        pollfd fd{master, POLLIN, 0};
        const int ready = poll(&fd, 1, timeoutMs);
        const auto now = Clock::now();
        while (!outgoing.empty() && outgoing.front().due <= now) {
            const QByteArray& bytes = outgoing.front().bytes;
            if (write(master, bytes.constData(), static_cast<size_t>(bytes.size())) < 0)
                std::perror("write");
            outgoing.pop_front();
        }
        if (ready <= 0 || !(fd.revents & POLLIN))
            continue;
        char buffer[512];
        const ssize_t n = read(master, buffer, sizeof buffer);
        if (n <= 0)
            continue;
        // At line rate the request has fully arrived only after its bytes'
        // time on the line; each reply then takes its own time back.
        lineInFree = std::max(lineInFree, now) + (paced ? kByteTime * n : Clock::duration::zero());
        Clock::time_point replyStart = lineInFree;
        for (const QByteArray& reply : radio.Feed(QByteArray(buffer, n))) {
            const auto done =
                replyStart + (paced ? kByteTime * reply.size() : Clock::duration::zero());
            outgoing.push_back({done, reply});
            replyStart = done;
        }
        if (radio.lineDropped()) {
            std::fprintf(stderr, "line dropped\n");
            lineUp = false;
        }
        if (parser.isSet(save) && radio.writesCompleted() > savedWrites) {
            savedWrites = radio.writesCompleted();
            WriteImageFile(parser.value(save), radio.image);
            if (parser.isSet(swap))
                WriteImageFile(parser.value(save) + QStringLiteral(".%1").arg(radio.radioNumber()),
                               radio.image);
        }
    }
    if (parser.isSet(save))
        WriteImageFile(parser.value(save), radio.image);
    close(master);
    if (holder >= 0)
        close(holder);
    if (parser.isSet(link))
        QFile::remove(parser.value(link));
    return 0;
}
