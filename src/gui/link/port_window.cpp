#include "gui/link/port_window.h"

#include "core/session/settings_loader.h"

#include "core/base/prompter.h"
#include "core/session/app_context.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFontMetrics>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include <algorithm>

namespace {

constexpr int kRelistMs = 1000;
constexpr int kDetectPollMs = 200;

} // namespace

PortWindow::PortWindow(AppContext& context, Prompter& prompter, QWidget* parent)
    : QDialog(parent), lister([&context] { return ListSerialPorts(context.setup); }),
      context_(context), prompter_(prompter) {
    setObjectName(QStringLiteral("FrmComSet"));
    const Catalogue& cat = context_.catalogue;
    setWindowTitle(cat.Text(TextId::CommunicationPort));
    auto* label = new QLabel(cat.Text(TextId::ComLabel), this);
    label->setObjectName(QStringLiteral("Label1"));
    combo_ = new QComboBox(this);
    combo_->setObjectName(QStringLiteral("Combo1"));
    combo_->setMinimumWidth(100);
    label->setBuddy(combo_);
    device_ = new QLabel(this);
    device_->setObjectName(QStringLiteral("lblDevice"));
    device_->setWordWrap(true);
    auto* ok = new QPushButton(cat.Text(TextId::Ok), this);
    ok->setObjectName(QStringLiteral("CommandOK"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(cat.Text(TextId::Cancel), this);
    cancel->setObjectName(QStringLiteral("CommandCancel"));
    auto* detect = new QPushButton(cat.Text(TextId::DetectButton), this);
    detect->setObjectName(QStringLiteral("CommandDetect"));
    detect->setAutoDefault(false);
    connect(ok, &QPushButton::clicked, this, &PortWindow::Accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(detect, &QPushButton::clicked, this, &PortWindow::Detect);
    connect(combo_, &QComboBox::activated, this, [this] {
        chosen_ = combo_->currentIndex() < 0 ? 0 : combo_->currentData().toInt();
        ShowDevice();
    });

    auto* layout = new QGridLayout(this);
    layout->addWidget(label, 0, 0);
    layout->addWidget(combo_, 0, 1);
    layout->addWidget(device_, 1, 0, 1, 3);
    layout->addWidget(ok, 2, 1);
    layout->addWidget(cancel, 2, 2, Qt::AlignLeft);
    layout->addWidget(detect, 2, 2, Qt::AlignRight);
    layout->setColumnStretch(2, 1);

    timer_ = new QTimer(this);
    timer_->setObjectName(QStringLiteral("ReShowComPortTimer"));
    timer_->setInterval(kRelistMs);
    connect(timer_, &QTimer::timeout, this, &PortWindow::Relist);
    chosen_ = context_.settings.comPort;
    // The first listing waits for the event loop, so a caller can still set `lister`.
    QTimer::singleShot(0, this, [this] {
        Fill(lister());
        timer_->start();
    });
}

void PortWindow::Relist() {
    // An open list is never changed under the user's highlight, and an
    // unchanged set of ports is not listed again.
    if (combo_->view()->isVisible())
        return;
    const QList<PortEntry> ports = lister();
    if (ports != ports_)
        Fill(ports);
}

void PortWindow::Fill(const QList<PortEntry>& ports) {
    ports_ = ports;
    combo_->clear();
    for (const PortEntry& port : ports)
        combo_->addItem(port.name(), port.number);
    Choose(chosen_);
}

void PortWindow::Choose(int wanted) {
    if (combo_->count() == 0) {
        chosen_ = 0;
        combo_->setCurrentIndex(-1);
        device_->clear();
        return;
    }
    const int index = std::max(0, combo_->findData(wanted));
    combo_->setCurrentIndex(index);
    chosen_ = combo_->itemData(index).toInt();
    ShowDevice();
}

void PortWindow::ShowDevice() {
    const int index = combo_->currentIndex();
    if (index < 0 || index >= ports_.size()) {
        device_->clear();
        return;
    }
    const PortEntry& port = ports_.at(index);
    const Catalogue& cat = context_.catalogue;
    const QString details = PortDetails(port, cat);
    QString text = details.isEmpty() ? port.path : port.path + QStringLiteral("\n") + details;
    if (port.present && !port.mayOpen)
        text += QStringLiteral("\n") + cat.Text(TextId::PortGroupHint);
    // The device path is never broken; the longer sentences wrap.
    const QFontMetrics metrics = device_->fontMetrics();
    device_->setMinimumWidth(
        std::max(metrics.averageCharWidth() * 44, metrics.horizontalAdvance(port.path) + 4));
    device_->setText(text);
    FitToContents();
}

void PortWindow::FitToContents() {
    layout()->activate();
    const int width = std::max(this->width(), minimumSizeHint().width());
    const int height = hasHeightForWidth() ? heightForWidth(width) : sizeHint().height();
    if (height > this->height() || width > this->width())
        resize(width, std::max(this->height(), height));
}

void PortWindow::Detect() {
    const Catalogue& cat = context_.catalogue;
    if (prompter_.ask(cat.Text(TextId::DetectUnplug), PromptButtons::OkCancel,
                      PromptIcon::Information) != PromptAnswer::Ok)
        return;
    timer_->stop();
    const QList<PortEntry> before = lister();
    const bool plugged = prompter_.ask(cat.Text(TextId::DetectPlugIn), PromptButtons::OkCancel,
                                       PromptIcon::Information) == PromptAnswer::Ok;
    // A plugged adapter takes a moment to appear: look again for a while.
    QElapsedTimer waited;
    waited.start();
    int found = 0;
    while (plugged && found == 0 && waited.elapsed() < detectLimitMs) {
        QList<PortEntry> now = lister();
        for (const PortEntry& port : now)
            if (port.present && !before.contains(port))
                found = port.number;
        if (found == 0) {
            QEventLoop pause;
            QTimer::singleShot(kDetectPollMs, &pause, &QEventLoop::quit);
            pause.exec();
        } else {
            chosen_ = found;
            Fill(now);
        }
    }
    timer_->start();
    if (!plugged)
        return;
    if (found == 0)
        prompter_.tell(cat.Text(TextId::DetectNothing), PromptIcon::Exclamation);
    else
        prompter_.tell(cat.Text(TextId::DetectFound).arg(PortName(found)));
}

void PortWindow::Accept() {
    timer_->stop();
    context_.settings.comPort = chosen_;
    // Without any port there is nothing worth remembering.
    if (chosen_ > 0)
        StoreSetting(context_, prompter_, QStringLiteral("comPort"), QString::number(chosen_));
    accept();
}
