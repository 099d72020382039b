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
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, this, [this] { Poll(); });
        timer_.start();
    }

    void Then(Answer answer) { answers_.push_back(std::move(answer)); }
    // Every modal seen, in order, by object name.
    const std::vector<QString>& Seen() const { return seen_; }
    bool AllAnswered() const { return next_ == answers_.size(); }

private:
    void Poll() {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || modal == last_ || !modal->isVisible()) {
            return;
        }
        last_ = modal;
        seen_.push_back(modal->objectName());
        if (next_ < answers_.size()) {
            Answer answer = answers_[next_++];
            answer(modal);
        }
        last_ = nullptr;
    }

    QTimer timer_;
    std::vector<Answer> answers_;
    std::size_t next_ = 0;
    std::vector<QString> seen_;
    QPointer<QWidget> last_;
};
