#pragma once

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <functional>

// Answers the next modal dialog from inside its own event loop. A timer polls
// for it every few milliseconds (a zero-delay shot would fire before the
// dialog is up) and runs `answer` on it once. A dialog the answer leaves open
// is rejected after a while, so a wrong answer fails the test instead of
// hanging it. `skip` is a dialog that is already open and is not meant.
class ModalAnswer {
public:
    explicit ModalAnswer(std::function<void(QDialog&)> answer, QWidget* skip = nullptr)
        : m_answer(std::move(answer)), m_skip(skip) {
        QObject::connect(&m_timer, &QTimer::timeout, [this] { poll(); });
        m_timer.start(PollMilliseconds);
    }

    bool answered() const { return m_answeredOnce; }
    bool leftOpen() const { return m_leftOpen; }

private:
    static constexpr int PollMilliseconds = 5;
    static constexpr int PatiencePolls = 400;

    void poll() {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog || dialog == m_skip) {
            return;
        }
        if (!m_answeredOnce) {
            m_answered = dialog;
            m_answeredOnce = true;
            m_answer(*dialog);
            if (!m_answered || !m_answered->isVisible()) {
                m_timer.stop();
            }
        } else if (dialog == m_answered && ++m_openPolls > PatiencePolls) {
            m_leftOpen = true;
            m_timer.stop();
            dialog->done(-1);
        }
    }

    std::function<void(QDialog&)> m_answer;
    QWidget* m_skip;
    QPointer<QDialog> m_answered;
    bool m_answeredOnce = false;
    int m_openPolls = 0;
    bool m_leftOpen = false;
    QTimer m_timer;
};

// The names among `names` of the dialog's children that are on screen.
inline QStringList visibleParts(const QDialog& dialog, const QStringList& names) {
    QStringList visible;
    for (const QString& name : names) {
        const auto* part = dialog.findChild<QWidget*>(name);
        if (part && part->isVisible()) {
            visible << name;
        }
    }
    return visible;
}

template <typename T = QWidget> T* part(const QDialog& dialog, const char* name) {
    return dialog.findChild<T*>(QString::fromLatin1(name));
}
