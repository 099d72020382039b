#pragma once

#include "BevelPanel.h"
#include "GamePorts.h"

#include <QLabel>
#include <string>

// The framed box with the player's name, stamina, drum settings and distance to
// the goal. It only shows what the controller writes into it. The value labels
// are named after what they show ("nameValue", "staminaValue", "arrowValue",
// "rotationValue", "timerValue", "distanceValue").
class StatusPanelWidget : public BevelPanel, public StatusPanel {
    Q_OBJECT

public:
    explicit StatusPanelWidget(QWidget* parent = nullptr);

    void setPlayerName(const std::string& name) override;
    void setStamina(int stamina) override;
    void setDrumSettings(int arrowRow, int rotationWidth, int spinInterval) override;
    void setDistanceToGoal(int squares) override;

private:
    QLabel* addCaption(int left, int top, const QString& text);
    QLabel* addValue(int left, int top, int width, const QString& name = QString());
    // Shows `text` in the label; a screen reader hears `spoken` with the text
    // in place of its %1, since it cannot see which caption the value sits by.
    void writeValue(QLabel* label, const QString& text, const QString& spoken);

    QLabel* m_nameValue;
    QLabel* m_staminaValue;
    QLabel* m_arrowValue;
    QLabel* m_rotationValue;
    QLabel* m_timerValue;
    QLabel* m_distanceValue;
};
