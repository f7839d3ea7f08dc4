#include "gui/link/port_window.h"

#include "core/link/port_directory.h"
#include "core/session/app_context.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace {
constexpr int kRelistMs = 1000;
} // namespace

PortWindow::PortWindow(AppContext& context, QWidget* parent) : QDialog(parent), context_(context) {
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
    device_->setMinimumWidth(220);
    auto* ok = new QPushButton(cat.Text(TextId::Ok), this);
    ok->setObjectName(QStringLiteral("CommandOK"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(cat.Text(TextId::Cancel), this);
    cancel->setObjectName(QStringLiteral("CommandCancel"));
    connect(ok, &QPushButton::clicked, this, &PortWindow::Accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(combo_, &QComboBox::activated, this, [this] {
        chosen_ = combo_->currentIndex() < 0 ? 0 : combo_->currentData().toInt();
        device_->setText(combo_->currentData(Qt::ToolTipRole).toString());
    });

    auto* layout = new QGridLayout(this);
    layout->addWidget(label, 0, 0);
    layout->addWidget(combo_, 0, 1);
    layout->addWidget(device_, 0, 2);
    layout->addWidget(ok, 1, 1);
    layout->addWidget(cancel, 1, 2, Qt::AlignLeft);

    timer_ = new QTimer(this);
    timer_->setObjectName(QStringLiteral("ReShowComPortTimer"));
    timer_->setInterval(kRelistMs);
    connect(timer_, &QTimer::timeout, this, &PortWindow::Relist);
    chosen_ = context_.settings.comPort;
    Relist();
    timer_->start();
}

void PortWindow::Relist() {
    const QList<PortEntry> ports = ListSerialPorts(context_.setup);
    combo_->clear();
    for (const PortEntry& port : ports) {
        combo_->addItem(port.name(), port.number);
        combo_->setItemData(combo_->count() - 1, port.path, Qt::ToolTipRole);
    }
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
    device_->setText(combo_->itemData(index, Qt::ToolTipRole).toString());
}

void PortWindow::Accept() {
    timer_->stop();
    context_.settings.comPort = chosen_;
    // Without any port there is nothing worth remembering.
    if (chosen_ > 0)
        context_.setup.setValue(QStringLiteral("language"), QStringLiteral("comPort"),
                                QString::number(chosen_));
    accept();
}
