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

std::int16_t ToInt16(int value) {
    return static_cast<std::int16_t>(std::clamp(value, Int16Low, Int16High));
}

bool IsAsciiDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// Removes the group separators of "12,345"-style text; false if they are not
// between groups of three digits.
bool StripGroupSeparators(QString& digits) {
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
    : QWidget(parent), up_(new QToolButton(this)), down_(new QToolButton(this)) {
    for (QToolButton* button : {up_, down_}) {
        button->setFocusPolicy(Qt::NoFocus);
        button->setAutoRepeat(true);
    }
    up_->setArrowType(Qt::UpArrow);
    down_->setArrowType(Qt::DownArrow);
    connect(up_, &QToolButton::clicked, this, &UpDown::StepUp);
    connect(down_, &QToolButton::clicked, this, &UpDown::StepDown);
}

void UpDown::SetAssociate(QLineEdit* edit) {
    if (edit_) {
        edit_->removeEventFilter(this);
    }
    edit_ = edit;
    if (edit_) {
        edit_->installEventFilter(this);
        ShowPosition();
    }
}

void UpDown::SetMin(int value) {
    min_ = ToInt16(value);
    position_ = Clamped(position_);
}

void UpDown::SetMax(int value) {
    max_ = ToInt16(value);
    position_ = Clamped(position_);
}

void UpDown::SetIncrement(int value) {
    increment_ = ToInt16(value);
}

void UpDown::SetThousands(bool on) {
    thousands_ = on;
    ShowPosition();
}

std::int16_t UpDown::Position() {
    std::int16_t typed = 0;
    if (ParseEdit(typed)) {
        position_ = typed;
    } else {
        ShowPosition();
    }
    return position_;
}

void UpDown::SetPosition(std::int32_t value) {
    position_ = Clamped(value);
    ShowPosition();
}

void UpDown::Step(int direction) {
    const int low = std::min<int>(min_, max_);
    const int high = std::max<int>(min_, max_);
    int next = Position() + direction * increment_;
    if (next > high) {
        next = wrap_ ? low : high;
    } else if (next < low) {
        next = wrap_ ? high : low;
    }
    SetPosition(next);
}

std::int16_t UpDown::Clamped(std::int32_t value) const {
    const std::int32_t low = std::min<std::int32_t>(min_, max_);
    const std::int32_t high = std::max<std::int32_t>(min_, max_);
    return static_cast<std::int16_t>(std::clamp(value, low, high));
}

void UpDown::ShowPosition() {
    if (edit_) {
        edit_->setText(Format(position_));
    }
}

QString UpDown::Format(int value) const {
    QString digits = QString::number(value < 0 ? -value : value);
    if (thousands_) {
        for (qsizetype at = digits.size() - ThousandsGroup; at > 0; at -= ThousandsGroup) {
            digits.insert(at, QLatin1Char(','));
        }
    }
    return value < 0 ? QLatin1Char('-') + digits : digits;
}

bool UpDown::ParseEdit(std::int16_t& value) const {
    if (!edit_) {
        return false;
    }
    QString digits = edit_->text();
    const bool negative = digits.startsWith(QLatin1Char('-'));
    if (negative) {
        digits.remove(0, 1);
    }
    if (thousands_ && !StripGroupSeparators(digits)) {
        return false;
    }
    if (digits.isEmpty() || !std::all_of(digits.cbegin(), digits.cend(), IsAsciiDigit)) {
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
    if (number < std::min<int>(min_, max_) || number > std::max<int>(min_, max_)) {
        return false;
    }
    value = static_cast<std::int16_t>(number);
    return true;
}

bool UpDown::eventFilter(QObject* watched, QEvent* event) {
    if (watched == edit_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
        if (modifiers == Qt::NoModifier && key->key() == Qt::Key_Up) {
            StepUp();
            return true;
        }
        if (modifiers == Qt::NoModifier && key->key() == Qt::Key_Down) {
            StepDown();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void UpDown::resizeEvent(QResizeEvent*) {
    const int upperHeight = height() / 2;
    up_->setGeometry(0, 0, width(), upperHeight);
    down_->setGeometry(0, upperHeight, width(), height() - upperHeight);
}
