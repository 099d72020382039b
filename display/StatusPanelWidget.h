#pragma once

#include "BevelPanel.h"
#include "GamePorts.h"

#include <QCoreApplication>
#include <QLabel>
#include <string>

// The framed box with the player's name, stamina, drum settings and distance to
// the goal. It only shows what the controller writes into it.
class StatusPanelWidget : public StatusPanel {
    Q_DECLARE_TR_FUNCTIONS(StatusPanelWidget)

public:
    explicit StatusPanelWidget(QWidget* mainWindow);

    void setNameText(const std::string& text) override;
    void setStaminaText(const std::string& text) override;
    void setArrowText(const std::string& text) override;
    void setRotationText(const std::string& text) override;
    void setTimerText(const std::string& text) override;
    void setDistanceText(const std::string& text) override;
    void showPanel(int left, int top) override;
    void hidePanel() override;

    BevelPanel* panel() const { return m_panel; }
    QLabel* nameValue() const { return m_nameValue; }
    QLabel* staminaValue() const { return m_staminaValue; }
    QLabel* arrowValue() const { return m_arrowValue; }
    QLabel* rotationValue() const { return m_rotationValue; }
    QLabel* timerValue() const { return m_timerValue; }
    QLabel* distanceValue() const { return m_distanceValue; }

private:
    QLabel* addCaption(int left, int top, const QString& text);
    QLabel* addValue(int left, int top, int width);
    // Shows `text` in the label; a screen reader hears `spoken` with the text
    // in place of its %1, since it cannot see which caption the value sits by.
    void writeValue(QLabel* label, const std::string& text, const QString& spoken);

    BevelPanel* m_panel;
    QLabel* m_nameValue;
    QLabel* m_staminaValue;
    QLabel* m_arrowValue;
    QLabel* m_rotationValue;
    QLabel* m_timerValue;
    QLabel* m_distanceValue;
};
