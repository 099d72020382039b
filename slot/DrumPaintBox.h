#pragma once

#include <QImage>
#include <QRect>
#include <QWidget>
#include <functional>

// The visible drum: it shows an off-screen picture that the drum draws into.
// Qt only lets a widget paint inside its paint event, so drawing goes into the
// picture and then asks for the changed rectangle to be repainted. A repaint the
// drum did not ask for (an expose) first lets the owner paint the rest picture.
class DrumPaintBox : public QWidget {
public:
    DrumPaintBox(QWidget* parent, int width, int height, std::function<void()> onExpose);

    QImage& Picture() { return m_picture; }
    const QImage& Picture() const { return m_picture; }

    // Our own drawing changed `rect` of the picture: repaint just that.
    void invalidate(const QRect& rect);

protected:
    void paintEvent(QPaintEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    QImage m_picture;
    QRect m_requested; // what our own drawing asked to repaint since the last paint
    std::function<void()> m_onExpose;
};
