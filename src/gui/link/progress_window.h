#pragma once

#include <QDialog>
#include <functional>

class Catalogue;
class QLabel;
class QProgressBar;
class QPushButton;

// The progress window (`FrmProgress`; `frmMProgress` for a group write): the
// progress of a transfer: the completion percentage of the radio in
// work and, for a group write, the number of that radio. Cancel, Escape or
// closing it asks the transfer to stop; the window goes when it has.
class ProgressWindow : public QDialog {
    Q_OBJECT
public:
    enum class Kind { Read, Write, GroupWrite };

    ProgressWindow(Kind kind, int radioCount, const Catalogue& catalogue,
                   QWidget* parent = nullptr);

    void SetProgressValue(int percent);
    void SetRadioNumber(int radio);
    // A line under the bars: what the user is to do next.
    void ShowNote(const QString& text);
    // Ends the modal display once the transfer is over.
    void Finish();
    // Runs when the user asks to stop the transfer.
    std::function<void()> onUserClose;

protected:
    void reject() override;

private:
    QProgressBar* bar_;
    QLabel* percent_;
    QProgressBar* radioBar_ = nullptr;
    QLabel* radioLabel_ = nullptr;
    QLabel* note_ = nullptr;
    bool finished_ = false;
};
