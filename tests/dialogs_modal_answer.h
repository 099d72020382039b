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
        : answer_(std::move(answer)), skip_(skip) {
        QObject::connect(&timer_, &QTimer::timeout, [this] { Poll(); });
        timer_.start(PollMilliseconds);
    }

    bool Answered() const { return answeredOnce_; }
    bool LeftOpen() const { return leftOpen_; }

private:
    static constexpr int PollMilliseconds = 5;
    static constexpr int PatiencePolls = 400;

    void Poll() {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog || dialog == skip_) {
            return;
        }
        if (!answeredOnce_) {
            answered_ = dialog;
            answeredOnce_ = true;
            answer_(*dialog);
            if (!answered_ || !answered_->isVisible()) {
                timer_.stop();
            }
        } else if (dialog == answered_ && ++openPolls_ > PatiencePolls) {
            leftOpen_ = true;
            timer_.stop();
            dialog->done(-1);
        }
    }

    std::function<void(QDialog&)> answer_;
    QWidget* skip_;
    QPointer<QDialog> answered_;
    bool answeredOnce_ = false;
    int openPolls_ = 0;
    bool leftOpen_ = false;
    QTimer timer_;
};

// The names among `names` of the dialog's children that are on screen.
inline QStringList VisibleParts(const QDialog& dialog, const QStringList& names) {
    QStringList visible;
    for (const QString& name : names) {
        const auto* part = dialog.findChild<QWidget*>(name);
        if (part && part->isVisible()) {
            visible << name;
        }
    }
    return visible;
}

template <typename T = QWidget> T* Part(const QDialog& dialog, const char* name) {
    return dialog.findChild<T*>(QString::fromLatin1(name));
}
