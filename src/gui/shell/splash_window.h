#pragma once

#include <QWidget>

class QLabel;
class QTimer;

// The start-up picture (`frmSplash`). It goes away after `shownMs` (two seconds
// unless told otherwise) or on a click, whichever comes first, and then
// reports `finished` exactly once.
class SplashWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr int kShownMs = 2000;

    explicit SplashWindow(const QString& picturePath, QWidget* parent = nullptr,
                          int shownMs = kShownMs);

    QLabel* picture() const { return picLogo_; }

signals:
    void finished();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Finish();

    QLabel* picLogo_;
    QTimer* timer_;
    bool done_ = false;
};
