#include "UpDown.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <algorithm>
#include <limits>

namespace {

constexpr int Int16Low = std::numeric_limits<std::int16_t>::min();
constexpr int Int16High = std::numeric_limits<std::int16_t>::max();
constexpr int ThousandsGroup = 3;
// Longer digit strings are out of any 16-bit range; stop before they overflow.
constexpr int MaxSignificantDigits = 6;

std::int16_t toInt16(int value) {
    return static_cast<std::int16_t>(std::clamp(value, Int16Low, Int16High));
}

bool isAsciiDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// Removes the group separators of "12,345"-style text; false if they are not
// between groups of three digits.
bool stripGroupSeparators(QString& digits) {
    if (!digits.contains(QLatin1Char(','))) {
        return true;
    }
    const QStringList groups = digits.split(QLatin1Char(','));
    for (qsizetype i = 0; i < groups.size(); ++i) {
        const qsizetype length = groups[i].size();
        const bool ok = i == 0 ? length >= 1 && length <= ThousandsGroup : length == ThousandsGroup;
        if (!ok) {
            return false;
        }
    }
    digits = groups.join(QString());
    return true;
}

} // namespace

UpDown::UpDown(QWidget* parent)
    : QWidget(parent), m_up(new QToolButton(this)), m_down(new QToolButton(this)) {
    for (QToolButton* button : {m_up, m_down}) {
        button->setFocusPolicy(Qt::NoFocus);
        button->setAutoRepeat(true);
    }
    m_up->setArrowType(Qt::UpArrow);
    m_down->setArrowType(Qt::DownArrow);
    connect(m_up, &QToolButton::clicked, this, &UpDown::stepUp);
    connect(m_down, &QToolButton::clicked, this, &UpDown::stepDown);
}

void UpDown::setAssociate(QLineEdit* edit) {
    if (m_edit) {
        m_edit->removeEventFilter(this);
    }
    m_edit = edit;
    if (m_edit) {
        m_edit->installEventFilter(this);
        showPosition();
    }
}

void UpDown::setMinimum(int value) {
    m_min = toInt16(value);
    m_position = clamped(m_position);
}

void UpDown::setMaximum(int value) {
    m_max = toInt16(value);
    m_position = clamped(m_position);
}

void UpDown::setIncrement(int value) {
    m_increment = toInt16(value);
}

void UpDown::setThousands(bool on) {
    m_thousands = on;
    showPosition();
}

std::int16_t UpDown::position() {
    std::int16_t typed = 0;
    if (parseEdit(typed)) {
        m_position = typed;
    } else {
        showPosition();
    }
    return m_position;
}

void UpDown::setPosition(std::int32_t value) {
    m_position = clamped(value);
    showPosition();
}

void UpDown::step(int direction) {
    const int low = std::min<int>(m_min, m_max);
    const int high = std::max<int>(m_min, m_max);
    int next = position() + direction * m_increment;
    if (next > high) {
        next = m_wrap ? low : high;
    } else if (next < low) {
        next = m_wrap ? high : low;
    }
    setPosition(next);
}

std::int16_t UpDown::clamped(std::int32_t value) const {
    const std::int32_t low = std::min<std::int32_t>(m_min, m_max);
    const std::int32_t high = std::max<std::int32_t>(m_min, m_max);
    return static_cast<std::int16_t>(std::clamp(value, low, high));
}

void UpDown::showPosition() {
    if (m_edit) {
        m_edit->setText(format(m_position));
    }
}

QString UpDown::format(int value) const {
    QString digits = QString::number(value < 0 ? -value : value);
    if (m_thousands) {
        for (qsizetype at = digits.size() - ThousandsGroup; at > 0; at -= ThousandsGroup) {
            digits.insert(at, QLatin1Char(','));
        }
    }
    return value < 0 ? QLatin1Char('-') + digits : digits;
}

bool UpDown::parseEdit(std::int16_t& value) const {
    if (!m_edit) {
        return false;
    }
    QString digits = m_edit->text();
    const bool negative = digits.startsWith(QLatin1Char('-'));
    if (negative) {
        digits.remove(0, 1);
    }
    if (m_thousands && !stripGroupSeparators(digits)) {
        return false;
    }
    if (digits.isEmpty() || !std::all_of(digits.cbegin(), digits.cend(), isAsciiDigit)) {
        return false;
    }
    while (digits.size() > 1 && digits.front() == QLatin1Char('0')) {
        digits.remove(0, 1);
    }
    if (digits.size() > MaxSignificantDigits) {
        return false;
    }
    const int magnitude = digits.toInt();
    const int number = negative ? -magnitude : magnitude;
    if (number < std::min<int>(m_min, m_max) || number > std::max<int>(m_min, m_max)) {
        return false;
    }
    value = static_cast<std::int16_t>(number);
    return true;
}

bool UpDown::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_edit && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
        if (modifiers == Qt::NoModifier && key->key() == Qt::Key_Up) {
            stepUp();
            return true;
        }
        if (modifiers == Qt::NoModifier && key->key() == Qt::Key_Down) {
            stepDown();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void UpDown::resizeEvent(QResizeEvent*) {
    const int upperHeight = height() / 2;
    m_up->setGeometry(0, 0, width(), upperHeight);
    m_down->setGeometry(0, upperHeight, width(), height() - upperHeight);
}
