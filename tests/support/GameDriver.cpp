#include "GameDriver.h"

#include <QCoreApplication>
#include <QEvent>

GameDriver::GameDriver()
    : controller(ControllerPorts{drum, view, remarks, statusPanel, results, clock, course}) {
    course.buildCourse();
    fillDefaultRecord(recordTemplate, nullptr);
    controller.listenTo(&drum, &view);
    controller.installEventFilter(this);
    // Queued behind the controller's own connections, so each runs just
    // after the controller has handled the same report.
    auto report = [this](Report::Kind kind, int value, SquareKind confirmed) {
        if (afterDeliver)
            afterDeliver(Report{kind, value, confirmed});
    };
    connect(
        &drum, &FakeSlotDrum::stopped, &controller,
        [report](int n) { report(Report::Kind::DrumStopped, n, {}); }, Qt::QueuedConnection);
    connect(
        &drum, &FakeSlotDrum::eventConfirmed, &controller,
        [report](SquareKind kind) { report(Report::Kind::EventConfirmed, 0, kind); },
        Qt::QueuedConnection);
    connect(
        &view, &FakeCourseView::squareWalked, &controller,
        [report](int step) { report(Report::Kind::SquareWalked, step, {}); }, Qt::QueuedConnection);
    connect(
        &view, &FakeCourseView::animationFinished, &controller,
        [report] { report(Report::Kind::AnimationFinished, 0, {}); }, Qt::QueuedConnection);
}

void GameDriver::deliverQueued() {
    // Qt delivers only what was posted before the call began. Every receiver
    // at once: only then does Qt tidy up its queue.
    QCoreApplication::sendPostedEvents();
}

bool GameDriver::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &controller && event->type() == QEvent::MetaCall) {
        ++m_delivered;
    }
    return false;
}

void GameDriver::startGame() {
    controller.startGame(recordTemplate);
}

void GameDriver::settle() {
    for (;;) {
        const int before = m_delivered;
        deliverQueued();
        if (m_delivered != before) {
            continue; // what was delivered may have queued more
        }
        if (view.animating()) {
            view.tick();
        } else {
            return;
        }
    }
}

void GameDriver::spin(int number) {
    drum.click();
    drum.click();
    drum.boundary(number);
    settle();
}

void GameDriver::confirm() {
    drum.click();
    settle();
}

int GameDriver::playToEnd(const std::function<int()>& nextNumber, int maxTurns) {
    settle();
    int turns = 0;
    while (!finished() && turns < maxTurns) {
        if (drum.mode == FakeSlotDrum::Mode::Start) {
            spin(nextNumber());
            ++turns;
        } else if (drum.mode == FakeSlotDrum::Mode::Confirm) {
            confirm();
        } else {
            break; // waiting for nothing the player can do
        }
    }
    return turns;
}
