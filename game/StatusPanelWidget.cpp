#include "StatusPanelWidget.h"

#include "Fonts.h"

#include <QFontMetrics>

namespace {

constexpr int PanelWidth = 105;
constexpr int PanelHeight = 120;
constexpr int LabelPixelHeight = 12; // Font.Size 9 at 96 dpi
constexpr int ValueHeight = 12;

// Labels draw in black whatever the desktop's colours. A palette says so far
// more cheaply than a style sheet, which would put every label through the
// style sheet machinery when the main window is built.
void UseBlackText(QLabel* label) {
    QPalette colours = label->palette();
    colours.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(colours);
}

} // namespace

StatusPanelWidget::StatusPanelWidget(QWidget* mainWindow) : panel_(new BevelPanel(mainWindow)) {
    panel_->setVisible(false);
    panel_->SetBevelInner(BevelPanel::Bevel::Lowered);
    panel_->SetBevelOuter(BevelPanel::Bevel::Raised);
    panel_->SetBevelWidth(2);
    panel_->resize(PanelWidth, PanelHeight);

    AddCaption(9, 4, QStringLiteral("名前"));
    nameValue_ = AddValue(12, 18, 80);
    AddCaption(9, 36, QStringLiteral("体力"));
    staminaValue_ = AddValue(35, 36, 47);
    AddCaption(9, 54, QStringLiteral("スロットドラム"));
    arrowValue_ = AddValue(30, 68, 7);
    AddValue(37, 68, 7)->setText(QStringLiteral("/"));
    rotationValue_ = AddValue(44, 68, 14);
    AddValue(58, 68, 7)->setText(QStringLiteral("/"));
    timerValue_ = AddValue(65, 68, 21);
    AddCaption(9, 82, QStringLiteral("ゴールまで"));
    AddCaption(25, 96, QStringLiteral("あと"));
    distanceValue_ = AddValue(47, 96, 24);
    AddCaption(78, 96, QStringLiteral("歩"));
}

QLabel* StatusPanelWidget::AddCaption(int left, int top, const QString& text) {
    auto* label = new QLabel(text, panel_);
    label->setTextFormat(Qt::PlainText);
    label->setFont(GameFont(LabelPixelHeight));
    UseBlackText(label);
    label->setContentsMargins(0, 0, 0, 0);
    label->adjustSize();
    label->move(left, top);
    return label;
}

QLabel* StatusPanelWidget::AddValue(int left, int top, int width) {
    auto* label = new QLabel(panel_);
    label->setTextFormat(Qt::PlainText);
    label->setFont(GameFont(LabelPixelHeight));
    UseBlackText(label);
    label->setContentsMargins(0, 0, 0, 0);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setGeometry(left, top, width, ValueHeight);
    label->setFixedSize(width, ValueHeight);
    return label;
}

void StatusPanelWidget::WriteValue(QLabel* label, const std::string& text, const QString& spoken) {
    const QString shown = QString::fromStdString(text);
    // A value wider than its label keeps its beginning and is cut at the right
    // edge; the label itself never grows.
    const bool fits = label->fontMetrics().horizontalAdvance(shown) <= label->width();
    label->setAlignment((fits ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
    label->setText(shown);
    label->setAccessibleName(spoken.arg(shown));
}

void StatusPanelWidget::SetNameText(const std::string& text) {
    WriteValue(nameValue_, text, QStringLiteral("名前 %1"));
}
void StatusPanelWidget::SetStaminaText(const std::string& text) {
    WriteValue(staminaValue_, text, QStringLiteral("体力 %1"));
}
void StatusPanelWidget::SetArrowText(const std::string& text) {
    WriteValue(arrowValue_, text, QStringLiteral("矢印の位置 %1"));
}
void StatusPanelWidget::SetRotationText(const std::string& text) {
    WriteValue(rotationValue_, text, QStringLiteral("回転の幅 %1"));
}
void StatusPanelWidget::SetTimerText(const std::string& text) {
    WriteValue(timerValue_, text, QStringLiteral("回転の間隔 %1"));
}
void StatusPanelWidget::SetDistanceText(const std::string& text) {
    WriteValue(distanceValue_, text, QStringLiteral("ゴールまで あと %1 歩"));
}

void StatusPanelWidget::ShowPanel(int left, int top) {
    panel_->move(left, top);
    panel_->setVisible(true);
}

void StatusPanelWidget::HidePanel() {
    panel_->setVisible(false);
}
