#include "gui/link/progress_window.h"

#include "core/text/catalogue.h"

#include <QGridLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

ProgressWindow::ProgressWindow(Kind kind, int radioCount, const Catalogue& catalogue,
                               QWidget* parent)
    : QDialog(parent) {
    setObjectName(kind == Kind::GroupWrite ? QStringLiteral("frmMProgress")
                                           : QStringLiteral("FrmProgress"));
    setWindowTitle(catalogue.Text(kind == Kind::Read ? TextId::ProgressReadCaption
                                                     : TextId::ProgressWriteCaption));
    setModal(true);
    auto* caption = new QLabel(catalogue.Text(TextId::ProgressPercentLabel), this);
    caption->setObjectName(QStringLiteral("Label1"));
    percent_ = new QLabel(QStringLiteral("0%"), this);
    percent_->setObjectName(QStringLiteral("Label2"));
    percent_->setMinimumWidth(percent_->fontMetrics().horizontalAdvance(QStringLiteral("100%")));
    bar_ = new QProgressBar(this);
    bar_->setObjectName(QStringLiteral("ProgressBar1"));
    bar_->setRange(0, 100);
    bar_->setValue(0);
    bar_->setTextVisible(false);
    bar_->setMinimumWidth(320);

    // Each caption stands right before the value it describes.
    auto* layout = new QGridLayout(this);
    layout->addWidget(caption, 0, 0, Qt::AlignRight);
    layout->addWidget(percent_, 0, 1);
    layout->addWidget(bar_, 1, 0, 1, 2);
    if (kind == Kind::GroupWrite) {
        auto* radioCaption = new QLabel(catalogue.Text(TextId::GroupRadioLabel), this);
        radioCaption->setObjectName(QStringLiteral("Label4"));
        radioLabel_ = new QLabel(QStringLiteral("1"), this);
        radioLabel_->setObjectName(QStringLiteral("Label3"));
        radioBar_ = new QProgressBar(this);
        radioBar_->setObjectName(QStringLiteral("ProgressBar2"));
        radioBar_->setRange(0, std::max(1, radioCount));
        radioBar_->setValue(1);
        radioBar_->setTextVisible(false);
        layout->addWidget(radioCaption, 2, 0, Qt::AlignRight);
        layout->addWidget(radioLabel_, 2, 1);
        layout->addWidget(radioBar_, 3, 0, 1, 2);
        note_ = new QLabel(this);
        note_->setObjectName(QStringLiteral("lblNote"));
        layout->addWidget(note_, 5, 0, 1, 2);
    }
    auto* cancel = new QPushButton(catalogue.Text(TextId::Cancel), this);
    cancel->setObjectName(QStringLiteral("CommandCancel"));
    cancel->setAutoDefault(false);
    connect(cancel, &QPushButton::clicked, this, &ProgressWindow::reject);
    layout->addWidget(cancel, 4, 1, Qt::AlignRight);
}

void ProgressWindow::SetProgressValue(int percent) {
    bar_->setValue(std::clamp(percent, 0, 100));
    percent_->setText(QStringLiteral("%1%").arg(percent));
}

void ProgressWindow::SetRadioNumber(int radio) {
    if (!radioBar_)
        return;
    radioBar_->setValue(std::min(radio, radioBar_->maximum()));
    radioLabel_->setText(QString::number(radio));
}

void ProgressWindow::ShowNote(const QString& text) {
    if (note_)
        note_->setText(text);
}

void ProgressWindow::Finish() {
    if (finished_)
        return;
    finished_ = true;
    done(QDialog::Accepted);
}

void ProgressWindow::reject() {
    // The transfer stops in its own time (a reply in flight, END): the window
    // goes when it has ended, or at once when there is no transfer.
    if (finished_)
        return;
    if (onUserClose)
        onUserClose();
    else
        Finish();
}
