#pragma once

#include <QWidget>
#include <cstdint>

class QLineEdit;
class QToolButton;

// Qt's spin box draws its arrows inside the edit and vets every keystroke; this
// game's number fields are free edits with the arrows beside them.
//
// A pair of arrows bound to a line edit that holds a whole number in Min..Max.
// The arrows, and the Up and Down keys in the edit, step by Increment; past an
// end the value wraps to the other end when Wrap is on, and stops at the end
// otherwise. The position is 16-bit signed like the control it stands in for.
//
// The edit stays freely editable. Reading position() first takes over the
// edit's text if it is a whole decimal number within Min..Max; anything else
// (letters, signs, out-of-range or empty text) is dropped and the last valid
// position is shown again. So position() always lies within Min..Max.
//
// Min, Max, Increment, Wrap and Thousands are properties, so a form layout can
// set them as dynamic properties.
class UpDown : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int minimum READ minimum WRITE setMinimum)
    Q_PROPERTY(int maximum READ maximum WRITE setMaximum)
    Q_PROPERTY(int increment READ increment WRITE setIncrement)
    Q_PROPERTY(bool wrapping READ wrapping WRITE setWrapping)
    Q_PROPERTY(bool thousands READ thousands WRITE setThousands)

public:
    explicit UpDown(QWidget* parent = nullptr);

    // The edit that shows the position; not owned. Its Up and Down keys step too.
    void setAssociate(QLineEdit* edit);
    QLineEdit* associate() const { return m_edit; }

    int minimum() const { return m_min; }
    int maximum() const { return m_max; }
    int increment() const { return m_increment; }
    bool wrapping() const { return m_wrap; }
    bool thousands() const { return m_thousands; }
    // Values beyond 16 bits are cut to the 16-bit range.
    void setMinimum(int value);
    void setMaximum(int value);
    void setIncrement(int value);
    void setWrapping(bool on) { m_wrap = on; }
    // With Thousands on, the edit groups digits with "," (and accepts them).
    void setThousands(bool on);

    // Takes over a valid number typed in the edit first; see the class comment.
    std::int16_t position();
    // Any 32-bit value; it is held within Min..Max and shown in the edit.
    void setPosition(std::int32_t value);

    // What one click on an arrow does.
    void stepUp() { step(+1); }
    void stepDown() { step(-1); }

    QToolButton* upButton() const { return m_up; }
    QToolButton* downButton() const { return m_down; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void step(int direction);
    std::int16_t clamped(std::int32_t value) const;
    void showPosition();
    QString format(int value) const;
    // The edit's text as a number within the range, if it is one.
    bool parseEdit(std::int16_t& value) const;

    QLineEdit* m_edit = nullptr;
    QToolButton* m_up;
    QToolButton* m_down;
    std::int16_t m_min = 0;
    std::int16_t m_max = 100;
    std::int16_t m_increment = 1;
    std::int16_t m_position = 0;
    bool m_wrap = false;
    bool m_thousands = true;
};
