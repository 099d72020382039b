#pragma once

#include "BevelPanel.h"
#include "GamePorts.h"

#include <QLabel>
#include <string>

// The framed box with the player's name, stamina, drum settings and distance to
// the goal. It only shows what the controller writes into it.
class StatusPanelWidget : public StatusPanel {
public:
    explicit StatusPanelWidget(QWidget* mainWindow);

    void SetNameText(const std::string& text) override;
    void SetStaminaText(const std::string& text) override;
    void SetArrowText(const std::string& text) override;
    void SetRotationText(const std::string& text) override;
    void SetTimerText(const std::string& text) override;
    void SetDistanceText(const std::string& text) override;
    void ShowPanel(int left, int top) override;
    void HidePanel() override;

    BevelPanel* Panel() const { return panel_; }
    QLabel* NameValue() const { return nameValue_; }
    QLabel* StaminaValue() const { return staminaValue_; }
    QLabel* ArrowValue() const { return arrowValue_; }
    QLabel* RotationValue() const { return rotationValue_; }
    QLabel* TimerValue() const { return timerValue_; }
    QLabel* DistanceValue() const { return distanceValue_; }

private:
    QLabel* AddCaption(int left, int top, const QString& text);
    QLabel* AddValue(int left, int top, int width);
    // Shows `text` in the label; a screen reader hears `spoken` with the text
    // in place of its %1, since it cannot see which caption the value sits by.
    void WriteValue(QLabel* label, const std::string& text, const QString& spoken);

    BevelPanel* panel_;
    QLabel* nameValue_;
    QLabel* staminaValue_;
    QLabel* arrowValue_;
    QLabel* rotationValue_;
    QLabel* timerValue_;
    QLabel* distanceValue_;
};
