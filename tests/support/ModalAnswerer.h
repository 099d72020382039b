#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QPointer>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <functional>
#include <vector>

// Answers modal dialogs from inside their own event loops: each one that comes
// up gets the next queued answer. A timer polls for the active modal widget
// every few milliseconds, since a zero-time single shot fires too early when
// the code spins the loop before exec(). A modal nobody answers, or one its
// answer leaves open, fails the test and is closed after a deadline, so a
// wrong answer ends in a failure instead of a hang.
class ModalAnswerer : public QObject {
public:
    using Answer = std::function<void(QDialog&)>;

    // `ignored` is a dialog already open that is not meant, such as the one
    // whose answer opens the dialog this answerer is for.
    explicit ModalAnswerer(QWidget* ignored = nullptr) : m_ignored(ignored) {
        connect(&m_timer, &QTimer::timeout, this, &ModalAnswerer::poll);
        m_timer.start(PollMilliseconds);
    }
    explicit ModalAnswerer(Answer first, QWidget* ignored = nullptr) : ModalAnswerer(ignored) {
        then(std::move(first));
    }

    void then(Answer answer) { m_answers.push_back(std::move(answer)); }
    bool allAnswered() const { return m_next == m_answers.size(); }
    // The object names of the modals answered, in order.
    const QStringList& seen() const { return m_seen; }

    // Clicks the dialog's button `name`.
    static Answer click(const char* name) {
        return [name](QDialog& dialog) { clickButton(dialog, name); };
    }
    static void clickButton(QDialog& dialog, const char* name) {
        auto* button = dialog.findChild<QAbstractButton*>(QString::fromLatin1(name));
        QVERIFY2(button, name);
        button->click();
    }
    // Presses `key` on the dialog's focused control once the dialog holds the
    // focus (where a compositor hands the keyboard over, that takes a moment).
    static Answer pressKey(Qt::Key key) {
        return [key](QDialog& dialog) {
            QTRY_VERIFY(dialog.isAncestorOf(QApplication::focusWidget()));
            QTest::keyClick(QApplication::focusWidget(), key);
        };
    }

private:
    static constexpr int PollMilliseconds = 5;
    // Far beyond any answer's own work on a loaded machine, and well inside
    // the test function's time limit.
    static constexpr qint64 DeadlineMilliseconds = 15000;
    // The result a dialog closed by the deadline ends with: no button's.
    static constexpr int NoAnswer = -1;

    void poll() {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || modal == m_ignored || !modal->isVisible()) {
            m_waiting = nullptr;
            return;
        }
        if (modal == m_answering) {
            return; // its answer is still running, spinning the loop
        }
        auto* dialog = qobject_cast<QDialog*>(modal);
        if (dialog && m_next < m_answers.size()) {
            m_seen << dialog->objectName();
            const QPointer<QWidget> outer = m_answering;
            m_answering = dialog;
            m_answers[m_next++](*dialog);
            m_answering = outer;
            m_waiting = nullptr;
            return;
        }
        if (modal != m_waiting) {
            m_waiting = modal;
            m_open.start();
        } else if (m_open.hasExpired(DeadlineMilliseconds)) {
            m_waiting = nullptr;
            const QByteArray what = "the modal " + modal->objectName().toUtf8() +
                                    " stayed open with no answer left for it";
            QTest::qFail(what.constData(), __FILE__, __LINE__);
            if (dialog) {
                dialog->done(NoAnswer);
            } else {
                modal->close();
            }
        }
    }

    QTimer m_timer;
    QPointer<QWidget> m_ignored;
    std::vector<Answer> m_answers;
    std::size_t m_next = 0;
    QStringList m_seen;
    QPointer<QWidget> m_answering;
    QPointer<QWidget> m_waiting;
    QElapsedTimer m_open;
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
