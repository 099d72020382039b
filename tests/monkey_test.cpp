// A monkey plays the real program in-process: the real form set offscreen, a
// seeded stream of what a person can do (menu commands, clicks and double clicks
// on the drum, keys, answers to every dialog, good and bad text), interleaved
// at random with the drum's and the view's timer ticks and the delivery of the
// posted game messages. After every action an invariant checker looks at the
// whole program; the first fault stops the run and is reported with the seed.
//
// Settings: IPPON_MONKEY_SEED (default: from the clock), IPPON_MONKEY_ACTIONS
// (default 10000), IPPON_MONKEY_GAMES (default 100), IPPON_MONKEY_LOG=1 prints
// every action; or the arguments --seed=N --actions=N --games=N.

// Clicks and keys go through the window system layer, so that a modal dialog
// blocks them and they land on whatever widget is at that place, as with a mouse.
#define QTEST_QPA_MOUSE_HANDLING

#include "AboutDialog.h"
#include "AnimatedCourseView.h"
#include "support/CourseViewTimer.h"
#include "DrumRandom.h"
#include "GameApplication.h"
#include "GameController.h"
#include "MessageBox.h"
#include "NameDialog.h"
#include "OptionsDialog.h"
#include "RemarkBox.h"
#include "ResultDialog.h"
#include "SlotDrum.h"
#include "StatusPanelWidget.h"
#include "UpDown.h"
#include "support/BadInput.h"
#include "support/SettleForm.h"
#include "support/TestWindows.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QToolButton>
#include <QtTest>
#include <chrono>
#include <cstdlib>
#include <functional>
#include <optional>
#include <random>
#include <vector>

namespace {

struct MonkeyOptions {
    std::uint32_t seed = 0;
    long actions = 10000;
    long games = 100;
    bool log = false;
};

// Takes our settings from the environment and then from --name=value
// arguments, which are removed so that Qt Test does not see them.
MonkeyOptions readOptions(std::vector<char*>& args) {
    MonkeyOptions options;
    options.seed = static_cast<std::uint32_t>(
        std::chrono::system_clock::now().time_since_epoch().count() & 0x7FFFFFFF);
    const auto number = [](const char* text, long fallback) {
        if (!text || !*text) {
            return fallback;
        }
        char* end = nullptr;
        const long value = std::strtol(text, &end, 10);
        return *end == '\0' && value >= 0 ? value : fallback;
    };
    options.seed =
        static_cast<std::uint32_t>(number(std::getenv("IPPON_MONKEY_SEED"), options.seed));
    options.actions = number(std::getenv("IPPON_MONKEY_ACTIONS"), options.actions);
    options.games = number(std::getenv("IPPON_MONKEY_GAMES"), options.games);
    options.log = number(std::getenv("IPPON_MONKEY_LOG"), 0) != 0;
    std::vector<char*> rest;
    for (char* arg : args) {
        const QByteArray a(arg);
        const auto value = [&](const char* name) { return a.mid(static_cast<int>(strlen(name))); };
        if (a.startsWith("--seed=")) {
            options.seed =
                static_cast<std::uint32_t>(number(value("--seed=").constData(), options.seed));
        } else if (a.startsWith("--actions=")) {
            options.actions = number(value("--actions=").constData(), options.actions);
        } else if (a.startsWith("--games=")) {
            options.games = number(value("--games=").constData(), options.games);
        } else {
            rest.push_back(arg);
        }
    }
    args = rest;
    return options;
}

bool inProgress(GameState state) {
    return state != GameState::NotStarted && state != GameState::GameOver &&
           state != GameState::Goal;
}

// Sees every queued report delivered to the game controller, before and after.
class ReportObserver {
public:
    virtual ~ReportObserver() = default;
    virtual QObject* target() const = 0;
    virtual void beforeReport() = 0;
    virtual void afterReport() = 0;
};

// The application object of the program, with two test seams: the program's
// own timers are kept silent, because the monkey ticks the drum and the view
// itself, and the queued reports to the controller are observed.
class MonkeyApplication : public GameApplication {
public:
    MonkeyApplication(int& argc, char** argv) : GameApplication(argc, argv) {}

    ReportObserver* observer = nullptr;
    QObject* allowedTimer = nullptr; // the modal answerer's poll

    bool notify(QObject* receiver, QEvent* event) override {
        if (event->type() == QEvent::Timer && receiver != allowedTimer &&
            qobject_cast<QTimer*>(receiver)) {
            return true;
        }
        if (observer && receiver == observer->target() && event->type() == QEvent::MetaCall) {
            observer->beforeReport();
            const bool handled = GameApplication::notify(receiver, event);
            observer->afterReport();
            return handled;
        }
        return GameApplication::notify(receiver, event);
    }
};

MonkeyApplication* app() {
    return static_cast<MonkeyApplication*>(QCoreApplication::instance());
}

// Valid range of each debug row, in row order.
struct RowRange {
    int minimum;
    int maximum;
};
constexpr std::array<RowRange, OptionsDialog::RowCount> DebugRows{{{1, 101},
                                                                   {1, 100},
                                                                   {1, 6},
                                                                   {1, 6},
                                                                   {0, 2},
                                                                   {10, 1000},
                                                                   {1, 30},
                                                                   {10, 300},
                                                                   {10, 300},
                                                                   {10, 300}}};

std::array<std::int32_t, OptionsDialog::RowCount> debugFields(const GameRecord& r) {
    return {r.currentSquare, r.stamina,       r.drumMin,      r.drumMax,         r.arrowRow,
            r.spinInterval,  r.rotationWidth, r.walkInterval, r.forwardInterval, r.backInterval};
}

} // namespace

class MonkeyTest : public QObject, public ReportObserver {
    Q_OBJECT
public:
    explicit MonkeyTest(const MonkeyOptions& options)
        : m_options(options), m_random(options.seed), m_input(m_random) {}

    // Asked at every event, so it must not build the game screen itself.
    QObject* target() const override { return m_controller; }

private slots:
    void initTestCase() {
        seedRandom(m_options.seed); // before the drum seeds it from the clock
        setMessageBoxHook([this](const QString& text) {
            reportFault(QStringLiteral("a wrong-sequence message box appeared: ") + text);
        });
        app()->observer = this;
        m_poll.setInterval(0);
        app()->allowedTimer = &m_poll;
        connect(&m_poll, &QTimer::timeout, this, [this] { poll(); });
        m_poll.start();
        qInfo("monkey seed %u, at least %ld actions and %ld games (IPPON_MONKEY_SEED=%u to repeat)",
              m_options.seed, m_options.actions, m_options.games, m_options.seed);
    }

    void cleanupTestCase() {
        m_poll.stop();
        app()->observer = nullptr;
        setMessageBoxHook(nullptr);
        m_controller = nullptr;
        m_windows.reset();
    }

    void monkeyFindsNoFault() {
        QElapsedTimer clock;
        clock.start();
        // Plenty of room, so that a run that cannot reach its games still ends.
        const long actionLimit = std::max(m_options.actions, m_options.games * 2000);
        newProgram();
        while (m_faults.isEmpty() &&
               (m_actions < m_options.actions || m_gamesStarted < m_options.games) &&
               m_actions < actionLimit) {
            step();
            if (m_windows && !mainWindow().isVisible()) {
                newProgram(); // the program was closed; a person starts it again
            }
        }
        const qint64 ms = clock.elapsed();
        qInfo("monkey seed %u: %ld actions, %ld games started (%ld goals, %ld game overs), "
              "%ld dialogs answered, %ld program starts, %lld ms",
              m_options.seed, m_actions, m_gamesStarted, m_goals, m_gameOvers, m_dialogs,
              m_programStarts, static_cast<long long>(ms));
        for (auto it = m_tally.cbegin(); it != m_tally.cend(); ++it) {
            qInfo("  %6ld  %s", it.value(), qPrintable(it.key()));
        }
        QVERIFY2(m_faults.isEmpty(),
                 qPrintable(QStringLiteral("seed %1, action %2: %3\nlast actions:\n%4")
                                .arg(m_options.seed)
                                .arg(m_actions)
                                .arg(m_faults.join(QStringLiteral("\n")))
                                .arg(m_recent.join(QStringLiteral("\n")))));
        QVERIFY2(
            m_gamesStarted >= m_options.games,
            qPrintable(
                QStringLiteral("only %1 games in %2 actions").arg(m_gamesStarted).arg(m_actions)));
    }

private:
    // ------------------------------------------------------------ the program
    MainWindow& mainWindow() { return m_windows->mainWindow(); }
    const GameRecord& liveRecord() { return mainWindow().controller().liveRecord(); }

    void newProgram() {
        m_controller = nullptr;
        m_windows.reset();
        // A person's program asks before it quits; the monkey answers.
        m_windows = std::make_unique<TestWindows>(TestWindows::QuitQuestion::Asked);
        m_controller = &mainWindow().controller();
        ++m_programStarts;
        m_gameStarted = false;
        m_quiet = false;
        m_viewTicked = false;
        m_drumTicked = false;
        m_drumPresses = 0;
        connect(mainWindow().drum().slotButton(), &QPushButton::pressed, this,
                [this] { ++m_drumPresses; });
        // Queued behind the controller's own connections: each runs after the
        // controller has handled the same report.
        SlotDrum* drum = &mainWindow().drum();
        AnimatedCourseView* view = &mainWindow().courseView();
        connect(
            view, &AnimatedCourseView::squareWalked, this,
            [this](int step) { checkSquareWalked(step); }, Qt::QueuedConnection);
        connect(
            view, &AnimatedCourseView::animationFinished, this,
            [this] { checkArrival(QStringLiteral("the end of an animation")); },
            Qt::QueuedConnection);
        connect(
            drum, &SlotDrum::stopped, this,
            [this] { checkArrival(QStringLiteral("the drum's result")); }, Qt::QueuedConnection);
        connect(
            drum, &SlotDrum::eventConfirmed, this,
            [this](SquareKind kind) { checkEventConfirmed(kind); }, Qt::QueuedConnection);
        connect(
            &mainWindow().controller(), &GameController::eventApplied, this,
            [this] { checkNextTurn(); }, Qt::QueuedConnection);
        check("start");
    }

    // ---------------------------------------------------------------- faults
    void reportFault(const QString& what) {
        if (m_faults.size() < 5) {
            m_faults << what;
        }
    }

    // How often the moments that matter came up, for the report.
    void tally(const char* what) { ++m_tally[QString::fromUtf8(what)]; }

    void did(const QString& action) {
        ++m_actions;
        m_recent << QString::number(m_actions) + QLatin1Char(' ') + action;
        if (m_recent.size() > 25) {
            m_recent.removeFirst();
        }
        if (m_options.log) {
            qInfo("%ld %s", m_actions, qPrintable(action));
        }
    }

    // --------------------------------------------------------------- choices
    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_random); }
    bool chance(int percent) { return below(100) < percent; }

    // Picks an index by weight; the weights must not all be 0.
    int pick(std::initializer_list<int> weights) {
        int total = 0;
        for (int w : weights) {
            total += w;
        }
        int r = below(total);
        int index = 0;
        for (int w : weights) {
            if (r < w) {
                return index;
            }
            r -= w;
            ++index;
        }
        return index - 1;
    }

    // --------------------------------------------------------- main-loop step
    void step() {
        SlotDrum& slot = mainWindow().drum();
        AnimatedCourseView& display = mainWindow().courseView();
        const bool buttonShown = slot.slotButton()->isVisible();
        // Now and then a patient player leaves the menu alone and clicks only
        // what the button offers until the game has ended, so that games also
        // reach the goal or run out of stamina.
        // Patience ends too where a game can go no further (started on the goal
        // square from the debug panel).
        const bool patient = m_patient && m_actions < m_patientUntil && m_gameStarted &&
                             mainWindow().onGameScreen() && inProgress(liveRecord().state);
        const bool offered = !slot.slotButton()->text().isEmpty();
        switch (pick({patient ? 100 : 200, 60, courseAnimationTimer(display).isActive() ? 250 : 0,
                      drumSpins(slot) ? 100 : 0, buttonShown && (offered || !patient) ? 140 : 0,
                      patient ? 0 : 40, patient ? 0 : 20})) {
        case 0:
            did(QStringLiteral("deliver posted messages"));
            deliver();
            m_quiet = false;
            break;
        case 1:
            deliverAll();
            break;
        case 2:
            did(QStringLiteral("view tick"));
            viewTick();
            break;
        case 3:
            did(QStringLiteral("drum tick"));
            drumTick();
            break;
        case 4:
            clickDrum();
            break;
        case 5:
            menuCommand();
            break;
        default:
            clickSomewhere();
            break;
        }
        check("after the action");
    }

    // One turn of the event loop's delivery of posted events.
    void deliver() {
        QCoreApplication::sendPostedEvents();
        m_viewTicked = false;
        m_drumTicked = false;
    }

    // A timer fires at most once in a turn of the event loop, and every turn
    // delivers the posted events; so what one tick posted is delivered before
    // the same timer ticks again. The two timers may tick in one turn, and
    // clicks may come between a tick and the delivery.
    void viewTick() {
        if (m_viewTicked) {
            deliver();
        }
        m_quiet = false;
        if (courseAnimationTimer(mainWindow().courseView()).isActive()) {
            mainWindow().courseView().animationTick();
            m_viewTicked = true;
        }
    }

    void drumTick() {
        if (m_drumTicked) {
            deliver();
        }
        m_quiet = false;
        if (drumSpins(mainWindow().drum())) {
            mainWindow().drum().spinTick();
            m_drumTicked = true;
        }
    }

    // Delivers posted messages until a round delivers no game message.
    void deliverAll() {
        did(QStringLiteral("deliver until quiet"));
        for (int round = 0; round < 1000; ++round) {
            const long before = m_delivered;
            deliver();
            if (m_delivered == before) {
                m_quiet = true;
                return;
            }
        }
        reportFault(QStringLiteral("game messages keep coming without any tick or click"));
    }

    void clickDrum() {
        QPushButton* button = mainWindow().drum().slotButton();
        m_quiet = false;
        if (mainWindow().courseView().animation() == CourseAnimation::Entry) {
            tally("drum clicks during the entry");
        }
        switch (pick({40, 30, 15, 5, 10})) {
        case 0:
            did(QStringLiteral("drum button click (") + button->text() + QLatin1Char(')'));
            button->click();
            break;
        case 1:
            did(QStringLiteral("drum button mouse click (") + button->text() + QLatin1Char(')'));
            QTest::mouseClick(button, Qt::LeftButton);
            break;
        case 2:
            tally(button->text().isEmpty() ? "double clicks on the blank button"
                                           : "double clicks on a caption");
            did(QStringLiteral("drum button double click (") + button->text() + QLatin1Char(')'));
            QTest::mouseDClick(button, Qt::LeftButton);
            break;
        case 3:
            did(QStringLiteral("drum button two quick clicks (") + button->text() +
                QLatin1Char(')'));
            button->click();
            button->click();
            break;
        default: {
            const Qt::Key key =
                std::array{Qt::Key_Space, Qt::Key_Return, Qt::Key_Escape, Qt::Key_Tab}[below(4)];
            did(QStringLiteral("key %1 to the main window").arg(QKeySequence(key).toString()));
            QTest::keyClick(mainWindow().windowHandle(), key);
            break;
        }
        }
    }

    // A click anywhere in the client area: the title picture, hidden views,
    // the course view, the status panel, the remark window.
    void clickSomewhere() {
        QWidget* client = mainWindow().clientArea();
        const QPoint local(below(client->width()), below(client->height()));
        const QPoint inWindow = client->mapTo(&mainWindow(), local);
        did(QStringLiteral("mouse click at client (%1, %2)").arg(local.x()).arg(local.y()));
        if (!mainWindow().onGameScreen()) {
            tally("clicks on the title screen over the hidden views");
        }
        m_quiet = false;
        if (chance(20)) {
            QTest::mouseDClick(mainWindow().windowHandle(), Qt::LeftButton, {}, inWindow);
        } else {
            QTest::mouseClick(mainWindow().windowHandle(), Qt::LeftButton, {}, inWindow);
        }
    }

    // An item a person can click: enabled, visible, in an enabled menu.
    bool reachable(const char* item, const char* menu) {
        QAction* action = mainWindow().menuItem(item);
        return action->isEnabled() && action->isVisible() &&
               mainWindow().menu(menu)->menuAction()->isEnabled();
    }

    void menuCommand() {
        // Now and then the title bar's close box instead of the menu: it shows
        // the farewell without asking first.
        if (chance(1)) {
            did(QStringLiteral("the main window's close box"));
            tally("main window closed by its close box");
            m_quiet = false;
            mainWindow().close();
            return;
        }
        struct Item {
            const char* name;
            const char* menu;
            int weight;
        };
        static constexpr Item items[] = {
            {"startGameAction", "fileMenu", 30},     {"restartGameAction", "fileMenu", 30},
            {"returnToTitleAction", "fileMenu", 20}, {"enterNameAction", "fileMenu", 20},
            {"optionsAction", "optionsMenu", 8},     {"debugAction", "optionsMenu", 25},
            {"notesAction", "helpMenu", 4},          {"versionAction", "helpMenu", 4},
            {"closeAction", "fileMenu", 1}};
        std::vector<int> weights;
        for (const Item& item : items) {
            weights.push_back(reachable(item.name, item.menu) ? item.weight : 0);
        }
        int total = 0;
        for (int w : weights) {
            total += w;
        }
        if (total == 0) {
            reportFault(QStringLiteral("no menu item can be clicked"));
            return;
        }
        int r = below(total);
        std::size_t chosen = 0;
        while (r >= weights[chosen]) {
            r -= weights[chosen++];
        }
        const Item& item = items[chosen];
        QAction* action = mainWindow().menuItem(item.name);
        did(QStringLiteral("menu ") + action->text());
        m_quiet = false;

        // A marker in a field the game never reads tells whether a game was
        // set up from the template (the quit confirmation may say No).
        const bool starts = qstrcmp(item.name, "startGameAction") == 0 ||
                            qstrcmp(item.name, "restartGameAction") == 0;
        const bool leaves = qstrcmp(item.name, "restartGameAction") == 0 ||
                            qstrcmp(item.name, "returnToTitleAction") == 0;
        if (leaves && courseAnimationTimer(mainWindow().courseView()).isActive()) {
            tally("やり直し or タイトルへ戻る during a walk or the entry");
        }
        if (leaves && drumSpins(mainWindow().drum())) {
            tally("やり直し or タイトルへ戻る during a spin");
        }
        if (starts) {
            mainWindow().recordTemplate().spare = ++m_gameMarker;
        }
        const GameRecord templateBefore = mainWindow().recordTemplate();
        const bool confirmationBefore = mainWindow().preferences().askBeforeQuit;
        m_expectedName.reset();
        m_expectedDebug.reset();
        m_expectedMessageCheck.reset();
        action->trigger();
        if (!m_windows || !mainWindow().isVisible()) {
            return;
        }
        const bool started = starts && liveRecord().spare == m_gameMarker;
        const bool leftForTitle =
            leaves && !starts && !mainWindow().menuItem("returnToTitleAction")->isEnabled();
        if (started || leftForTitle) {
            // The controller has dropped the reports still queued from the
            // game it left; the checks queued behind them must go too, or
            // they would judge a report the controller never took.
            QCoreApplication::removePostedEvents(this, QEvent::MetaCall);
        }
        if (started) {
            ++m_gamesStarted;
            m_gameStarted = true;
            m_countedEnd = false;
            m_patient = chance(10);
            m_patientUntil = m_actions + PatienceActions;
        }
        checkTemplate(templateBefore, confirmationBefore);
    }

    // What the name entry and the options and debug dialog wrote.
    void checkTemplate(const GameRecord& before, bool confirmationBefore) {
        const GameRecord& now = mainWindow().recordTemplate();
        if (m_expectedName) {
            if (now.playerName != *m_expectedName) {
                reportFault(
                    QStringLiteral("the name entry stored another name than the one typed"));
            }
        } else if (now.playerName != before.playerName) {
            reportFault(QStringLiteral("the name changed without OK"));
        }
        if (m_expectedMessageCheck) {
            if (now.messageCheck != *m_expectedMessageCheck) {
                reportFault(QStringLiteral("options: message check %1, expected %2")
                                .arg(static_cast<int>(now.messageCheck))
                                .arg(static_cast<int>(*m_expectedMessageCheck)));
            }
        } else if (now.messageCheck != before.messageCheck) {
            reportFault(QStringLiteral("the message check changed without OK"));
        }
        const auto fields = debugFields(now);
        if (m_expectedDebug) {
            for (std::size_t row = 0; row < fields.size(); ++row) {
                if (fields[row] < DebugRows[row].minimum || fields[row] > DebugRows[row].maximum) {
                    reportFault(QStringLiteral("debug row %1 holds %2, outside its range")
                                    .arg(row + 1)
                                    .arg(fields[row]));
                }
                const std::optional<std::int32_t>& typed = (*m_expectedDebug)[row];
                const bool repaired = row == 3 && fields[2] > *typed;
                if (typed && !repaired && fields[row] != *typed) {
                    reportFault(QStringLiteral("debug row %1 holds %2, typed %3")
                                    .arg(row + 1)
                                    .arg(fields[row])
                                    .arg(*typed));
                }
            }
            if (now.drumMin > now.drumMax) {
                reportFault(QStringLiteral("debug: drum minimum above its maximum"));
            }
            if (mainWindow().preferences().askBeforeQuit != m_expectedConfirmation) {
                reportFault(QStringLiteral("debug: 終了確認画面 not stored"));
            }
        } else {
            if (fields != debugFields(before)) {
                reportFault(QStringLiteral("debug values changed without OK"));
            }
            if (mainWindow().preferences().askBeforeQuit != confirmationBefore) {
                reportFault(QStringLiteral("EndConfirmation changed without OK"));
            }
        }
    }

    // ------------------------------------------------------- modal dialogs
    // Answers whatever modal dialog is up, one small action per poll, so that
    // the game's messages and ticks interleave with the answer.
    void poll() {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible() || !m_windows || m_handling.contains(modal)) {
            return;
        }
        m_handling.append(modal);
        if (!m_faults.isEmpty()) {
            modal->close(); // wind down after a fault
        } else {
            answerStep(modal);
            if (m_windows) {
                check("inside a dialog");
            }
        }
        m_handling.removeAll(modal);
    }

    void answerStep(QWidget* modal) {
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            reportFault(QStringLiteral("a message box appeared: ") + box->text());
            box->close();
            return;
        }
        // The debug panel has ten fields to fill before it is answered.
        auto* debug = qobject_cast<OptionsDialog*>(modal);
        const bool manyFields = debug && debug->dialogMode() == OptionsDialog::Mode::Debug;
        switch (pick({10, 25, manyFields ? 150 : 30, 35})) {
        case 0:
            tryTheMainWindow();
            return;
        case 1:
            gameGoesOn();
            return;
        case 2:
            editDialog(modal);
            return;
        default:
            finishDialog(modal);
            return;
        }
    }

    // The main window takes no input while a dialog is open.
    void tryTheMainWindow() {
        tally("clicks on the main window while a dialog is open");
        MainWindow& form = mainWindow();
        const long presses = m_drumPresses;
        QMenuBar* bar = form.menuBar();
        const QRect file = bar->actionGeometry(form.menu("fileMenu")->menuAction());
        QPushButton* button = form.drum().slotButton();
        if (chance(50)) {
            did(QStringLiteral("dialog open: click the menu bar"));
            QTest::mouseClick(form.windowHandle(), Qt::LeftButton, {},
                              bar->mapTo(&form, file.center()));
        } else {
            did(QStringLiteral("dialog open: click the drum button"));
            QTest::mouseClick(form.windowHandle(), Qt::LeftButton, {},
                              button->mapTo(&form, button->rect().center()));
        }
        if (QWidget* popup = QApplication::activePopupWidget()) {
            reportFault(QStringLiteral("a menu opened while a dialog was open"));
            popup->close();
        }
        if (m_drumPresses != presses) {
            reportFault(QStringLiteral("the drum took a click while a dialog was open"));
        }
    }

    // The game's timers go on while a dialog is open.
    void gameGoesOn() {
        m_quiet = false;
        switch (below(3)) {
        case 0:
            did(QStringLiteral("dialog open: view tick"));
            viewTick();
            break;
        case 1:
            did(QStringLiteral("dialog open: drum tick"));
            drumTick();
            break;
        default:
            did(QStringLiteral("dialog open: deliver posted messages"));
            deliver();
            break;
        }
    }

    // Types into a field, flips a choice, steps an arrow.
    void editDialog(QWidget* modal) {
        if (auto* name = qobject_cast<NameDialog*>(modal)) {
            auto* edit = name->findChild<QLineEdit*>(QStringLiteral("nameEdit"));
            const QString text = m_input.name();
            did(QStringLiteral("name entry: type %1 characters").arg(text.size()));
            tally(text == NameDialog::revealPhrase() ? "reveal phrases typed" : "names typed");
            type(edit, text);
        } else if (auto* debug = qobject_cast<OptionsDialog*>(modal)) {
            if (debug->dialogMode() == OptionsDialog::Mode::Options) {
                const int item = below(2);
                did(QStringLiteral("options: pick item %1").arg(item));
                QTest::mouseClick(
                    debug->findChild<QRadioButton*>(item == 0 ? "checkAllRadio" : "checkNoneRadio"),
                    Qt::LeftButton);
            } else {
                editDebug(debug);
            }
        } else if (auto* notes = qobject_cast<AboutDialog*>(modal)) {
            auto* memo = notes->findChild<QPlainTextEdit*>(QStringLiteral("notesText"));
            if (memo->isVisible()) {
                did(QStringLiteral("notes: type"));
                const QString text = m_input.name().left(200);
                if (keyTypeable(text)) {
                    QTest::keyClicks(memo, text);
                } else {
                    memo->insertPlainText(text); // as an input method commits it
                }
            } else {
                did(QStringLiteral("version: look"));
            }
        } else {
            did(QStringLiteral("message: look"));
        }
    }

    // Key events can only carry printable ASCII here; other text comes in
    // through an input method or by pasting.
    static bool keyTypeable(const QString& text) {
        return std::all_of(text.cbegin(), text.cend(),
                           [](QChar c) { return c.unicode() >= 0x20 && c.unicode() < 0x7F; });
    }

    void type(QLineEdit* edit, const QString& text) {
        edit->selectAll();
        if (text.size() <= 40 && keyTypeable(text) && chance(70)) {
            QTest::keyClicks(edit, text);
        } else if (chance(50)) {
            edit->insert(text); // as an input method commits it
        } else {
            edit->setText(text); // pasted
        }
    }

    void editDebug(OptionsDialog* debug) {
        const std::size_t row = static_cast<std::size_t>(below(OptionsDialog::RowCount + 1));
        if (row == OptionsDialog::RowCount) {
            did(QStringLiteral("debug: toggle 終了確認画面"));
            QTest::mouseClick(debug->findChild<QCheckBox*>(QStringLiteral("quitConfirmationCheck")),
                              Qt::LeftButton);
            return;
        }
        const int number = static_cast<int>(row) + 1;
        auto* edit = debug->findChild<QLineEdit*>(
            QLatin1String(OptionsDialog::RowNames[number - 1]) + "Edit");
        auto* upDown = debug->findChild<UpDown*>(
            QLatin1String(OptionsDialog::RowNames[number - 1]) + "UpDown");
        if (chance(70)) {
            const QString text = m_input.number(DebugRows[row].minimum, DebugRows[row].maximum);
            did(QStringLiteral("debug: row %1 type \"%2\"").arg(number).arg(text));
            tally("debug values typed");
            type(edit, text);
        } else {
            did(QStringLiteral("debug: row %1 arrow").arg(number));
            QTest::mouseClick(chance(50) ? upDown->upButton() : upDown->downButton(),
                              Qt::LeftButton);
        }
    }

    // Ends the dialog as a person would: a button, the close box, Enter or Esc.
    // Esc and Enter do nothing in some dialogs; the dialog then stays up.
    void finishDialog(QWidget* modal) {
        QList<QPushButton*> buttons;
        for (QPushButton* b : modal->findChildren<QPushButton*>()) {
            if (b->isVisible() && b->objectName().endsWith(QLatin1String("Button"))) {
                buttons << b;
            }
        }
        const int way = pick({buttons.isEmpty() ? 0 : 60, 15, 15, 10});
        if (way == 0) {
            QPushButton* button = buttons[below(static_cast<int>(buttons.size()))];
            ExpectResult(modal, button->objectName() == QLatin1String("okButton"));
            did(QStringLiteral("dialog: click ") + button->text());
            if (chance(50)) {
                QTest::mouseClick(button, Qt::LeftButton);
            } else {
                button->click();
            }
        } else if (way == 1) {
            ExpectResult(modal, false);
            did(QStringLiteral("dialog: close box"));
            modal->close();
        } else {
            const bool enter = way == 2;
            // Enter presses the default button, unless the focus is in the notes.
            auto* memo = modal->findChild<QPlainTextEdit*>(QStringLiteral("notesText"));
            const bool enterIsOk = enter && !(memo && memo->hasFocus());
            ExpectResult(modal, enterIsOk);
            did(enter ? QStringLiteral("dialog: Enter") : QStringLiteral("dialog: Esc"));
            QTest::keyClick(modal->windowHandle(), enter ? Qt::Key_Return : Qt::Key_Escape);
        }
        if (modal->isVisible()) {
            return; // still up: answered again on a later poll
        }
        ++m_dialogs;
        ++m_tally[QStringLiteral("dialog ") + modal->objectName() + QStringLiteral(" ended by ") +
                  (way == 0   ? QStringLiteral("a button")
                   : way == 1 ? QStringLiteral("the close box")
                   : way == 2 ? QStringLiteral("Enter")
                              : QStringLiteral("Esc"))];
        countEnding(modal);
    }

    // Before a dialog is ended: what OK (or its absence) must leave behind.
    void ExpectResult(QWidget* modal, bool ok) {
        if (auto* name = qobject_cast<NameDialog*>(modal)) {
            const QString text = name->findChild<QLineEdit*>(QStringLiteral("nameEdit"))->text();
            if (ok && text != NameDialog::revealPhrase()) {
                m_expectedName =
                    text.isEmpty() ? NameDialog::fallbackName().toStdString() : text.toStdString();
            } else {
                m_expectedName.reset();
            }
        } else if (auto* debug = qobject_cast<OptionsDialog*>(modal)) {
            m_expectedDebug.reset();
            m_expectedMessageCheck.reset();
            if (!ok) {
                return;
            }
            if (debug->dialogMode() == OptionsDialog::Mode::Options) {
                auto* first = debug->findChild<QRadioButton*>(QStringLiteral("checkAllRadio"));
                auto* second = debug->findChild<QRadioButton*>(QStringLiteral("checkNoneRadio"));
                if (first->isChecked()) {
                    m_expectedMessageCheck = MessageCheck::All;
                } else if (second->isChecked()) {
                    m_expectedMessageCheck = MessageCheck::None;
                }
                return;
            }
            DebugExpectation typed;
            for (std::size_t row = 0; row < OptionsDialog::RowCount; ++row) {
                const QString text = debug
                                         ->findChild<QLineEdit*>(
                                             QLatin1String(OptionsDialog::RowNames[row]) + "Edit")
                                         ->text();
                std::int64_t value = 0;
                if (BadInput::plainDecimal(text, value) && value >= DebugRows[row].minimum &&
                    value <= DebugRows[row].maximum) {
                    typed[row] = static_cast<std::int32_t>(value);
                }
            }
            m_expectedDebug = typed;
            m_expectedConfirmation =
                debug->findChild<QCheckBox*>(QStringLiteral("quitConfirmationCheck"))->isChecked();
        }
    }

    void countEnding(QWidget* modal) {
        auto* form = qobject_cast<ResultDialog*>(modal);
        if (!form || m_countedEnd || !m_gameStarted) {
            return;
        }
        if (liveRecord().state == GameState::Goal) {
            ++m_goals;
            m_countedEnd = true;
        } else if (liveRecord().state == GameState::GameOver) {
            ++m_gameOvers;
            m_countedEnd = true;
        }
    }

    // ------------------------------------------------------------- reports
    // The books kept of one report: the record before it and how many
    // reports the controller had taken by then.
    struct BeforeReport {
        GameRecord record;
        long number = 0;
        bool animating = false;
        bool exact = false;
    };
    // Every call the controller takes; the report it was is known only when
    // the observer queued behind it runs, which then checks the books.
    void beforeReport() override {
        ++m_delivered;
        m_before.push_back({liveRecord(), m_delivered,
                            courseAnimationTimer(mainWindow().courseView()).isActive()});
        m_inController = true;
    }

    void afterReport() override {
        m_lastReport = m_before.back();
        m_before.pop_back();
        // Other reports came in between (a dialog was up): no exact books.
        m_lastReport.exact = m_windows && m_delivered == m_lastReport.number;
        m_inController = !m_before.empty();
    }

    // The books of the report the controller handled last, if exact: not
    // while a dialog inside the controller runs its own loop.
    const BeforeReport* lastReport() const {
        return m_inController || !m_lastReport.exact ? nullptr : &m_lastReport;
    }

    void checkSquareWalked(int step) {
        const BeforeReport* report = lastReport();
        if (!report) {
            return;
        }
        const GameRecord& before = report->record;
        const GameRecord& live = liveRecord();
        if (before.state != GameState::NewGame && before.state != GameState::TurnReady) {
            reportFault(QStringLiteral("a walked square reached a game in state %1")
                            .arg(static_cast<int>(before.state)));
        }
        if (live.currentSquare != before.currentSquare + step ||
            live.stamina != before.stamina - 1) {
            reportFault(QStringLiteral("a step moved %1,%2 to %3,%4")
                            .arg(before.currentSquare)
                            .arg(before.stamina)
                            .arg(live.currentSquare)
                            .arg(live.stamina));
        }
        const GameState expected = live.currentSquare >= GoalSquare ? GameState::Goal
                                   : live.stamina <= 0              ? GameState::GameOver
                                                                    : before.state;
        if (live.state != expected) {
            reportFault(QStringLiteral("after a step the state is %1, expected %2")
                            .arg(static_cast<int>(live.state))
                            .arg(static_cast<int>(expected)));
        }
    }

    void checkArrival(const QString& what) {
        const BeforeReport* report = lastReport();
        if (report && report->animating) {
            reportFault(what + QStringLiteral(" arrived while the view animates"));
        }
    }

    void checkNextTurn() {
        const BeforeReport* report = lastReport();
        if (report && report->record.state != GameState::EventApplied) {
            reportFault(QStringLiteral("a next turn reached a game in state %1")
                            .arg(static_cast<int>(report->record.state)));
        }
    }

    void checkEventConfirmed(SquareKind kind) {
        const BeforeReport* report = lastReport();
        if (!report) {
            return;
        }
        const GameRecord& before = report->record;
        const SquareKind squareKind =
            mainWindow().course().kindAt(before.currentSquare, before.currentRow);
        if (kind != squareKind || !inProgress(before.state) ||
            before.state == GameState::EventApplied || report->animating) {
            reportFault(
                QStringLiteral("square event %1 arrived on square %2 (kind %3) in state %4%5")
                    .arg(static_cast<int>(kind))
                    .arg(before.currentSquare)
                    .arg(static_cast<int>(squareKind))
                    .arg(static_cast<int>(before.state))
                    .arg(report->animating ? QStringLiteral(", animating") : QString()));
        }
        if (kind == SquareKind::StaminaUp) {
            const std::int32_t param =
                mainWindow().course().paramAt(before.currentSquare, before.currentRow);
            const GameRecord& live = liveRecord();
            if (live.stamina != before.stamina + param) {
                reportFault(QStringLiteral("stamina event: %1 + %2 gave %3")
                                .arg(before.stamina)
                                .arg(param)
                                .arg(live.stamina));
            }
        }
    }

    // ------------------------------------------------------------ invariants
    void check(const char* where) {
        if (!m_windows) {
            return;
        }
        MainWindow& form = mainWindow();
        const GameRecord& live = liveRecord();
        const auto faultHere = [&](const QString& what) {
            reportFault(what + QStringLiteral(" (") + QLatin1String(where) + QLatin1Char(')'));
        };
        if (m_gameStarted && live.state == GameState::NotStarted) {
            faultHere(QStringLiteral("a started game counts as not started"));
        }
        if (m_gameStarted && inProgress(live.state)) {
            if (live.currentSquare < 1 || live.currentSquare > GoalSquare) {
                faultHere(
                    QStringLiteral("position %1 while the game goes on").arg(live.currentSquare));
            }
            if (live.stamina < 1) {
                faultHere(QStringLiteral("stamina %1 while the game goes on").arg(live.stamina));
            }
        }

        const bool game = form.onGameScreen();
        if (form.isVisible()) {
            const bool views[] = {form.statusPanel().isVisible(), form.drum().isVisible(),
                                  form.courseView().isVisible(), form.remarkBox().isVisible()};
            for (bool shown : views) {
                if (shown != game) {
                    faultHere(QStringLiteral("a game view is %1 on the %2 screen")
                                  .arg(shown ? "shown" : "hidden", game ? "game" : "title"));
                }
            }
            if (form.titlePicture()->isVisible() == game) {
                faultHere(QStringLiteral("the title picture does not match the screen"));
            }
        }
        const bool menu[] = {form.menuItem("enterNameAction")->isEnabled() == !game,
                             form.menuItem("startGameAction")->isEnabled() == !game,
                             form.menuItem("restartGameAction")->isEnabled() == game,
                             form.menuItem("returnToTitleAction")->isEnabled() == game,
                             form.menu("optionsMenu")->menuAction()->isEnabled() == !game,
                             form.menuItem("notesAction")->isEnabled(),
                             form.menuItem("versionAction")->isEnabled(),
                             form.menuItem("closeAction")->isEnabled()};
        for (bool right : menu) {
            if (!right) {
                faultHere(QStringLiteral("the menu does not match the %1 screen")
                              .arg(game ? "game" : "title"));
                break;
            }
        }
        if (game && m_gameStarted &&
            form.statusPanel().findChild<QLabel*>("nameValue")->text() !=
                QString::fromStdString(live.playerName)) {
            faultHere(QStringLiteral("the status panel does not show the player's name"));
        }

        SlotDrum& slot = form.drum();
        const bool animating = courseAnimationTimer(form.courseView()).isActive();
        const bool spinning = drumSpins(slot);
        // The button's mode as its caption shows it: blank, "ストップ", or an offer.
        const QString caption = slot.slotButton()->text();
        const bool blank = caption.isEmpty();
        const bool stopShown = caption == SlotDrum::tr("ストップ");
        if (animating && !blank) {
            faultHere(QStringLiteral("button %1 while the view animates").arg(caption));
        }
        // Back at the title the stopped drum keeps its caption out of sight;
        // the next game blanks it before the drum is shown again.
        if (game && !spinning && stopShown) {
            faultHere(QStringLiteral("ストップ while the drum rests"));
        }
        if (spinning && !slot.stopRequest() && !stopShown) {
            faultHere(QStringLiteral("button %1 while the drum spins freely").arg(caption));
        }
        if (!game && (animating || spinning)) {
            faultHere(QStringLiteral("the game runs on behind the title screen"));
        }
        if (m_gameStarted && !inProgress(live.state) && (!blank || animating || spinning)) {
            faultHere(QStringLiteral("a finished game still moves (button %1)").arg(caption));
        }
        if (m_quiet && game && m_gameStarted && inProgress(live.state) && !animating && !spinning) {
            const auto kind = form.course().kindAt(live.currentSquare, live.currentRow);
            const bool offered = !blank && !stopShown;
            const bool nothingToOffer =
                blank && (kind == SquareKind::Goal || kind == SquareKind::Empty);
            if (!offered && !nothingToOffer) {
                faultHere(QStringLiteral("nothing runs, yet the button offers nothing (button "
                                         "%1, square %2, state %3)")
                              .arg(caption)
                              .arg(live.currentSquare)
                              .arg(static_cast<int>(live.state)));
            }
        }
    }

    using DebugExpectation = std::array<std::optional<std::int32_t>, OptionsDialog::RowCount>;

    MonkeyOptions m_options;
    std::mt19937 m_random;
    BadInput m_input;
    std::unique_ptr<TestWindows> m_windows;
    GameController* m_controller = nullptr; // the game screen's, once built
    QTimer m_poll;
    QList<QWidget*> m_handling;
    std::vector<BeforeReport> m_before;
    BeforeReport m_lastReport;
    bool m_inController = false;
    QStringList m_faults;
    QStringList m_recent;
    QMap<QString, long> m_tally;

    std::optional<std::string> m_expectedName;
    std::optional<DebugExpectation> m_expectedDebug;
    bool m_expectedConfirmation = false;
    std::optional<MessageCheck> m_expectedMessageCheck;

    bool m_gameStarted = false;
    bool m_patient = false;
    long m_patientUntil = 0;
    static constexpr long PatienceActions = 5000;
    bool m_viewTicked = false; // a tick's messages may still be queued
    bool m_drumTicked = false;
    bool m_countedEnd = false;
    bool m_quiet = false;
    std::int32_t m_gameMarker = 0;
    long m_drumPresses = 0;
    long m_delivered = 0;
    long m_actions = 0;
    long m_gamesStarted = 0;
    long m_goals = 0;
    long m_gameOvers = 0;
    long m_dialogs = 0;
    long m_programStarts = 0;
};

int main(int argc, char** argv) {
    MonkeyApplication app(argc, argv);
    // The monkey closes the program many times and starts it again.
    app.setQuitOnLastWindowClosed(false);
    std::vector<char*> args(argv, argv + argc);
    const MonkeyOptions options = readOptions(args);
    MonkeyTest test(options);
    int count = static_cast<int>(args.size());
    return QTest::qExec(&test, count, args.data());
}

#include "monkey_test.moc"
