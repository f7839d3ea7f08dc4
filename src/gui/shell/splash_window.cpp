#include "gui/shell/splash_window.h"

#include "gui/widgets/scaled_picture.h"

#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QPixmap>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

SplashWindow::SplashWindow(const QString& picturePath, QWidget* parent, int shownMs)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("frmSplash"));
    picLogo_ = new QLabel(this);
    picLogo_->setObjectName(QStringLiteral("picLogo"));
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QPixmap picture = LoadPicture(picturePath, screen ? screen->devicePixelRatio() : 1);
    // Without its picture the window still shows, plain, for the same time.
    if (picture.isNull())
        picLogo_->setMinimumSize(480, 300);
    else
        picLogo_->setPixmap(picture);
    picLogo_->installEventFilter(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(picLogo_);

    timer_ = new QTimer(this);
    timer_->setObjectName(QStringLiteral("Timer1"));
    timer_->setSingleShot(true);
    timer_->setInterval(shownMs);
    connect(timer_, &QTimer::timeout, this, &SplashWindow::Finish);
    timer_->start();

    adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

bool SplashWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == picLogo_ && event->type() == QEvent::MouseButtonPress) {
        Finish();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void SplashWindow::Finish() {
    if (done_)
        return;
    done_ = true;
    timer_->stop();
    hide();
    emit finished();
    deleteLater();
}
