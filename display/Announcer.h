#pragma once

#include <QCoreApplication>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <deque>

class QWidget;

// Tells a screen reader what a sighted player sees happen: the drum's number,
// the square reached with its remark and event, the stamina and distance
// after a walk, and the drum button's new caption. What is announced in one
// pass of the event loop is spoken as one sentence, so that no part of it
// interrupts another.
//
// Qt 6.4 sends the object instead of the new text with a name or description
// change, and Orca 43 then speaks nothing; it also ignores changes of objects
// that do not have the focus. It does speak every notification that is shown,
// wherever it is: so each announcement is a new, empty notification widget
// whose accessible name is the text, shown once.
class Announcer {
    Q_DECLARE_TR_FUNCTIONS(Announcer)

public:
    explicit Announcer(QWidget* parent);
    ~Announcer();
    Announcer(const Announcer&) = delete;
    Announcer& operator=(const Announcer&) = delete;

    // After the drum stops: the number beside the arrow.
    void announceDrumResult(int number);
    // After a walk ends: the square, the remark shown for it and the event the
    // drum button offers (empty when none).
    void announceSquare(int square, const QString& remark, const QString& event);
    // Stamina and distance left, spoken only when they changed since the last time.
    void announceStatus(int stamina, int distance);
    // The drum button's caption, spoken when it changes; a blank caption is
    // not spoken.
    void announceCaption(const QString& caption);
    // Any other sentence.
    void announceText(const QString& text);
    // A new game: the status and the caption count as unspoken.
    void reset();

    // The announcements shown so far that still exist, oldest first.
    QStringList recentAnnouncements() const;

private:
    void flush();

    QWidget* m_parent;
    QStringList m_pending;
    bool m_flushQueued = false;
    std::deque<QPointer<QWidget>> m_notices;
    int m_spokenStamina = -1;
    int m_spokenDistance = -1;
    QString m_spokenCaption;
};
