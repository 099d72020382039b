// How the windows behave towards the window system: which title-bar buttons
// they ask for, what happens when one is pressed anyway, and where a dialog
// goes when the cursor's place is unknown (as on Wayland).
#include "AboutDialog.h"
#include "NameDialog.h"
#include "OptionsDialog.h"
#include "Placement.h"
#include "ResultDialog.h"
#include "ScreenMetrics.h"
#include "WindowStateGuard.h"
#include "support/ModalAnswerer.h"
#include "support/TestWindows.h"

#include <QPushButton>
#include <QWindow>
#include <QtTest>

namespace {

QPushButton* button(QDialog& dialog, const char* name) {
    return part<QPushButton>(dialog, name);
}

// Minimises the window as Qt's own Wayland title bar does: on the window
// itself, past the widget.
void minimiseLikeTheTitleBar(QDialog& dialog) {
    dialog.windowHandle()->setWindowState(Qt::WindowMinimized);
}

} // namespace

class WindowSystemTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TestWindows> testWindows;
    MainWindow& form() { return testWindows->mainWindow(); }

    std::vector<GameDialog*> dialogs() {
        return {&form().optionsDialog(), &form().nameDialog(), &form().aboutDialog(),
                &form().resultDialog()};
    }

private slots:
    void init() {
        testWindows = std::make_unique<TestWindows>();
        QVERIFY(QTest::qWaitForWindowExposed(&form()));
    }

    void cleanup() { testWindows.reset(); }

    void windowsAskForNoMaximiseAndDialogsForNoMinimise() {
        const Qt::WindowFlags main = form().windowFlags();
        // Without the customise hint the window system adds every button.
        QVERIFY(main.testFlag(Qt::CustomizeWindowHint));
        QVERIFY(!main.testFlag(Qt::WindowMaximizeButtonHint));
        QVERIFY(main.testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(main.testFlag(Qt::WindowCloseButtonHint));
        for (GameDialog* dialog : dialogs()) {
            const Qt::WindowFlags flags = dialog->windowFlags();
            QVERIFY2(flags.testFlag(Qt::CustomizeWindowHint), qPrintable(dialog->objectName()));
            QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
            QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
            QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
            // Transient for the main window, which keeps it above.
            QCOMPARE(dialog->parentWidget(), &form());
        }
    }

    void aMaximisedFixedSizeWindowReturnsToNormal() {
        const QSize size = form().size();
        form().showMaximized();
        QTRY_VERIFY(!form().isMaximized());
        QCOMPARE(form().size(), size);
        form().windowHandle()->setWindowState(Qt::WindowFullScreen);
        QTRY_VERIFY(!form().isFullScreen());
        QVERIFY(form().isVisible());

        // A window that can grow keeps the state it was given.
        QWidget resizable;
        WindowStateGuard::protect(&resizable);
        resizable.resize(200, 100);
        resizable.showMaximized();
        QTest::qWait(50);
        QVERIFY(resizable.isMaximized());
    }

    void aMinimisedQuestionComesBackAndStillTakesItsAnswer() {
        ModalAnswerer answers;
        int showings = 0;
        answers.then([&](QDialog& dialog) {
            ++showings;
            minimiseLikeTheTitleBar(dialog);
        });
        answers.then([&](QDialog& dialog) {
            ++showings;
            QVERIFY(dialog.isVisible());
            QVERIFY(!dialog.isMinimized());
            QVERIFY(button(dialog, "yesButton")->isDefault());
            button(dialog, "yesButton")->click();
        });
        QCOMPARE(form().resultDialog().confirmQuit(), QMessageBox::Yes);
        QCOMPARE(showings, 2);
        QVERIFY(!form().resultDialog().isVisible());

        // Minimised by the window manager's own means, through the widget.
        answers.then([](QDialog& dialog) { dialog.setWindowState(Qt::WindowMinimized); });
        answers.then([](QDialog& dialog) { button(dialog, "noButton")->click(); });
        QCOMPARE(form().resultDialog().confirmQuit(), QMessageBox::No);
        QVERIFY(answers.allAnswered());

        // Maximised: the fixed-size dialog comes back at its own size.
        QSize shownSize, sizeAgain;
        bool maximisedAgain = true;
        answers.then([&](QDialog& dialog) {
            shownSize = dialog.size();
            dialog.windowHandle()->setWindowState(Qt::WindowMaximized);
        });
        answers.then([&](QDialog& dialog) {
            maximisedAgain = dialog.isMaximized() ||
                             (dialog.windowHandle()->windowStates() & Qt::WindowMaximized);
            sizeAgain = dialog.size();
            button(dialog, "okButton")->click();
        });
        form().aboutDialog().showVersion();
        QVERIFY(answers.allAnswered());
        QVERIFY(!maximisedAgain);
        QCOMPARE(sizeAgain, shownSize);
    }

    void anAnswerRightAfterAMinimiseEndsTheShowing() {
        ModalAnswerer answers;
        answers.then([](QDialog& dialog) {
            minimiseLikeTheTitleBar(dialog);
            button(dialog, "noButton")->click();
        });
        QCOMPARE(form().resultDialog().confirmQuit(), QMessageBox::No);
        QTest::qWait(50);
        QVERIFY(!form().resultDialog().isVisible());
        QCOMPARE(answers.seen().size(), 1);
    }

    void withTheCursorUnknownDialogsCentreOnTheMainWindow() {
        setCursorPosUnknownOverride(true);
        QCOMPARE(placeNearCursor(100, 100), std::nullopt);
        form().move(300, 200);
        const QRect frame = form().frameGeometry();
        bool centredEverywhere = true;
        auto centred = [&](QDialog& dialog) {
            const QSize outer = outerSizeOf(dialog);
            const QPoint place = placeCentredOn(frame, outer.width(), outer.height());
            const QPoint offCentre = QRect(place, outer).center() - frame.center();
            if (offCentre.manhattanLength() > 2) {
                qWarning() << "off centre by" << offCentre;
                centredEverywhere = false;
            }
            return place;
        };
        QPoint versionPlace, quitPlace, debugPlace;
        ModalAnswerer answers;
        answers.then([&](QDialog& dialog) {
            versionPlace = static_cast<GameDialog&>(dialog).requestedPlace();
            QCOMPARE(versionPlace, centred(dialog));
            button(dialog, "okButton")->click();
        });
        answers.then([&](QDialog& dialog) {
            quitPlace = static_cast<GameDialog&>(dialog).requestedPlace();
            QCOMPARE(quitPlace, centred(dialog));
            button(dialog, "yesButton")->click();
        });
        answers.then([&](QDialog& dialog) {
            debugPlace = static_cast<GameDialog&>(dialog).requestedPlace();
            QCOMPARE(debugPlace, centred(dialog));
            button(dialog, "cancelButton")->click();
        });
        form().aboutDialog().showVersion();
        form().resultDialog().confirmQuit();
        form().optionsDialog().showDebug(form().recordTemplate());
        QVERIFY(answers.allAnswered());
        // Each has its own size, and all share the main window's centre.
        QVERIFY(centredEverywhere);
        QVERIFY(versionPlace != quitPlace);
        QVERIFY(quitPlace != debugPlace);
    }

    void okIsTheDefaultAgainAfterAShowingEndedOnCancel() {
        ModalAnswerer answers;
        answers.then([](QDialog& dialog) {
            // As a focused push button makes itself the default while it has
            // the focus.
            button(dialog, "cancelButton")->setDefault(true);
            button(dialog, "cancelButton")->click();
        });
        answers.then([](QDialog& dialog) {
            QVERIFY(button(dialog, "okButton")->isDefault());
            QVERIFY(!button(dialog, "cancelButton")->isDefault());
            button(dialog, "okButton")->click();
        });
        form().optionsDialog().showDebug(form().recordTemplate());
        form().optionsDialog().showOptions(form().recordTemplate());
        QVERIFY(answers.allAnswered());
    }
};

QTEST_MAIN(WindowSystemTest)
#include "window_system_test.moc"
