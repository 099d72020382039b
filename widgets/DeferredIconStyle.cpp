#include "DeferredIconStyle.h"

#include <QIconEngine>
#include <QPointer>
#include <QStyleOption>
#include <functional>

namespace {

// An icon that asks for the real one when it is first drawn or measured, and
// from then on answers with it.
class DeferredIconEngine : public QIconEngine {
public:
    explicit DeferredIconEngine(std::function<QIcon()> make) : m_make(std::move(make)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override {
        return icon().pixmap(size, scale, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return icon().availableSizes(mode, state);
    }
    QIconEngine* clone() const override { return new DeferredIconEngine(*this); }
    QString key() const override { return QStringLiteral("DeferredIconEngine"); }

private:
    const QIcon& icon() {
        if (m_make) {
            m_icon = m_make();
            m_make = nullptr;
        }
        return m_icon;
    }

    std::function<QIcon()> m_make;
    QIcon m_icon;
};

} // namespace

DeferredIconStyle::DeferredIconStyle(const QString& baseKey) : QProxyStyle(baseKey) {}

QIcon DeferredIconStyle::standardIcon(StandardPixmap standardIcon, const QStyleOption* option,
                                      const QWidget* widget) const {
    if (standardIcon != SP_ToolBarHorizontalExtensionButton &&
        standardIcon != SP_ToolBarVerticalExtensionButton) {
        return QProxyStyle::standardIcon(standardIcon, option, widget);
    }
    // The caller's option is gone by the time the icon is drawn; of it, the
    // base style reads only the layout direction for these icons.
    const bool hasOption = option != nullptr;
    const Qt::LayoutDirection direction = hasOption ? option->direction : Qt::LeftToRight;
    const QPointer<QStyle> base = baseStyle();
    return QIcon(new DeferredIconEngine([base, standardIcon, hasOption, direction] {
        if (!base) {
            return QIcon();
        }
        if (!hasOption) {
            return base->standardIcon(standardIcon);
        }
        QStyleOption directed;
        directed.direction = direction;
        return base->standardIcon(standardIcon, &directed);
    }));
}
