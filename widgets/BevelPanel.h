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

    void setBevelInner(Bevel bevel);
    void setBevelOuter(Bevel bevel);
    void setBevelWidth(int width);
    Bevel bevelInner() const { return m_inner; }
    Bevel bevelOuter() const { return m_outer; }
    int bevelWidth() const { return m_width; }

    static const QColor buttonFace;
    static const QColor buttonHighlight;
    static const QColor buttonShadow;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Bevel m_inner = Bevel::None;
    Bevel m_outer = Bevel::Raised;
    int m_width = 1;
};
