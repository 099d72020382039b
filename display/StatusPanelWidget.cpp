#include "StatusPanelWidget.h"

#include "Fonts.h"

namespace {

constexpr int PanelWidth = 105;
constexpr int PanelHeight = 120;
constexpr int LabelPixelHeight = 12; // Font.Size 9 at 96 dpi
constexpr int ValueHeight = 12;
// Numbers of different length end at the same right edge.
constexpr Qt::Alignment ValueAlignment = Qt::AlignRight | Qt::AlignVCenter;

// Labels draw in black whatever the desktop's colours. A palette says so far
// more cheaply than a style sheet, which would put every label through the
// style sheet machinery when the main window is built.
void useBlackText(QLabel* label) {
    QPalette colours = label->palette();
    colours.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(colours);
}

} // namespace

StatusPanelWidget::StatusPanelWidget(QWidget* parent) : BevelPanel(parent) {
    setVisible(false);
    setBevelInner(BevelPanel::Bevel::Lowered);
    setBevelOuter(BevelPanel::Bevel::Raised);
    setBevelWidth(2);
    resize(PanelWidth, PanelHeight);

    addCaption(9, 4, tr("名前"));
    m_nameValue = addValue(12, 18, 80, QStringLiteral("nameValue"));
    addCaption(9, 36, tr("体力"));
    m_staminaValue = addValue(35, 36, 47, QStringLiteral("staminaValue"));
    addCaption(9, 54, tr("スロットドラム"));
    m_arrowValue = addValue(30, 68, 7, QStringLiteral("arrowValue"));
    addValue(37, 68, 7)->setText(QStringLiteral("/"));
    m_rotationValue = addValue(44, 68, 14, QStringLiteral("rotationValue"));
    addValue(58, 68, 7)->setText(QStringLiteral("/"));
    m_timerValue = addValue(65, 68, 21, QStringLiteral("timerValue"));
    addCaption(9, 82, tr("ゴールまで"));
    //: Before the steps left to the goal ("あと 12 歩": 12 steps to go). A
    //: language that puts it all after the number may leave this a space.
    addCaption(25, 96, tr("あと"));
    m_distanceValue = addValue(47, 96, 24, QStringLiteral("distanceValue"));
    addCaption(78, 96, tr("歩"));
}

QLabel* StatusPanelWidget::addCaption(int left, int top, const QString& text) {
    auto* label = new QLabel(text, this);
    label->setTextFormat(Qt::PlainText);
    label->setFont(gameFont(LabelPixelHeight));
    useBlackText(label);
    label->setContentsMargins(0, 0, 0, 0);
    // Never resized, it takes its text's size when first shown, as every child
    // without a layout does: measuring the text loads the font, which need not
    // hold up the start of the first game.
    label->move(left, top);
    return label;
}

QLabel* StatusPanelWidget::addValue(int left, int top, int width, const QString& name) {
    auto* label = new QLabel(this);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setFont(gameFont(LabelPixelHeight));
    useBlackText(label);
    label->setContentsMargins(0, 0, 0, 0);
    label->setAlignment(ValueAlignment);
    label->setGeometry(left, top, width, ValueHeight);
    label->setFixedSize(width, ValueHeight);
    return label;
}

void StatusPanelWidget::writeValue(QLabel* label, const QString& text, const QString& spoken) {
    // Right-justified like every value, also when wider than its label: then
    // its end shows and the beginning is cut at the left edge, and the label
    // itself never grows.
    label->setAlignment(ValueAlignment);
    label->setText(text);
    label->setAccessibleName(spoken.arg(text));
}

void StatusPanelWidget::setPlayerName(const std::string& name) {
    writeValue(m_nameValue, QString::fromStdString(name), tr("名前 %1"));
}
void StatusPanelWidget::setStamina(int stamina) {
    writeValue(m_staminaValue, QString::number(stamina), tr("体力 %1"));
}
void StatusPanelWidget::setDrumSettings(int arrowRow, int rotationWidth, int spinInterval) {
    writeValue(m_arrowValue, QString::number(arrowRow), tr("矢印の位置 %1"));
    writeValue(m_rotationValue, QString::number(rotationWidth), tr("回転の幅 %1"));
    writeValue(m_timerValue, QString::number(spinInterval), tr("回転の間隔 %1"));
}
void StatusPanelWidget::setDistanceToGoal(int squares) {
    writeValue(m_distanceValue, QString::number(squares), tr("ゴールまで あと %1 歩"));
}
