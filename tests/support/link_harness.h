#pragma once

// A transfer run without a port: packets go straight to a simulated radio,
// its replies come back once the reply threshold is reached, and a missing
// reply is a time-out. Questions are answered from a script.

#include "core/base/version_table.h"
#include "core/codec/image_codec.h"
#include "core/link/link_engine.h"
#include "core/link/radio_responder.h"
#include "core/model/radio_model.h"
#include "core/text/catalogue.h"
#include "support/scripted_prompter.h"

#include <functional>

class LinkHarness : public LinkPort, public LinkUi {
public:
    LinkHarness() : engine(*this, *this, model, versions, catalogue) {
        versions.VersionPairs.append({QStringLiteral("V100"), QStringLiteral("V100")});
        PrepareImage(model.image);
    }

    RadioModel model;
    VersionTable versions;
    Catalogue catalogue;
    ScriptedPrompter prompter;
    LinkEngine engine;
    RadioResponder radio;

    bool connected = true;
    bool portOpens = true;
    FileProblem openProblem; // why the port does not open
    QString portLabel;
    bool portOpen = false;
    bool timerArmed = false;
    QList<QByteArray> sent;
    QList<int> progress;
    QList<int> radioNumbers;
    QStringList launched;
    int progressClosed = 0;
    int readsCompleted = 0;
    int ended = 0;
    bool lastSuccess = false;
    QList<int> writtenRadios;       // each radio written; negative when no other followed
    std::function<bool()> mayStart; // whether another radio may be written (all when unset)
    // Changes what the radio answered before the program sees it.
    std::function<QByteArray(const QByteArray& request, const QByteArray& reply)> mangle;
    // Runs before each packet reaches the radio (to swap radios, pull the cable...).
    std::function<void(const QByteArray& request)> beforeSend;

    bool OpenPort() override { return portOpen = portOpens; }
    void ClosePort() override { portOpen = false; }
    void SendPacket(const QByteArray& packet, int replyThreshold) override {
        sent << packet;
        threshold_ = replyThreshold;
        pending_.clear(); // the buffers are flushed before every request
        if (beforeSend)
            beforeSend(packet);
        if (!connected || !portOpen)
            return;
        QByteArray reply;
        for (const QByteArray& r : radio.Feed(packet))
            reply += r;
        pending_ = mangle ? mangle(packet, reply) : reply;
    }
    FileProblem OpenProblem() const override { return openProblem; }
    QString PortLabel() const override { return portLabel; }
    void StartReplyTimer() override { timerArmed = true; }
    void StopReplyTimer() override { timerArmed = false; }
    void ShowProgress(int percent) override { progress << percent; }
    void ShowRadioNumber(int radio) override { radioNumbers << radio; }
    PromptAnswer Ask(const QString& text, PromptButtons buttons, PromptIcon icon) override {
        return prompter.ask(text, buttons, icon);
    }
    void CloseProgress() override { ++progressClosed; }
    void CompleteRead() override {
        ++readsCompleted;
        ::CompleteRead(model);
    }
    void LaunchVersion(const QString& firmware) override { launched << firmware; }
    void TransferEnded(bool success) override {
        ++ended;
        lastSuccess = success;
    }
    void RadioWritten(int written, bool more) override {
        writtenRadios << (more ? written : -written);
    }
    bool MayStartRadio() override { return mayStart ? mayStart() : true; }

    // Delivers replies and time-outs until the transfer ends (or `limit` events).
    void Pump(int limit = 100000) {
        for (int i = 0; i < limit && engine.Busy(); ++i) {
            if (!pending_.isEmpty() && pending_.size() >= threshold_) {
                engine.HandleReceive(std::exchange(pending_, {}));
                if (!timerArmed && engine.Busy() && pending_.isEmpty())
                    return; // waiting for something outside the link
            } else if (timerArmed) {
                pending_.clear();
                engine.HandleReplyTimeout();
            } else {
                return;
            }
        }
    }

    bool Read() { return Run(LinkOperationCode::Read); }
    bool Write() { return Run(LinkOperationCode::Write); }
    bool Run(LinkOperationCode operation) {
        if (!engine.BeginTransfer(operation))
            return false;
        engine.StartHandshake();
        Pump();
        return lastSuccess;
    }

    int CountSent(char first) const {
        int n = 0;
        for (const QByteArray& p : sent)
            n += !p.isEmpty() && p[0] == first;
        return n;
    }
    QList<int> Addresses(char first) const {
        QList<int> result;
        for (const QByteArray& p : sent)
            if (p.size() >= 3 && p[0] == first && p != "PROGRAM")
                result << (uint8_t(p[1]) * 256 + uint8_t(p[2]));
        return result;
    }

private:
    QByteArray pending_;
    int threshold_ = 1;
};
