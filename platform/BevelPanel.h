#pragma once

#include <QColor>
#include <QWidget>

// A framed panel in the classic look: an outer and an inner bevel, each raised,
// lowered or absent, on the button face colour. Children are placed at fixed
// positions inside it.
class BevelPanel : public QWidget {
    Q_OBJECT
public:
    enum class Bevel { None, Lowered, Raised };

    explicit BevelPanel(QWidget* parent = nullptr);

    void SetBevelInner(Bevel bevel);
    void SetBevelOuter(Bevel bevel);
    void SetBevelWidth(int width);
    Bevel BevelInner() const { return inner_; }
    Bevel BevelOuter() const { return outer_; }
    int BevelWidth() const { return width_; }

    static const QColor ButtonFace;
    static const QColor ButtonHighlight;
    static const QColor ButtonShadow;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Bevel inner_ = Bevel::None;
    Bevel outer_ = Bevel::Raised;
    int width_ = 1;
};
