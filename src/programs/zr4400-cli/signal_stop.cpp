#include "programs/zr4400-cli/signal_stop.h"

#include <QSocketNotifier>

#include <csignal>
#include <cstdio>
#include <sys/signalfd.h>
#include <unistd.h>

namespace {

sigset_t StopSignals() {
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, SIGINT);
    sigaddset(&set, SIGTERM);
    return set;
}

} // namespace

SignalStop::SignalStop(std::function<void()> stop, QString stopNote, QString quitNote,
                       QObject* parent)
    : QObject(parent), stop_(std::move(stop)), stopNote_(std::move(stopNote)),
      quitNote_(std::move(quitNote)) {
    // The signals are read from a descriptor instead of interrupting the
    // program, so stopping runs in the event loop like any other event.
    const sigset_t set = StopSignals();
    sigprocmask(SIG_BLOCK, &set, nullptr);
    fd_ = signalfd(-1, &set, SFD_CLOEXEC | SFD_NONBLOCK);
    if (fd_ < 0)
        return;
    notifier_ = new QSocketNotifier(fd_, QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &SignalStop::Read);
}

SignalStop::~SignalStop() {
    delete notifier_;
    if (fd_ >= 0)
        close(fd_);
    const sigset_t set = StopSignals();
    sigprocmask(SIG_UNBLOCK, &set, nullptr);
}

void SignalStop::Read() {
    signalfd_siginfo info{};
    while (read(fd_, &info, sizeof info) == static_cast<ssize_t>(sizeof info)) {
        const int signal = static_cast<int>(info.ssi_signo);
        if (received_ != 0 && signal == SIGINT) {
            // Asked twice: no more waiting, but not in silence.
            std::fprintf(stderr, "\n%s\n", qPrintable(quitNote_));
            _exit(128 + SIGINT);
        }
        if (received_ == 0) {
            received_ = signal;
            std::fprintf(stderr, "\n%s\n", qPrintable(stopNote_));
            if (stop_)
                stop_();
        }
    }
}
