// What a screen reader is told about the game screen, and that it is told
// when a square or a turn changes, never by an animation tick.
#include "AnimatedCourseView.h"
#include "Announcer.h"
#include "Artwork.h"
#include "CourseTable.h"
#include "DrumRandom.h"
#include "Fonts.h"
#include "ImageList.h"
#include "NameDialog.h"
#include "OptionsDialog.h"
#include "RemarkBox.h"
#include "ResultDialog.h"
#include "SlotDrum.h"
#include "StatusPanelWidget.h"
#include "support/ModalAnswerer.h"
#include "support/SettleForm.h"
#include "support/TestWindows.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>

namespace {

QString spoken(QObject* object, QAccessible::Text what) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(object);
    return face ? face->text(what) : QStringLiteral("<no accessible interface>");
}

QString name(QObject* object) {
    return spoken(object, QAccessible::Name);
}

QString description(QObject* object) {
    return spoken(object, QAccessible::Description);
}

} // namespace

class AccessibleNamesTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TestWindows> testWindows;
    MainWindow& form() { return testWindows->mainWindow(); }
    QWidget* drum() { return form().drum().paintBox(); }
    QWidget* view() { return form().courseView().viewBox(); }

    void settle() { QVERIFY2(settleForm(form()), "the animation never ended"); }

    QString squareText(int square) {
        const std::string& remark = form().course().remarkAt(square, WalkRow);
        return QStringLiteral("%1 マス目").arg(square) +
               (remark.empty() ? QString() : ": " + QString::fromStdString(remark));
    }

    ImageList digits{SlotDrum::DigitWidth, SlotDrum::CellHeight};

    // The numbers the drum's picture shows, top down, read from their faces;
    // 0 where a row shows none of them.
    std::array<int, SlotDrum::VisibleCells> numbersInView() {
        const QImage picture =
            form().drum().paintBox()->Picture().convertToFormat(QImage::Format_RGB32);
        std::array<int, SlotDrum::VisibleCells> numbers{};
        for (int row = 0; row < SlotDrum::VisibleCells; ++row) {
            const QImage shown =
                picture.copy(SlotDrum::ArrowColumnWidth, row * SlotDrum::CellHeight,
                             SlotDrum::DigitWidth, SlotDrum::CellHeight);
            for (int face = 0; face < digits.count(); ++face) {
                if (shown == digits.frame(face).convertToFormat(QImage::Format_RGB32)) {
                    numbers[row] = face + 1;
                }
            }
        }
        return numbers;
    }
    // The number beside the drum's arrow.
    int numberAtTheArrow() { return numbersInView()[form().controller().liveRecord().arrowRow]; }

    QString drumText() {
        const auto n = numbersInView();
        return QStringLiteral("%1 %2 %3 (矢印: %4)")
            .arg(n[0])
            .arg(n[1])
            .arg(n[2])
            .arg(numberAtTheArrow());
    }

private slots:
    void initTestCase() {
        registerFontSubstitutes();
        Artwork::loadDigitImages(digits);
    }

    void init() {
        seedRandom(3);
        testWindows = std::make_unique<TestWindows>();
        form().startGame();
        settle();
    }

    void cleanup() { testWindows.reset(); }

    void everyViewOfTheGameScreenHasANameAndSaysWhatItShows() {
        QCOMPARE(name(form().drum().slotButton()), QStringLiteral("スタート"));
        QCOMPARE(name(drum()), QStringLiteral("スロットドラム"));
        QCOMPARE(description(drum()), drumText());
        QCOMPARE(name(view()), QStringLiteral("コース"));
        QVERIFY(description(view()).startsWith(squareText(1) + QStringLiteral("。この先: ")));
        QVERIFY(description(view()).contains(QStringLiteral("さぁっ！いくぞぉっ！！")));

        StatusPanelWidget& status = form().statusPanel();
        QCOMPARE(name(status.findChild<QLabel*>("nameValue")), QStringLiteral("名前 zad"));
        QCOMPARE(name(status.findChild<QLabel*>("staminaValue")), QStringLiteral("体力 30"));
        QCOMPARE(name(status.findChild<QLabel*>("arrowValue")), QStringLiteral("矢印の位置 0"));
        QCOMPARE(name(status.findChild<QLabel*>("rotationValue")), QStringLiteral("回転の幅 30"));
        QCOMPARE(name(status.findChild<QLabel*>("timerValue")), QStringLiteral("回転の間隔 10"));
        QCOMPARE(name(status.findChild<QLabel*>("distanceValue")),
                 QStringLiteral("ゴールまで あと 100 歩"));

        QPlainTextEdit* memo = &form().remarkBox();
        QCOMPARE(name(memo), QStringLiteral("メッセージ"));
        QAccessibleInterface* text = QAccessible::queryAccessibleInterface(memo);
        QVERIFY(text && text->textInterface());
        QCOMPARE(text->textInterface()->text(0, text->textInterface()->characterCount()),
                 memo->toPlainText());
    }

    void theTextsChangeWithTheSquareAndNeverInATick() {
        QPushButton* button = form().drum().slotButton();
        button->click();
        QCOMPARE(description(drum()), QStringLiteral("回転中"));
        QCOMPARE(name(button), QStringLiteral("ストップ"));

        // Ticks turn the drum until it halts, and leave the texts alone.
        for (int tick = 0; tick < 10; ++tick) {
            form().drum().spinTick();
        }
        button->click();
        QVERIFY(spinDrumUntilItHalts(form()));
        QCOMPARE(description(drum()), QStringLiteral("回転中"));

        // The drum's result arrives as a message: now the drum says where it stopped.
        const int walk = numberAtTheArrow();
        QCoreApplication::sendPostedEvents();
        QCOMPARE(description(drum()), drumText());

        // A whole square walked by ticks: the view still names the square she left...
        for (int tick = 0; tick < 4; ++tick) {
            form().courseView().animationTick();
        }
        QVERIFY(description(view()).startsWith(squareText(1)));
        // ... until the square's message.
        QCoreApplication::sendPostedEvents();
        QVERIFY(description(view()).startsWith(squareText(2)));
        QCOMPARE(name(form().statusPanel().findChild<QLabel*>("staminaValue")),
                 QStringLiteral("体力 29"));
        QCOMPARE(name(form().statusPanel().findChild<QLabel*>("distanceValue")),
                 QStringLiteral("ゴールまで あと 99 歩"));

        settle();
        QVERIFY(description(view()).startsWith(squareText(1 + walk)));
        QCOMPARE(name(form().statusPanel().findChild<QLabel*>("staminaValue")),
                 QStringLiteral("体力 %1").arg(30 - walk));
        QVERIFY(!button->text().isEmpty()); // the square's event waits for its button
        QCOMPARE(name(button), button->text());
    }

    // What the player hears of a turn, one sentence at a time: the new
    // caption when the button is pressed, the number when the drum stops,
    // and the square, its remark, its event, the stamina and the distance
    // once the walk ends, never at each step.
    void aTurnIsAnnouncedAsItHappens() {
        Announcer& announcer = form().announcer();
        const QString start = announcer.recentAnnouncements().constLast();
        QVERIFY2(
            start.startsWith(QStringLiteral("1 マス目 さぁっ！いくぞぉっ！！")) &&
                start.endsWith(QStringLiteral("、ボタン スタート、体力 30 ゴールまで あと 100 歩")),
            qPrintable(start));
        QPushButton* button = form().drum().slotButton();
        button->click();
        QCoreApplication::sendPostedEvents();
        QCOMPARE(announcer.recentAnnouncements().constLast(), QStringLiteral("ボタン ストップ"));
        button->click();
        QVERIFY(spinDrumUntilItHalts(form()));
        QCoreApplication::sendPostedEvents(); // the result, then the announcement
        QCoreApplication::sendPostedEvents();
        const int walk = numberAtTheArrow();
        QCOMPARE(announcer.recentAnnouncements().constLast(),
                 QStringLiteral("%1 が出た").arg(walk));
        const int before = announcer.recentAnnouncements().size();
        settle();
        QCoreApplication::sendPostedEvents();
        const QStringList heard = announcer.recentAnnouncements();
        QCOMPARE(heard.size(), std::min(before + 1, 8));
        const QString square = heard.constLast();
        QVERIFY2(square.startsWith(QStringLiteral("%1 マス目").arg(1 + walk)), qPrintable(square));
        QVERIFY2(square.contains(QStringLiteral("ボタン ") + button->text()), qPrintable(square));
        QVERIFY2(
            square.endsWith(
                QStringLiteral("体力 %1 ゴールまで あと %2 歩").arg(30 - walk).arg(100 - walk)),
            qPrintable(square));

        // The event taken: the next turn's caption, and the stamina only if it changed.
        button->click();
        settle();
        QCoreApplication::sendPostedEvents();
        QVERIFY2(
            announcer.recentAnnouncements().constLast().endsWith(QStringLiteral("ボタン スタート")),
            qPrintable(announcer.recentAnnouncements().constLast()));
    }

    // A blank button still has a name, and back on the title screen the
    // focus rests on the shown title, not on the hidden button.
    void theFocusIsNeverOnANamelessOrHiddenControl() {
        form().restartGame();
        QPushButton* button = form().drum().slotButton();
        QVERIFY(button->text().isEmpty()); // the entry walk runs
        QVERIFY(!name(button).isEmpty());
        settle();
        form().returnToTitle();
        QWidget* focus = form().focusWidget();
        QCOMPARE(focus, form().titlePicture());
        QVERIFY(focus->isVisible());
        QVERIFY(description(focus).contains(QStringLiteral("ゲームスタート")));
    }

    // At game over the course, the panel and the dialog name one square,
    // while the dialog is open; the dialog says which ending it is.
    void theEndingsAreToldWithTheSquare() {
        form().recordTemplate().stamina = 2;
        form().recordTemplate().drumMin = 6;
        form().recordTemplate().drumMax = 6;
        form().restartGame();
        settle();
        QString course, distance, dialogName, dialogDescription;
        ModalAnswerer answers;
        answers.then([&](QDialog& dialog) {
            course = description(view());
            course = description(view());
            distance = name(form().statusPanel().findChild<QLabel*>("distanceValue"));
            dialogName = name(&dialog);
            dialogDescription = description(&dialog);
            dialog.accept();
        });
        form().drum().slotButton()->click();
        for (int tick = 0; tick < 10; ++tick) {
            form().drum().spinTick(); // every cell turned to a 6
        }
        form().drum().slotButton()->click();
        QVERIFY(spinDrumUntilItHalts(form()));
        settle();
        QVERIFY(answers.allAnswered());
        QVERIFY2(course.startsWith(squareText(3)), qPrintable(course));
        QCOMPARE(distance, QStringLiteral("ゴールまで あと 98 歩"));
        QCOMPARE(dialogName, QStringLiteral("ゲームオーバー"));
        QVERIFY2(dialogDescription.contains(QStringLiteral("3 コマ目まで")),
                 qPrintable(dialogDescription));

        ResultDialog results;
        GameRecord record;
        record.currentSquare = 101;
        record.stamina = 12;
        answers.then([&](QDialog& dialog) {
            dialogName = name(&dialog);
            dialogDescription = description(&dialog);
            dialog.accept();
        });
        results.showGoalResult(record, GameTimes{QTime(10, 0), QTime(10, 30)});
        QCOMPARE(dialogName, QStringLiteral("ゴール"));
        QVERIFY2(dialogDescription.contains(QStringLiteral("101 マス目でゴール")) &&
                     dialogDescription.contains(QStringLiteral("経過時間")) &&
                     dialogDescription.endsWith(QStringLiteral("終了時体力 12")),
                 qPrintable(dialogDescription));
    }

    // The name entry and the debug dialog: every field is named by the
    // caption beside it, every arrow by what it does to which field.
    void theFieldsOfTheDialogsAreNamed() {
        NameDialog names;
        auto* nameEdit = names.findChild<QLineEdit*>(QStringLiteral("nameEdit"));
        auto* prompt = names.findChild<QLabel*>(QStringLiteral("promptLabel"));
        QCOMPARE(prompt->buddy(), nameEdit);
        QCOMPARE(name(&names), QStringLiteral("名前の入力"));
        QCOMPARE(description(&names), prompt->text());

        Preferences preferences;
        OptionsDialog options(preferences);
        for (const char* row : OptionsDialog::RowNames) {
            const QString stem = QString::fromLatin1(row);
            auto* caption = options.findChild<QLabel*>(stem + QStringLiteral("Label"));
            auto* edit = options.findChild<QLineEdit*>(stem + QStringLiteral("Edit"));
            QVERIFY2(caption && edit, row);
            QCOMPARE(name(edit), caption->text());
            QStringList arrows;
            for (auto* arrow : options.findChildren<QToolButton*>()) {
                if (name(arrow).startsWith(caption->text() + QLatin1Char(' '))) {
                    arrows << name(arrow);
                }
            }
            arrows.sort();
            QCOMPARE(arrows, (QStringList{caption->text() + QStringLiteral(" を増やす"),
                                          caption->text() + QStringLiteral(" を減らす")}));
        }
    }
};

QTEST_MAIN(AccessibleNamesTest)
#include "accessible_names_test.moc"
