#pragma once

// A simulated radio for one test: started with its options, it prints the
// device to connect to, and goes away with the object.

#include <QProcess>
#include <QString>
#include <QStringList>

class SimProcess {
public:
    explicit SimProcess(const QStringList& args) {
        process_.start(QStringLiteral(ZR_PROGRAM_DIR "/zr4400-radio-sim"), args);
        if (process_.waitForReadyRead(5000))
            device = QString::fromLocal8Bit(process_.readLine().trimmed());
    }
    ~SimProcess() { stop(); }
    SimProcess(const SimProcess&) = delete;
    SimProcess& operator=(const SimProcess&) = delete;

    // Ends the radio; what it stores on exit (--save) is written by then.
    void stop() {
        if (process_.state() == QProcess::NotRunning)
            return;
        process_.terminate();
        if (!process_.waitForFinished(5000))
            process_.kill();
    }

    QString device;

private:
    QProcess process_;
};
