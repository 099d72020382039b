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
#include "BadInput.h"
#include "DrumRandom.h"
#include "Fonts.h"
#include "GameApplication.h"
#include "GameController.h"
#include "GameMessageEvent.h"
#include "GameMessages.h"
#include "MessageBox.h"
#include "NameDialog.h"
#include "OptionsDialog.h"
#include "ProgramWindows.h"
#include "RemarkBox.h"
#include "ResultDialog.h"
#include "ScreenMetrics.h"
#include "SlotDrum.h"
#include "UpDown.h"

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
    std::uint32_t Seed = 0;
    long Actions = 10000;
    long Games = 100;
    bool Log = false;
};

// Takes our settings from the environment and then from --name=value
// arguments, which are removed so that Qt Test does not see them.
MonkeyOptions ReadOptions(std::vector<char*>& args) {
    MonkeyOptions options;
    options.Seed = static_cast<std::uint32_t>(
        std::chrono::system_clock::now().time_since_epoch().count() & 0x7FFFFFFF);
    const auto number = [](const char* text, long fallback) {
        if (!text || !*text) {
            return fallback;
        }
        char* end = nullptr;
        const long value = std::strtol(text, &end, 10);
        return *end == '\0' && value >= 0 ? value : fallback;
    };
    options.Seed =
        static_cast<std::uint32_t>(number(std::getenv("IPPON_MONKEY_SEED"), options.Seed));
    options.Actions = number(std::getenv("IPPON_MONKEY_ACTIONS"), options.Actions);
    options.Games = number(std::getenv("IPPON_MONKEY_GAMES"), options.Games);
    options.Log = number(std::getenv("IPPON_MONKEY_LOG"), 0) != 0;
    std::vector<char*> rest;
    for (char* arg : args) {
        const QByteArray a(arg);
        const auto value = [&](const char* name) { return a.mid(static_cast<int>(strlen(name))); };
        if (a.startsWith("--seed=")) {
            options.Seed =
                static_cast<std::uint32_t>(number(value("--seed=").constData(), options.Seed));
        } else if (a.startsWith("--actions=")) {
            options.Actions = number(value("--actions=").constData(), options.Actions);
        } else if (a.startsWith("--games=")) {
            options.Games = number(value("--games=").constData(), options.Games);
        } else {
            rest.push_back(arg);
        }
    }
    args = rest;
    return options;
}

bool IsGameMessage(int type) {
    return type == WM_GAME_EVENT || type == WM_GAME_STEP || type == WM_GAME_NEXT;
}

bool InProgress(std::int32_t state) {
    return state != StateGameOver && state != StateGoal;
}

// Sees every game message delivered to the main window, before and after.
class GameMessageObserver {
public:
    virtual ~GameMessageObserver() = default;
    virtual QObject* Target() const = 0;
    virtual void Before(const GameMessageEvent& message) = 0;
    virtual void After(const GameMessageEvent& message) = 0;
};

// The application object of the program, with two test seams: the program's
// own timers are kept silent, because the monkey ticks the drum and the view
// itself, and the game messages to the main window are observed.
class MonkeyApplication : public GameApplication {
public:
    MonkeyApplication(int& argc, char** argv) : GameApplication(argc, argv) {}

    GameMessageObserver* Observer = nullptr;
    QObject* AllowedTimer = nullptr; // the modal answerer's poll

    bool notify(QObject* receiver, QEvent* event) override {
        if (event->type() == QEvent::Timer && receiver != AllowedTimer &&
            qobject_cast<QTimer*>(receiver)) {
            return true;
        }
        if (Observer && receiver == Observer->Target() &&
            IsGameMessage(static_cast<int>(event->type()))) {
            const auto& message = static_cast<const GameMessageEvent&>(*event);
            Observer->Before(message);
            const bool handled = GameApplication::notify(receiver, event);
            Observer->After(message);
            return handled;
        }
        return GameApplication::notify(receiver, event);
    }
};

MonkeyApplication* App() {
    return static_cast<MonkeyApplication*>(QCoreApplication::instance());
}

// Valid range of each debug row, in row order.
struct RowRange {
    int Min;
    int Max;
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

std::array<std::int32_t, OptionsDialog::RowCount> DebugFields(const GameRecord& r) {
    return {r.StartPosition,        r.Stamina,          r.SlotMin,       r.SlotMax,
            r.ArrowPosition,        r.TimerInterval,    r.RotationWidth, r.WalkAnimeInterval,
            r.ForwardAnimeInterval, r.BackAnimeInterval};
}

} // namespace

class MonkeyTest : public QObject, public GameMessageObserver {
    Q_OBJECT
public:
    explicit MonkeyTest(const MonkeyOptions& options)
        : options_(options), random_(options.Seed), input_(random_) {}

    QObject* Target() const override { return forms_ ? &forms_->Form1() : nullptr; }

private slots:
    void initTestCase() {
        RegisterFontSubstitutes();
        QVERIFY(ReserveGameMessageTypes());
        SetFullScreenSizeOverride(QSize(1024, 768));
        SetCursorPosOverride(QPoint(500, 400));
        SeedRandom(options_.Seed); // before the drum seeds it from the clock
        SetMessageBoxHook([this](const QString& text) {
            Fault(QStringLiteral("a wrong-sequence message box appeared: ") + text);
        });
        App()->Observer = this;
        poll_.setInterval(0);
        App()->AllowedTimer = &poll_;
        connect(&poll_, &QTimer::timeout, this, [this] { Poll(); });
        poll_.start();
        qInfo("monkey seed %u, at least %ld actions and %ld games (IPPON_MONKEY_SEED=%u to repeat)",
              options_.Seed, options_.Actions, options_.Games, options_.Seed);
    }

    void cleanupTestCase() {
        poll_.stop();
        App()->Observer = nullptr;
        SetMessageBoxHook(nullptr);
        forms_.reset();
        SetFullScreenSizeOverride(std::nullopt);
        SetCursorPosOverride(std::nullopt);
    }

    void monkeyFindsNoFault() {
        QElapsedTimer clock;
        clock.start();
        // Plenty of room, so that a run that cannot reach its games still ends.
        const long actionLimit = std::max(options_.Actions, options_.Games * 2000);
        NewProgram();
        while (faults_.isEmpty() &&
               (actions_ < options_.Actions || gamesStarted_ < options_.Games) &&
               actions_ < actionLimit) {
            Step();
            if (forms_ && !forms_->Form1().isVisible()) {
                NewProgram(); // the program was closed; a person starts it again
            }
        }
        const qint64 ms = clock.elapsed();
        qInfo("monkey seed %u: %ld actions, %ld games started (%ld goals, %ld game overs), "
              "%ld dialogs answered, %ld program starts, %lld ms",
              options_.Seed, actions_, gamesStarted_, goals_, gameOvers_, dialogs_, programStarts_,
              static_cast<long long>(ms));
        for (auto it = tally_.cbegin(); it != tally_.cend(); ++it) {
            qInfo("  %6ld  %s", it.value(), qPrintable(it.key()));
        }
        QVERIFY2(faults_.isEmpty(),
                 qPrintable(QStringLiteral("seed %1, action %2: %3\nlast actions:\n%4")
                                .arg(options_.Seed)
                                .arg(actions_)
                                .arg(faults_.join(QStringLiteral("\n")))
                                .arg(recent_.join(QStringLiteral("\n")))));
        QVERIFY2(
            gamesStarted_ >= options_.Games,
            qPrintable(
                QStringLiteral("only %1 games in %2 actions").arg(gamesStarted_).arg(actions_)));
    }

private:
    // ------------------------------------------------------------ the program
    MainWindow& Form() { return forms_->Form1(); }
    const GameRecord& Live() { return Form().Controller().LiveRecord(); }

    void NewProgram() {
        forms_.reset();
        forms_ = std::make_unique<ProgramWindows>();
        Form().show();
        ++programStarts_;
        gameStarted_ = false;
        quiet_ = false;
        viewTicked_ = false;
        drumTicked_ = false;
        drumPresses_ = 0;
        connect(Form().Slot().SlotButton(), &QPushButton::pressed, this,
                [this] { ++drumPresses_; });
        Check("start");
    }

    // ---------------------------------------------------------------- faults
    void Fault(const QString& what) {
        if (faults_.size() < 5) {
            faults_ << what;
        }
    }

    // How often the moments that matter came up, for the report.
    void Tally(const char* what) { ++tally_[QString::fromUtf8(what)]; }

    void Did(const QString& action) {
        ++actions_;
        recent_ << QString::number(actions_) + QLatin1Char(' ') + action;
        if (recent_.size() > 25) {
            recent_.removeFirst();
        }
        if (options_.Log) {
            qInfo("%ld %s", actions_, qPrintable(action));
        }
    }

    // --------------------------------------------------------------- choices
    int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }
    bool Chance(int percent) { return Below(100) < percent; }

    // Picks an index by weight; the weights must not all be 0.
    int Pick(std::initializer_list<int> weights) {
        int total = 0;
        for (int w : weights) {
            total += w;
        }
        int r = Below(total);
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
    void Step() {
        SlotDrum& slot = Form().Slot();
        AnimatedCourseView& display = Form().Display();
        const bool buttonShown = slot.SlotButton()->isVisible();
        // Now and then a patient player leaves the menu alone and clicks only
        // what the button offers until the game has ended, so that games also
        // reach the goal or run out of stamina.
        // Patience ends too where a game can go no further (started on the goal
        // square from the debug panel).
        const bool patient = patient_ && actions_ < patientUntil_ && gameStarted_ &&
                             Form().OnGameScreen() && InProgress(Live().State);
        const bool offered = !slot.SlotButton()->text().isEmpty();
        switch (Pick({patient ? 100 : 200, 60, display.AnimeInterval() != 0 ? 250 : 0,
                      slot.Spinning() ? 100 : 0, buttonShown && (offered || !patient) ? 140 : 0,
                      patient ? 0 : 40, patient ? 0 : 20})) {
        case 0:
            Did(QStringLiteral("deliver posted messages"));
            Deliver();
            quiet_ = false;
            break;
        case 1:
            DeliverAll();
            break;
        case 2:
            Did(QStringLiteral("view tick"));
            ViewTick();
            break;
        case 3:
            Did(QStringLiteral("drum tick"));
            DrumTick();
            break;
        case 4:
            ClickDrum();
            break;
        case 5:
            MenuCommand();
            break;
        default:
            ClickSomewhere();
            break;
        }
        Check("after the action");
    }

    // One turn of the event loop's delivery of posted events.
    void Deliver() {
        QCoreApplication::sendPostedEvents();
        viewTicked_ = false;
        drumTicked_ = false;
    }

    // A timer fires at most once in a turn of the event loop, and every turn
    // delivers the posted events; so what one tick posted is delivered before
    // the same timer ticks again. The two timers may tick in one turn, and
    // clicks may come between a tick and the delivery.
    void ViewTick() {
        if (viewTicked_) {
            Deliver();
        }
        quiet_ = false;
        if (Form().Display().AnimeInterval() != 0) {
            Form().Display().AnimeTick();
            viewTicked_ = true;
        }
    }

    void DrumTick() {
        if (drumTicked_) {
            Deliver();
        }
        quiet_ = false;
        if (Form().Slot().Spinning()) {
            Form().Slot().SpinTick();
            drumTicked_ = true;
        }
    }

    // Delivers posted messages until a round delivers no game message.
    void DeliverAll() {
        Did(QStringLiteral("deliver until quiet"));
        for (int round = 0; round < 1000; ++round) {
            const long before = delivered_;
            Deliver();
            if (delivered_ == before) {
                quiet_ = true;
                return;
            }
        }
        Fault(QStringLiteral("game messages keep coming without any tick or click"));
    }

    void ClickDrum() {
        QPushButton* button = Form().Slot().SlotButton();
        quiet_ = false;
        if (Form().Display().DisplayState() == DisplayEntry) {
            Tally("drum clicks during the entry");
        }
        switch (Pick({40, 30, 15, 5, 10})) {
        case 0:
            Did(QStringLiteral("drum button click (") + button->text() + QLatin1Char(')'));
            button->click();
            break;
        case 1:
            Did(QStringLiteral("drum button mouse click (") + button->text() + QLatin1Char(')'));
            QTest::mouseClick(button, Qt::LeftButton);
            break;
        case 2:
            Tally(button->text().isEmpty() ? "double clicks on the blank button"
                                           : "double clicks on a caption");
            Did(QStringLiteral("drum button double click (") + button->text() + QLatin1Char(')'));
            QTest::mouseDClick(button, Qt::LeftButton);
            break;
        case 3:
            Did(QStringLiteral("drum button two quick clicks (") + button->text() +
                QLatin1Char(')'));
            button->click();
            button->click();
            break;
        default: {
            const Qt::Key key =
                std::array{Qt::Key_Space, Qt::Key_Return, Qt::Key_Escape, Qt::Key_Tab}[Below(4)];
            Did(QStringLiteral("key %1 to the main window").arg(QKeySequence(key).toString()));
            QTest::keyClick(Form().windowHandle(), key);
            break;
        }
        }
    }

    // A click anywhere in the client area: the title picture, hidden views,
    // the course view, the status panel, the remark window.
    void ClickSomewhere() {
        QWidget* client = Form().clientArea();
        const QPoint local(Below(client->width()), Below(client->height()));
        const QPoint inWindow = client->mapTo(&Form(), local);
        Did(QStringLiteral("mouse click at client (%1, %2)").arg(local.x()).arg(local.y()));
        if (!Form().OnGameScreen()) {
            Tally("clicks on the title screen over the hidden views");
        }
        quiet_ = false;
        if (Chance(20)) {
            QTest::mouseDClick(Form().windowHandle(), Qt::LeftButton, {}, inWindow);
        } else {
            QTest::mouseClick(Form().windowHandle(), Qt::LeftButton, {}, inWindow);
        }
    }

    // An item a person can click: enabled, visible, in an enabled menu.
    bool Reachable(const char* item, const char* menu) {
        QAction* action = Form().MenuItem(item);
        return action->isEnabled() && action->isVisible() &&
               Form().Menu(menu)->menuAction()->isEnabled();
    }

    void MenuCommand() {
        // Now and then the title bar's close box instead of the menu: it shows
        // the farewell without asking first.
        if (Chance(1)) {
            Did(QStringLiteral("the main window's close box"));
            Tally("main window closed by its close box");
            quiet_ = false;
            Form().close();
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
            weights.push_back(Reachable(item.name, item.menu) ? item.weight : 0);
        }
        int total = 0;
        for (int w : weights) {
            total += w;
        }
        if (total == 0) {
            Fault(QStringLiteral("no menu item can be clicked"));
            return;
        }
        int r = Below(total);
        std::size_t chosen = 0;
        while (r >= weights[chosen]) {
            r -= weights[chosen++];
        }
        const Item& item = items[chosen];
        QAction* action = Form().MenuItem(item.name);
        Did(QStringLiteral("menu ") + action->text());
        quiet_ = false;

        // A marker in a field the game never reads tells whether a game was
        // set up from the template (the quit confirmation may say No).
        const bool starts = qstrcmp(item.name, "startGameAction") == 0 ||
                            qstrcmp(item.name, "restartGameAction") == 0;
        const bool leaves = qstrcmp(item.name, "restartGameAction") == 0 ||
                            qstrcmp(item.name, "returnToTitleAction") == 0;
        if (leaves && Form().Display().AnimeInterval() != 0) {
            Tally("やり直し or タイトルへ戻る during a walk or the entry");
        }
        if (leaves && Form().Slot().Spinning()) {
            Tally("やり直し or タイトルへ戻る during a spin");
        }
        if (starts) {
            Form().Template().Spare = ++gameMarker_;
        }
        const GameRecord templateBefore = Form().Template();
        const bool confirmationBefore = Form().Session().EndConfirmation;
        expectedName_.reset();
        expectedDebug_.reset();
        expectedMessageCheck_.reset();
        action->trigger();
        if (!forms_ || !Form().isVisible()) {
            return;
        }
        if (starts && Live().Spare == gameMarker_) {
            ++gamesStarted_;
            gameStarted_ = true;
            countedEnd_ = false;
            patient_ = Chance(10);
            patientUntil_ = actions_ + PatienceActions;
        }
        CheckTemplate(templateBefore, confirmationBefore);
    }

    // What the name entry and the options and debug dialog wrote.
    void CheckTemplate(const GameRecord& before, bool confirmationBefore) {
        const GameRecord& now = Form().Template();
        if (expectedName_) {
            if (now.PlayerName != *expectedName_) {
                Fault(QStringLiteral("the name entry stored another name than the one typed"));
            }
        } else if (now.PlayerName != before.PlayerName) {
            Fault(QStringLiteral("the name changed without OK"));
        }
        if (expectedMessageCheck_) {
            if (now.MessageCheck != *expectedMessageCheck_) {
                Fault(QStringLiteral("options: MessageCheck %1, expected %2")
                          .arg(now.MessageCheck)
                          .arg(*expectedMessageCheck_));
            }
        } else if (now.MessageCheck != before.MessageCheck) {
            Fault(QStringLiteral("MessageCheck changed without OK"));
        }
        const auto fields = DebugFields(now);
        if (expectedDebug_) {
            for (std::size_t row = 0; row < fields.size(); ++row) {
                if (fields[row] < DebugRows[row].Min || fields[row] > DebugRows[row].Max) {
                    Fault(QStringLiteral("debug row %1 holds %2, outside its range")
                              .arg(row + 1)
                              .arg(fields[row]));
                }
                const std::optional<std::int32_t>& typed = (*expectedDebug_)[row];
                const bool repaired = row == 3 && fields[2] > *typed;
                if (typed && !repaired && fields[row] != *typed) {
                    Fault(QStringLiteral("debug row %1 holds %2, typed %3")
                              .arg(row + 1)
                              .arg(fields[row])
                              .arg(*typed));
                }
            }
            if (now.SlotMin > now.SlotMax) {
                Fault(QStringLiteral("debug: SlotMin above SlotMax"));
            }
            if (Form().Session().EndConfirmation != expectedConfirmation_) {
                Fault(QStringLiteral("debug: 終了確認画面 not stored"));
            }
        } else {
            if (fields != DebugFields(before)) {
                Fault(QStringLiteral("debug values changed without OK"));
            }
            if (Form().Session().EndConfirmation != confirmationBefore) {
                Fault(QStringLiteral("EndConfirmation changed without OK"));
            }
        }
    }

    // ------------------------------------------------------- modal dialogs
    // Answers whatever modal dialog is up, one small action per poll, so that
    // the game's messages and ticks interleave with the answer.
    void Poll() {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible() || !forms_ || handling_.contains(modal)) {
            return;
        }
        handling_.append(modal);
        if (!faults_.isEmpty()) {
            modal->close(); // wind down after a fault
        } else {
            AnswerStep(modal);
            if (forms_) {
                Check("inside a dialog");
            }
        }
        handling_.removeAll(modal);
    }

    void AnswerStep(QWidget* modal) {
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            Fault(QStringLiteral("a message box appeared: ") + box->text());
            box->close();
            return;
        }
        // The debug panel has ten fields to fill before it is answered.
        auto* debug = qobject_cast<OptionsDialog*>(modal);
        const bool manyFields = debug && debug->DialogMode() == OptionsDialog::Mode::Debug;
        switch (Pick({10, 25, manyFields ? 150 : 30, 35})) {
        case 0:
            TryTheMainWindow();
            return;
        case 1:
            GameGoesOn();
            return;
        case 2:
            EditDialog(modal);
            return;
        default:
            FinishDialog(modal);
            return;
        }
    }

    // The main window takes no input while a dialog is open.
    void TryTheMainWindow() {
        Tally("clicks on the main window while a dialog is open");
        MainWindow& form = Form();
        const long presses = drumPresses_;
        QMenuBar* bar = form.menuBar();
        const QRect file = bar->actionGeometry(form.Menu("fileMenu")->menuAction());
        QPushButton* button = form.Slot().SlotButton();
        if (Chance(50)) {
            Did(QStringLiteral("dialog open: click the menu bar"));
            QTest::mouseClick(form.windowHandle(), Qt::LeftButton, {},
                              bar->mapTo(&form, file.center()));
        } else {
            Did(QStringLiteral("dialog open: click the drum button"));
            QTest::mouseClick(form.windowHandle(), Qt::LeftButton, {},
                              button->mapTo(&form, button->rect().center()));
        }
        if (QWidget* popup = QApplication::activePopupWidget()) {
            Fault(QStringLiteral("a menu opened while a dialog was open"));
            popup->close();
        }
        if (drumPresses_ != presses) {
            Fault(QStringLiteral("the drum took a click while a dialog was open"));
        }
    }

    // The game's timers go on while a dialog is open.
    void GameGoesOn() {
        quiet_ = false;
        switch (Below(3)) {
        case 0:
            Did(QStringLiteral("dialog open: view tick"));
            ViewTick();
            break;
        case 1:
            Did(QStringLiteral("dialog open: drum tick"));
            DrumTick();
            break;
        default:
            Did(QStringLiteral("dialog open: deliver posted messages"));
            Deliver();
            break;
        }
    }

    // Types into a field, flips a choice, steps an arrow.
    void EditDialog(QWidget* modal) {
        if (auto* name = qobject_cast<NameDialog*>(modal)) {
            auto* edit = name->findChild<QLineEdit*>(QStringLiteral("nameEdit"));
            const QString text = input_.Name();
            Did(QStringLiteral("name entry: type %1 characters").arg(text.size()));
            Tally(text == NameDialog::RevealPhrase ? "reveal phrases typed" : "names typed");
            Type(edit, text);
        } else if (auto* debug = qobject_cast<OptionsDialog*>(modal)) {
            if (debug->DialogMode() == OptionsDialog::Mode::Options) {
                const int item = Below(2);
                Did(QStringLiteral("options: pick item %1").arg(item));
                QTest::mouseClick(
                    debug->findChild<QRadioButton*>(item == 0 ? "checkAllRadio" : "checkNoneRadio"),
                    Qt::LeftButton);
            } else {
                EditDebug(debug);
            }
        } else if (auto* notes = qobject_cast<AboutDialog*>(modal)) {
            auto* memo = notes->findChild<QPlainTextEdit*>(QStringLiteral("notesText"));
            if (memo->isVisible()) {
                Did(QStringLiteral("notes: type"));
                const QString text = input_.Name().left(200);
                if (KeyTypeable(text)) {
                    QTest::keyClicks(memo, text);
                } else {
                    memo->insertPlainText(text); // as an input method commits it
                }
            } else {
                Did(QStringLiteral("version: look"));
            }
        } else {
            Did(QStringLiteral("message: look"));
        }
    }

    // Key events can only carry printable ASCII here; other text comes in
    // through an input method or by pasting.
    static bool KeyTypeable(const QString& text) {
        return std::all_of(text.cbegin(), text.cend(),
                           [](QChar c) { return c.unicode() >= 0x20 && c.unicode() < 0x7F; });
    }

    void Type(QLineEdit* edit, const QString& text) {
        edit->selectAll();
        if (text.size() <= 40 && KeyTypeable(text) && Chance(70)) {
            QTest::keyClicks(edit, text);
        } else if (Chance(50)) {
            edit->insert(text); // as an input method commits it
        } else {
            edit->setText(text); // pasted
        }
    }

    void EditDebug(OptionsDialog* debug) {
        const std::size_t row = static_cast<std::size_t>(Below(OptionsDialog::RowCount + 1));
        if (row == OptionsDialog::RowCount) {
            Did(QStringLiteral("debug: toggle 終了確認画面"));
            QTest::mouseClick(debug->findChild<QCheckBox*>(QStringLiteral("quitConfirmationCheck")),
                              Qt::LeftButton);
            return;
        }
        const int number = static_cast<int>(row) + 1;
        auto* edit = debug->findChild<QLineEdit*>(
            QLatin1String(OptionsDialog::RowNames[number - 1]) + "Edit");
        auto* upDown = debug->findChild<UpDown*>(
            QLatin1String(OptionsDialog::RowNames[number - 1]) + "UpDown");
        if (Chance(70)) {
            const QString text = input_.Number(DebugRows[row].Min, DebugRows[row].Max);
            Did(QStringLiteral("debug: row %1 type \"%2\"").arg(number).arg(text));
            Tally("debug values typed");
            Type(edit, text);
        } else {
            Did(QStringLiteral("debug: row %1 arrow").arg(number));
            QTest::mouseClick(Chance(50) ? upDown->UpButton() : upDown->DownButton(),
                              Qt::LeftButton);
        }
    }

    // Ends the dialog as a person would: a button, the close box, Enter or Esc.
    // Esc and Enter do nothing in some dialogs; the dialog then stays up.
    void FinishDialog(QWidget* modal) {
        QList<QPushButton*> buttons;
        for (QPushButton* b : modal->findChildren<QPushButton*>()) {
            if (b->isVisible() && b->objectName().endsWith(QLatin1String("Button"))) {
                buttons << b;
            }
        }
        const int way = Pick({buttons.isEmpty() ? 0 : 60, 15, 15, 10});
        if (way == 0) {
            QPushButton* button = buttons[Below(static_cast<int>(buttons.size()))];
            ExpectResult(modal, button->objectName() == QLatin1String("okButton"));
            Did(QStringLiteral("dialog: click ") + button->text());
            if (Chance(50)) {
                QTest::mouseClick(button, Qt::LeftButton);
            } else {
                button->click();
            }
        } else if (way == 1) {
            ExpectResult(modal, false);
            Did(QStringLiteral("dialog: close box"));
            modal->close();
        } else {
            const bool enter = way == 2;
            // Enter presses the default button, unless the focus is in the notes.
            auto* memo = modal->findChild<QPlainTextEdit*>(QStringLiteral("notesText"));
            const bool enterIsOk = enter && !(memo && memo->hasFocus());
            ExpectResult(modal, enterIsOk);
            Did(enter ? QStringLiteral("dialog: Enter") : QStringLiteral("dialog: Esc"));
            QTest::keyClick(modal->windowHandle(), enter ? Qt::Key_Return : Qt::Key_Escape);
        }
        if (modal->isVisible()) {
            return; // still up: answered again on a later poll
        }
        ++dialogs_;
        ++tally_[QStringLiteral("dialog ") + modal->objectName() + QStringLiteral(" ended by ") +
                 (way == 0   ? QStringLiteral("a button")
                  : way == 1 ? QStringLiteral("the close box")
                  : way == 2 ? QStringLiteral("Enter")
                             : QStringLiteral("Esc"))];
        CountEnding(modal);
    }

    // Before a dialog is ended: what OK (or its absence) must leave behind.
    void ExpectResult(QWidget* modal, bool ok) {
        if (auto* name = qobject_cast<NameDialog*>(modal)) {
            const QString text = name->findChild<QLineEdit*>(QStringLiteral("nameEdit"))->text();
            if (ok && text != NameDialog::RevealPhrase) {
                expectedName_ =
                    text.isEmpty() ? NameDialog::FallbackName.toStdString() : text.toStdString();
            } else {
                expectedName_.reset();
            }
        } else if (auto* debug = qobject_cast<OptionsDialog*>(modal)) {
            expectedDebug_.reset();
            expectedMessageCheck_.reset();
            if (!ok) {
                return;
            }
            if (debug->DialogMode() == OptionsDialog::Mode::Options) {
                auto* first = debug->findChild<QRadioButton*>(QStringLiteral("checkAllRadio"));
                auto* second = debug->findChild<QRadioButton*>(QStringLiteral("checkNoneRadio"));
                if (first->isChecked()) {
                    expectedMessageCheck_ = MessageCheckAll;
                } else if (second->isChecked()) {
                    expectedMessageCheck_ = MessageCheckNone;
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
                if (BadInput::PlainDecimal(text, value) && value >= DebugRows[row].Min &&
                    value <= DebugRows[row].Max) {
                    typed[row] = static_cast<std::int32_t>(value);
                }
            }
            expectedDebug_ = typed;
            expectedConfirmation_ =
                debug->findChild<QCheckBox*>(QStringLiteral("quitConfirmationCheck"))->isChecked();
        }
    }

    void CountEnding(QWidget* modal) {
        auto* form = qobject_cast<ResultDialog*>(modal);
        if (!form || countedEnd_ || !gameStarted_) {
            return;
        }
        if (Live().State == StateGoal) {
            ++goals_;
            countedEnd_ = true;
        } else if (Live().State == StateGameOver) {
            ++gameOvers_;
            countedEnd_ = true;
        }
    }

    // ------------------------------------------------------ game messages
    void Before(const GameMessageEvent& message) override {
        ++delivered_;
        before_.push_back({Live(), delivered_});
        const GameRecord& live = Live();
        const int type = static_cast<int>(message.type());
        const bool animating = Form().Display().AnimeInterval() != 0;
        const auto squareKind =
            static_cast<std::int32_t>(Form().Course().KindAt(live.StartPosition, live.StartRow));
        if (type == WM_GAME_STEP && live.State != StateNewGame && live.State != StateTurnReady) {
            Fault(QStringLiteral("WM_GAME_STEP reached a game in state %1").arg(live.State));
        }
        if (type == WM_GAME_NEXT && live.State != StateEventApplied) {
            Fault(QStringLiteral("WM_GAME_NEXT reached a game in state %1").arg(live.State));
        }
        if (type != WM_GAME_EVENT) {
            return;
        }
        const std::int32_t code = message.WParam;
        if ((code == AnimeEnd || code == SlotStop) && animating) {
            Fault(QStringLiteral("event %1 arrived while the view animates").arg(code));
        }
        const bool squareEvent = code == 3 || (code >= 5 && code <= 8);
        if (squareEvent && (code != squareKind || !InProgress(live.State) ||
                            live.State == StateEventApplied || animating)) {
            Fault(QStringLiteral("square event %1 arrived on square %2 (kind %3) in state %4%5")
                      .arg(code)
                      .arg(live.StartPosition)
                      .arg(squareKind)
                      .arg(live.State)
                      .arg(animating ? QStringLiteral(", animating") : QString()));
        }
    }

    void After(const GameMessageEvent& message) override {
        const auto [before, number] = before_.back();
        before_.pop_back();
        if (!forms_ || delivered_ != number) {
            return; // other messages came in between (a dialog was up): no exact books
        }
        const GameRecord& live = Live();
        const int type = static_cast<int>(message.type());
        if (type == WM_GAME_STEP) {
            if (live.StartPosition != before.StartPosition + message.WParam ||
                live.Stamina != before.Stamina - 1) {
                Fault(QStringLiteral("a step moved %1,%2 to %3,%4")
                          .arg(before.StartPosition)
                          .arg(before.Stamina)
                          .arg(live.StartPosition)
                          .arg(live.Stamina));
            }
            const std::int32_t expected = live.StartPosition >= GoalSquare ? StateGoal
                                          : live.Stamina <= 0              ? StateGameOver
                                                                           : before.State;
            if (live.State != expected) {
                Fault(QStringLiteral("after a step the state is %1, expected %2")
                          .arg(live.State)
                          .arg(expected));
            }
        } else if (type == WM_GAME_EVENT && message.WParam == 6) {
            const std::int32_t param =
                Form().Course().ParamAt(before.StartPosition, before.StartRow);
            if (live.Stamina != before.Stamina + param) {
                Fault(QStringLiteral("stamina event: %1 + %2 gave %3")
                          .arg(before.Stamina)
                          .arg(param)
                          .arg(live.Stamina));
            }
        }
    }

    // ------------------------------------------------------------ invariants
    void Check(const char* where) {
        if (!forms_) {
            return;
        }
        MainWindow& form = Form();
        const GameRecord& live = Live();
        const auto fault = [&](const QString& what) {
            Fault(what + QStringLiteral(" (") + QLatin1String(where) + QLatin1Char(')'));
        };
        const std::int32_t s = live.State;
        if (s != 0 && s != 15 && s != 16 && s != 17 && s != 18) {
            fault(QStringLiteral("state %1").arg(s));
        }
        if (gameStarted_ && InProgress(s)) {
            if (live.StartPosition < 1 || live.StartPosition > GoalSquare) {
                fault(QStringLiteral("position %1 while the game goes on").arg(live.StartPosition));
            }
            if (live.Stamina < 1) {
                fault(QStringLiteral("stamina %1 while the game goes on").arg(live.Stamina));
            }
        }

        const bool game = form.OnGameScreen();
        if (form.isVisible()) {
            const bool views[] = {
                form.Status().Panel()->isVisible(), form.Slot().OuterPanel()->isVisible(),
                form.Display().DisplayPanel()->isVisible(), form.MessBox().Memo()->isVisible()};
            for (bool shown : views) {
                if (shown != game) {
                    fault(QStringLiteral("a game view is %1 on the %2 screen")
                              .arg(shown ? "shown" : "hidden", game ? "game" : "title"));
                }
            }
            if (form.titlePicture()->isVisible() == game) {
                fault(QStringLiteral("the title picture does not match the screen"));
            }
        }
        const bool menu[] = {form.MenuItem("enterNameAction")->isEnabled() == !game,
                             form.MenuItem("startGameAction")->isEnabled() == !game,
                             form.MenuItem("restartGameAction")->isEnabled() == game,
                             form.MenuItem("returnToTitleAction")->isEnabled() == game,
                             form.Menu("optionsMenu")->menuAction()->isEnabled() == !game,
                             form.MenuItem("notesAction")->isEnabled(),
                             form.MenuItem("versionAction")->isEnabled(),
                             form.MenuItem("closeAction")->isEnabled()};
        for (bool right : menu) {
            if (!right) {
                fault(QStringLiteral("the menu does not match the %1 screen")
                          .arg(game ? "game" : "title"));
                break;
            }
        }
        if (game && gameStarted_ &&
            form.Status().NameValue()->text() != QString::fromStdString(live.PlayerName)) {
            fault(QStringLiteral("the status panel does not show the player's name"));
        }

        SlotDrum& slot = form.Slot();
        const bool animating = form.Display().AnimeInterval() != 0;
        const bool spinning = slot.Spinning();
        const std::int32_t mode = slot.ButtonMode();
        if (animating && mode != ButtonIdle) {
            fault(QStringLiteral("button mode %1 while the view animates").arg(mode));
        }
        // Back at the title the stopped drum keeps its caption out of sight;
        // the next game blanks it before the drum is shown again.
        if (game && !spinning && mode == ButtonStop) {
            fault(QStringLiteral("ストップ while the drum rests"));
        }
        if (spinning && !slot.StopRequest() && mode != ButtonStop) {
            fault(QStringLiteral("button mode %1 while the drum spins freely").arg(mode));
        }
        if (!game && (animating || spinning)) {
            fault(QStringLiteral("the game runs on behind the title screen"));
        }
        if (gameStarted_ && !InProgress(s) && (mode != ButtonIdle || animating || spinning)) {
            fault(QStringLiteral("a finished game still moves (mode %1)").arg(mode));
        }
        if (quiet_ && game && gameStarted_ && InProgress(s) && !animating && !spinning) {
            const auto kind = form.Course().KindAt(live.StartPosition, live.StartRow);
            const bool offered = mode == ButtonStart || mode == 3 || (mode >= 5 && mode <= 8);
            const bool nothingToOffer =
                mode == ButtonIdle && (kind == SquareKind::Goal || kind == SquareKind::Empty);
            if (!offered && !nothingToOffer) {
                fault(QStringLiteral("nothing runs, yet the button offers nothing (mode %1, "
                                     "square %2, state %3)")
                          .arg(mode)
                          .arg(live.StartPosition)
                          .arg(s));
            }
        }
    }

    using DebugExpectation = std::array<std::optional<std::int32_t>, OptionsDialog::RowCount>;
    struct BeforeMessage {
        GameRecord Record;
        long Number;
    };

    MonkeyOptions options_;
    std::mt19937 random_;
    BadInput input_;
    std::unique_ptr<ProgramWindows> forms_;
    QTimer poll_;
    QList<QWidget*> handling_;
    std::vector<BeforeMessage> before_;
    QStringList faults_;
    QStringList recent_;
    QMap<QString, long> tally_;

    std::optional<std::string> expectedName_;
    std::optional<DebugExpectation> expectedDebug_;
    bool expectedConfirmation_ = false;
    std::optional<std::int32_t> expectedMessageCheck_;

    bool gameStarted_ = false;
    bool patient_ = false;
    long patientUntil_ = 0;
    static constexpr long PatienceActions = 5000;
    bool viewTicked_ = false; // a tick's messages may still be queued
    bool drumTicked_ = false;
    bool countedEnd_ = false;
    bool quiet_ = false;
    std::int32_t gameMarker_ = 0;
    long drumPresses_ = 0;
    long delivered_ = 0;
    long actions_ = 0;
    long gamesStarted_ = 0;
    long goals_ = 0;
    long gameOvers_ = 0;
    long dialogs_ = 0;
    long programStarts_ = 0;
};

int main(int argc, char** argv) {
    MonkeyApplication app(argc, argv);
    // The monkey closes the program many times and starts it again.
    app.setQuitOnLastWindowClosed(false);
    std::vector<char*> args(argv, argv + argc);
    const MonkeyOptions options = ReadOptions(args);
    MonkeyTest test(options);
    int count = static_cast<int>(args.size());
    return QTest::qExec(&test, count, args.data());
}

#include "monkey_test.moc"
