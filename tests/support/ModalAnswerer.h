#pragma once

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <vector>

// Answers modal dialogs as they come up: polls for the active modal widget every
// few milliseconds (a zero-time single shot would fire before the dialog's own
// loop runs) and hands each new one to the next queued answer.
class ModalAnswerer : public QObject {
public:
    using Answer = std::function<void(QWidget*)>;

    ModalAnswerer() {
        m_timer.setInterval(5);
        QObject::connect(&m_timer, &QTimer::timeout, this, [this] { poll(); });
        m_timer.start();
    }

    void then(Answer answer) { m_answers.push_back(std::move(answer)); }
    // Every modal seen, in order, by object name.
    const std::vector<QString>& Seen() const { return m_seen; }
    bool allAnswered() const { return m_next == m_answers.size(); }

private:
    void poll() {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || modal == m_last || !modal->isVisible()) {
            return;
        }
        m_last = modal;
        m_seen.push_back(modal->objectName());
        if (m_next < m_answers.size()) {
            Answer answer = m_answers[m_next++];
            answer(modal);
        }
        m_last = nullptr;
    }

    QTimer m_timer;
    std::vector<Answer> m_answers;
    std::size_t m_next = 0;
    std::vector<QString> m_seen;
    QPointer<QWidget> m_last;
};
