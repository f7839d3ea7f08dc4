#pragma once

#include <QFrame>

struct ToneEntry;

// The bar picture of a roger-beep tone: one box per element, its width the
// element's share of the length and its height its frequency, odd elements red
// and even ones blue. Redrawn from the tone on every paint.
class ToneBarPicture : public QFrame {
    Q_OBJECT
public:
    explicit ToneBarPicture(QWidget* parent = nullptr);

    // The tone to draw; it must outlive the picture or be replaced first.
    void setTone(const ToneEntry* tone);
    // Space kept clear around the boxes, in pixels.
    int margin() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const ToneEntry* tone_ = nullptr;
};
