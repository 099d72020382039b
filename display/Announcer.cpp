#include "Announcer.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QTimer>
#include <QWidget>

namespace {

// The object name that gives a widget the notification role.
const QString NoticeName = QStringLiteral("announcement");
// Notices kept alive so that a screen reader still reads the ones it has
// not reached yet; older ones are deleted.
constexpr std::size_t KeptNotices = 8;

QAccessibleInterface* noticeInterface(const QString& className, QObject* object) {
    if (className == QLatin1String("QWidget") && object && object->objectName() == NoticeName) {
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Notification);
    }
    return nullptr;
}

} // namespace

Announcer::Announcer(QWidget* parent) : m_parent(parent) {
    static const bool installed = [] {
        QAccessible::installFactory(noticeInterface);
        return true;
    }();
    Q_UNUSED(installed);
}

Announcer::~Announcer() = default;

void Announcer::announceDrumResult(int number) {
    //: Spoken when the drum stops: the number the heroine walks.
    announceText(tr("%1 が出た").arg(number));
}

void Announcer::announceSquare(int square, const QString& remark, const QString& event) {
    //: Spoken when a walk ends: the square reached.
    QString text = tr("%1 マス目").arg(square);
    if (!remark.trimmed().isEmpty()) {
        text += QLatin1Char(' ') + remark.simplified();
    }
    announceText(text);
    if (!event.isEmpty()) {
        announceCaption(event);
    }
}

void Announcer::announceStatus(int stamina, int distance) {
    QStringList parts;
    if (stamina != m_spokenStamina) {
        //: Spoken when the stamina changed.
        parts << tr("体力 %1").arg(stamina);
    }
    if (distance != m_spokenDistance) {
        //: Spoken when the distance to the goal changed.
        parts << tr("ゴールまで あと %1 歩").arg(distance);
    }
    m_spokenStamina = stamina;
    m_spokenDistance = distance;
    if (!parts.isEmpty()) {
        announceText(parts.join(QLatin1Char(' ')));
    }
}

void Announcer::announceCaption(const QString& caption) {
    if (caption == m_spokenCaption) {
        return;
    }
    m_spokenCaption = caption;
    if (!caption.isEmpty()) {
        //: Spoken when the drum button shows a new caption.
        announceText(tr("ボタン %1").arg(caption));
    }
}

void Announcer::announceText(const QString& text) {
    if (text.isEmpty() || m_pending.contains(text)) {
        return;
    }
    m_pending << text;
    if (!m_flushQueued) {
        m_flushQueued = true;
        QTimer::singleShot(0, m_parent, [this] { flush(); });
    }
}

void Announcer::reset() {
    m_spokenStamina = -1;
    m_spokenDistance = -1;
    m_spokenCaption.clear();
}

void Announcer::flush() {
    m_flushQueued = false;
    if (m_pending.isEmpty()) {
        return;
    }
    //: Joins the parts of one announcement.
    const QString text = m_pending.join(tr("、"));
    m_pending.clear();
    // A notice of no size: it is seen by the screen reader, never on the screen.
    auto* notice = new QWidget(m_parent);
    notice->setObjectName(NoticeName);
    notice->setGeometry(0, 0, 0, 0);
    notice->setAccessibleName(text);
    notice->show();
    m_notices.push_back(notice);
    while (m_notices.size() > KeptNotices) {
        if (QWidget* old = m_notices.front()) {
            old->deleteLater();
        }
        m_notices.pop_front();
    }
}

QStringList Announcer::recentAnnouncements() const {
    QStringList texts;
    for (const auto& notice : m_notices) {
        if (notice) {
            texts << notice->accessibleName();
        }
    }
    return texts;
}
