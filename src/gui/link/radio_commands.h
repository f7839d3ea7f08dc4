#pragma once

#include "core/link/serial_link.h"
#include "core/text/text_id.h"

#include <QObject>
#include <QPointer>

class QWidget;

class RadioHost;
class RadioModel;
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
    // Program > Compare with Radio...: the radio read (and backed up) and
    // compared with the data on screen, which stays.
    void CompareWithRadio();
    // At start: a write the journal holds as never finished is told, with
    // the choice to write it again, open it or forget it.
    void OfferUnfinishedWrite();

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
    // `port`: "COMn" or a device path in place of the chosen port.
    bool Begin(SerialLink& link, LinkOperationCode operation, const QString& port = {});
    bool Confirm(SerialLink& link, const QString& question);
    // Cancel, Escape or closing the progress window.
    void StopTransfer();
    void RunProgress(SerialLink& link, int kind, int radios);
    // The encoded data on screen, to one radio or to `radios` radios.
    void WriteData(int radios);
    // A confirmed write of `radio`'s image on `link`, to one radio or a group,
    // with the verify choice, recorded in the write journal as from `source`
    // on `port` (the chosen port when empty).
    void RunRecordedWrite(SerialLink& link, const RadioModel& radio, const QString& source,
                          const QString& port, int radios);
    void WriteAfterEdits();
    // `radio`'s image as it stands into the radio after `question`, recorded
    // as written from `source`; true when the radio then holds it all.
    bool WriteImage(RadioModel& radio, const QString& question, const QString& source,
                    const QString& port = {});
    // The image just read (or opened from the journal) becomes the data on screen.
    void ShowDecodedImage(bool backup);
    // The backup of a completed read: its image's path, "" (after saying why) when not stored.
    QString StoreReadBackup(const RadioModel& radio);
    void StartInformation(bool prepareImage);

    RadioHost& host_;
    QWidget* parent_;
    std::unique_ptr<SerialLink> link_;
    bool traceProblemTold_ = false;
    bool askingToStop_ = false;
    QTimer* writeTimer_;
    QPointer<ProgressWindow> progress_;
    SerialLink* active_ = nullptr;    // the link of the transfer in progress
    RadioModel* comparing_ = nullptr; // a read for a comparison goes here
    QString comparedBackup_;          // where that read was backed up
};
