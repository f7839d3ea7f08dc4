#pragma once

// A simulated radio for one test: started with its options, it is reached
// through a link of its own, which goes away with the radio. Pseudo-terminal
// numbers are soon reused, so a program that reopens the port of a radio
// that went away must not find another test's radio under the same name.

#include <QByteArray>
#include <QFileInfo>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// How long the link (in this process and the tools it starts) waits for the
// simulated radio's replies: a busy machine may keep the radio or the program
// from answering in the radio's 300 ms.
constexpr int kPatientReplyMs = 2000;
inline void SetTestReplyTime(int ms) {
    qputenv("ZR4400_TEST_REPLY_MS", QByteArray::number(ms));
}

// A test of the time-out itself uses a radio that never answers, at the
// radio's own 300 ms, for as long as this lives.
class ScopedReplyTime {
public:
    explicit ScopedReplyTime(int ms) { SetTestReplyTime(ms); }
    ~ScopedReplyTime() { SetTestReplyTime(kPatientReplyMs); }
    ScopedReplyTime(const ScopedReplyTime&) = delete;
    ScopedReplyTime& operator=(const ScopedReplyTime&) = delete;
};

class SimProcess {
public:
    explicit SimProcess(const QStringList& args) {
        // Named after its folder, so the port's lock file is this radio's alone.
        const QString link = dir_.filePath(QFileInfo(dir_.path()).fileName());
        process_.start(QStringLiteral(ZR_PROGRAM_DIR "/zr4400-radio-sim"),
                       args + QStringList{QStringLiteral("--link"), link});
        // A busy machine may take its time starting the radio.
        if (process_.waitForReadyRead(60000))
            device = link;
    }
    ~SimProcess() { stop(); }
    SimProcess(const SimProcess&) = delete;
    SimProcess& operator=(const SimProcess&) = delete;

    // Ends the radio; what it stores on exit (--save) is written by then.
    void stop() {
        if (process_.state() == QProcess::NotRunning)
            return;
        process_.terminate();
        if (!process_.waitForFinished(30000))
            process_.kill();
    }

    qint64 pid() const { return process_.processId(); }

    QString device; // empty when the radio did not start

private:
    QTemporaryDir dir_;
    QProcess process_;
};
