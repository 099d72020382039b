#pragma once

#include "GameDialog.h"
#include "GamePorts.h"

#include <QMessageBox>
#include <memory>

namespace Ui {
class ResultDialog;
}

// The four short messages of the game, each a picture of the heroine with a
// caption: the goal result, game over, the quit confirmation and the farewell.
// Created once and reused; each showing hides every variant, shows its own
// panel and buttons, sizes the window and puts it under the mouse cursor.
class ResultDialog : public GameDialog, public ResultDialogs {
    Q_OBJECT
public:
    explicit ResultDialog(QWidget* parent = nullptr);
    ~ResultDialog() override;

    // Start, end and elapsed time, stamina left from the record.
    void showGoalResult(const GameRecord& record, const GameTimes& times) override;
    // The square the heroine reached.
    void showGameOver(const GameRecord& record) override;
    // Yes (also Enter), No (also Esc), or Cancel for the close box.
    QMessageBox::StandardButton confirmQuit();
    // Accepted by OK or Enter, Rejected by the close box.
    int showFarewell();

    void hideAllVariants();
    // The outer top-left corner that puts the point near the buttons, 30 pixels
    // above the window's bottom edge, under the cursor, kept in the work area.
    std::optional<QPoint> placeAtCursor(int outerWidth, int outerHeight);

private:
    struct Variant;
    int showVariant(const Variant& variant);

    std::unique_ptr<Ui::ResultDialog> m_ui;
    // A showing asked for while another is open (a walk can end in game over
    // while the quit confirmation waits) gets a window of its own, so the open
    // one keeps its panel and its answer.
    bool m_showing = false;
};
