// What a screen reader is told about the game screen, and that it is told
// when a square or a turn changes, never by an animation tick.
#include "AnimatedCourseView.h"
#include "CourseTable.h"
#include "DrumRandom.h"
#include "Fonts.h"
#include "GameMessageEvent.h"
#include "GameMessages.h"
#include "ProgramWindows.h"
#include "RemarkBox.h"
#include "ScreenMetrics.h"
#include "SettleForm.h"
#include "SlotDrum.h"

#include <QAccessible>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

namespace {

QString Spoken(QObject* object, QAccessible::Text what) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(object);
    return face ? face->text(what) : QStringLiteral("<no accessible interface>");
}

QString Name(QObject* object) {
    return Spoken(object, QAccessible::Name);
}

QString Description(QObject* object) {
    return Spoken(object, QAccessible::Description);
}

} // namespace

class AccessibleNamesTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<ProgramWindows> forms;
    MainWindow& form() { return forms->Form1(); }
    QWidget* drum() { return form().Slot().PaintBox(); }
    QWidget* view() { return form().Display().ViewBox(); }

    void Settle() { QVERIFY2(SettleForm(form()), "the animation never ended"); }

    QString SquareText(int square) {
        const std::string& remark = form().Course().RemarkAt(square, WalkRow);
        return QStringLiteral("%1 マス目").arg(square) +
               (remark.empty() ? QString() : ": " + QString::fromStdString(remark));
    }

    QString DrumText() {
        const auto& n = form().Slot().Numbers();
        const int arrow = form().Slot().Data().ArrowPosition;
        return QStringLiteral("%1 %2 %3 (矢印: %4)")
            .arg(n[1])
            .arg(n[2])
            .arg(n[3])
            .arg(n[arrow + 1]);
    }

private slots:
    void initTestCase() {
        RegisterFontSubstitutes();
        ReserveGameMessageTypes();
    }

    void init() {
        SetFullScreenSizeOverride(QSize(1024, 749));
        SeedRandom(3);
        forms = std::make_unique<ProgramWindows>();
        form().Session().EndConfirmation = false;
        form().show();
        form().startGame();
        Settle();
    }

    void cleanup() {
        forms.reset();
        SetFullScreenSizeOverride(std::nullopt);
    }

    void everyViewOfTheGameScreenHasANameAndSaysWhatItShows() {
        QCOMPARE(Name(form().Slot().SlotButton()), QStringLiteral("スタート"));
        QCOMPARE(Name(drum()), QStringLiteral("スロットドラム"));
        QCOMPARE(Description(drum()), DrumText());
        QCOMPARE(Name(view()), QStringLiteral("コース"));
        QCOMPARE(Description(view()), SquareText(1));
        QVERIFY(Description(view()).contains(QStringLiteral("さぁっ！いくぞぉっ！！")));

        StatusPanelWidget& status = form().Status();
        QCOMPARE(Name(status.NameValue()), QStringLiteral("名前 zad"));
        QCOMPARE(Name(status.StaminaValue()), QStringLiteral("体力 30"));
        QCOMPARE(Name(status.ArrowValue()), QStringLiteral("矢印の位置 0"));
        QCOMPARE(Name(status.RotationValue()), QStringLiteral("回転の幅 30"));
        QCOMPARE(Name(status.TimerValue()), QStringLiteral("回転の間隔 10"));
        QCOMPARE(Name(status.DistanceValue()), QStringLiteral("ゴールまで あと 100 歩"));

        QPlainTextEdit* memo = form().MessBox().Memo();
        QCOMPARE(Name(memo), QStringLiteral("メッセージ"));
        QAccessibleInterface* text = QAccessible::queryAccessibleInterface(memo);
        QVERIFY(text && text->textInterface());
        QCOMPARE(text->textInterface()->text(0, text->textInterface()->characterCount()),
                 memo->toPlainText());
    }

    void theTextsChangeWithTheSquareAndNeverInATick() {
        QPushButton* button = form().Slot().SlotButton();
        button->click();
        QCOMPARE(Description(drum()), QStringLiteral("回転中"));
        QCOMPARE(Name(button), QStringLiteral("ストップ"));

        // Ticks turn the drum until it halts, and leave the texts alone.
        for (int tick = 0; tick < 10; ++tick) {
            form().Slot().SpinTick();
        }
        button->click();
        while (form().Slot().Spinning()) {
            form().Slot().SpinTick();
        }
        QCOMPARE(Description(drum()), QStringLiteral("回転中"));

        // The drum's result arrives as a message: now the drum says where it stopped.
        const auto& numbers = form().Slot().Numbers();
        const int walk = numbers[form().Slot().Data().ArrowPosition + 1];
        QCoreApplication::sendPostedEvents();
        QCOMPARE(Description(drum()), DrumText());

        // A whole square walked by ticks: the view still names the square she left...
        for (int tick = 0; tick < 4; ++tick) {
            form().Display().AnimeTick();
        }
        QCOMPARE(Description(view()), SquareText(1));
        // ... until the square's message.
        QCoreApplication::sendPostedEvents();
        QCOMPARE(Description(view()), SquareText(2));
        QCOMPARE(Name(form().Status().StaminaValue()), QStringLiteral("体力 29"));
        QCOMPARE(Name(form().Status().DistanceValue()), QStringLiteral("ゴールまで あと 99 歩"));

        Settle();
        QCOMPARE(Description(view()), SquareText(1 + walk));
        QCOMPARE(Name(form().Status().StaminaValue()), QStringLiteral("体力 %1").arg(30 - walk));
        QVERIFY(!button->text().isEmpty()); // the square's event waits for its button
        QCOMPARE(Name(button), button->text());
    }
};

QTEST_MAIN(AccessibleNamesTest)
#include "accessible_names_test.moc"
