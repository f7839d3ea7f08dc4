#pragma once

#include "core/link/serial_link.h"
#include "core/text/text_id.h"

#include <QObject>
#include <QPointer>

class QWidget;

class RadioHost;
struct BackupEntry;
struct MainCommands;
class ProgressWindow;
class QTimer;

// The main window's radio commands: read, write, group write, radio
// information and the port window, with their confirmations, progress
// windows and completion.
class RadioCommands : public QObject, public LinkUi {
    Q_OBJECT
public:
    // `parent` owns the commands and their windows.
    RadioCommands(RadioHost& host, QWidget* parent);
    ~RadioCommands() override;

    // Plugs the commands into the main window's menus and toolbar.
    void Install(MainCommands& commands);

    void ReadFromRadio();
    void WriteToRadio();
    // A backup's raw image into the radio, as a write sends blocks, after a
    // confirmation naming the backup's model and date; the identity check
    // uses the backup's model.
    void RestoreBackup(const BackupEntry& backup);
    void GroupWrite();
    void RadioInformation();
    void ReadRmgData();
    void CommunicationPort();

    SerialLink& link() { return *link_; }

    // LinkUi
    void ShowProgress(int percent) override;
    void ShowRadioNumber(int radio) override;
    PromptAnswer Ask(const QString& text, PromptButtons buttons, PromptIcon icon) override;
    void CloseProgress() override;
    void CompleteRead() override;
    void LaunchVersion(const QString& firmware) override;
    void TransferEnded(bool) override {}
    void WriteCompleted() override;
    void RadioWritten(int written, bool more) override;

private:
    bool Begin(SerialLink& link, LinkOperationCode operation);
    bool Confirm(SerialLink& link, const QString& question);
    // Cancel, Escape or closing the progress window.
    void StopTransfer();
    void RunProgress(SerialLink& link, int kind, int radios);
    // The encoded data on screen, to one radio or to `radios` radios.
    void WriteData(int radios);
    void WriteAfterEdits();
    void StartInformation(bool prepareImage);

    RadioHost& host_;
    QWidget* parent_;
    std::unique_ptr<SerialLink> link_;
    bool traceProblemTold_ = false;
    bool askingToStop_ = false;
    QTimer* writeTimer_;
    QPointer<ProgressWindow> progress_;
    SerialLink* active_ = nullptr; // the link of the transfer in progress
};
