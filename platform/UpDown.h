#pragma once

#include <QWidget>
#include <cstdint>

class QLineEdit;
class QToolButton;

// A pair of arrows bound to a line edit that holds a whole number in Min..Max.
// The arrows, and the Up and Down keys in the edit, step by Increment; past an
// end the value wraps to the other end when Wrap is on, and stops at the end
// otherwise. The position is 16-bit signed like the control it stands in for.
//
// The edit stays freely editable. Reading Position() first takes over the
// edit's text if it is a whole decimal number within Min..Max; anything else
// (letters, signs, out-of-range or empty text) is dropped and the last valid
// position is shown again. So Position() always lies within Min..Max.
//
// Min, Max, Increment, Wrap and Thousands are properties, so a form layout can
// set them as dynamic properties.
class UpDown : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int Min READ Min WRITE SetMin)
    Q_PROPERTY(int Max READ Max WRITE SetMax)
    Q_PROPERTY(int Increment READ Increment WRITE SetIncrement)
    Q_PROPERTY(bool Wrap READ Wrap WRITE SetWrap)
    Q_PROPERTY(bool Thousands READ Thousands WRITE SetThousands)

public:
    explicit UpDown(QWidget* parent = nullptr);

    // The edit that shows the position; not owned. Its Up and Down keys step too.
    void SetAssociate(QLineEdit* edit);
    QLineEdit* Associate() const { return edit_; }

    int Min() const { return min_; }
    int Max() const { return max_; }
    int Increment() const { return increment_; }
    bool Wrap() const { return wrap_; }
    bool Thousands() const { return thousands_; }
    // Values beyond 16 bits are cut to the 16-bit range.
    void SetMin(int value);
    void SetMax(int value);
    void SetIncrement(int value);
    void SetWrap(bool on) { wrap_ = on; }
    // With Thousands on, the edit groups digits with "," (and accepts them).
    void SetThousands(bool on);

    // Takes over a valid number typed in the edit first; see the class comment.
    std::int16_t Position();
    // Any 32-bit value; it is held within Min..Max and shown in the edit.
    void SetPosition(std::int32_t value);

    // What one click on an arrow does.
    void StepUp() { Step(+1); }
    void StepDown() { Step(-1); }

    QToolButton* UpButton() const { return up_; }
    QToolButton* DownButton() const { return down_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void Step(int direction);
    std::int16_t Clamped(std::int32_t value) const;
    void ShowPosition();
    QString Format(int value) const;
    // The edit's text as a number within the range, if it is one.
    bool ParseEdit(std::int16_t& value) const;

    QLineEdit* edit_ = nullptr;
    QToolButton* up_;
    QToolButton* down_;
    std::int16_t min_ = 0;
    std::int16_t max_ = 100;
    std::int16_t increment_ = 1;
    std::int16_t position_ = 0;
    bool wrap_ = false;
    bool thousands_ = true;
};
