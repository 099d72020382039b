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

StatusPanelWidget::StatusPanelWidget(QWidget* mainWindow) : m_panel(new BevelPanel(mainWindow)) {
    m_panel->setVisible(false);
    m_panel->setBevelInner(BevelPanel::Bevel::Lowered);
    m_panel->setBevelOuter(BevelPanel::Bevel::Raised);
    m_panel->setBevelWidth(2);
    m_panel->resize(PanelWidth, PanelHeight);

    addCaption(9, 4, tr("名前"));
    m_nameValue = addValue(12, 18, 80);
    addCaption(9, 36, tr("体力"));
    m_staminaValue = addValue(35, 36, 47);
    addCaption(9, 54, tr("スロットドラム"));
    m_arrowValue = addValue(30, 68, 7);
    addValue(37, 68, 7)->setText(QStringLiteral("/"));
    m_rotationValue = addValue(44, 68, 14);
    addValue(58, 68, 7)->setText(QStringLiteral("/"));
    m_timerValue = addValue(65, 68, 21);
    addCaption(9, 82, tr("ゴールまで"));
    addCaption(25, 96, tr("あと"));
    m_distanceValue = addValue(47, 96, 24);
    addCaption(78, 96, tr("歩"));
}

QLabel* StatusPanelWidget::addCaption(int left, int top, const QString& text) {
    auto* label = new QLabel(text, m_panel);
    label->setTextFormat(Qt::PlainText);
    label->setFont(gameFont(LabelPixelHeight));
    useBlackText(label);
    label->setContentsMargins(0, 0, 0, 0);
    label->adjustSize();
    label->move(left, top);
    return label;
}

QLabel* StatusPanelWidget::addValue(int left, int top, int width) {
    auto* label = new QLabel(m_panel);
    label->setTextFormat(Qt::PlainText);
    label->setFont(gameFont(LabelPixelHeight));
    useBlackText(label);
    label->setContentsMargins(0, 0, 0, 0);
    label->setAlignment(ValueAlignment);
    label->setGeometry(left, top, width, ValueHeight);
    label->setFixedSize(width, ValueHeight);
    return label;
}

void StatusPanelWidget::writeValue(QLabel* label, const std::string& text, const QString& spoken) {
    const QString shown = QString::fromStdString(text);
    // Right-justified like every value, also when wider than its label: then
    // its end shows and the beginning is cut at the left edge, and the label
    // itself never grows.
    label->setAlignment(ValueAlignment);
    label->setText(shown);
    label->setAccessibleName(spoken.arg(shown));
}

void StatusPanelWidget::setNameText(const std::string& text) {
    writeValue(m_nameValue, text, tr("名前 %1"));
}
void StatusPanelWidget::setStaminaText(const std::string& text) {
    writeValue(m_staminaValue, text, tr("体力 %1"));
}
void StatusPanelWidget::setArrowText(const std::string& text) {
    writeValue(m_arrowValue, text, tr("矢印の位置 %1"));
}
void StatusPanelWidget::setRotationText(const std::string& text) {
    writeValue(m_rotationValue, text, tr("回転の幅 %1"));
}
void StatusPanelWidget::setTimerText(const std::string& text) {
    writeValue(m_timerValue, text, tr("回転の間隔 %1"));
}
void StatusPanelWidget::setDistanceText(const std::string& text) {
    writeValue(m_distanceValue, text, tr("ゴールまで あと %1 歩"));
}

void StatusPanelWidget::showPanel(int left, int top) {
    m_panel->move(left, top);
    m_panel->setVisible(true);
}

void StatusPanelWidget::hidePanel() {
    m_panel->setVisible(false);
}
