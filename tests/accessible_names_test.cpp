// What a screen reader is told about the game screen, and that it is told
// when a square or a turn changes, never by an animation tick.
#include "AnimatedCourseView.h"
#include "CourseTable.h"
#include "DrumRandom.h"
#include "Fonts.h"
#include "MainWindow.h"
#include "RemarkBox.h"
#include "ScreenMetrics.h"
#include "SettleForm.h"
#include "SlotDrum.h"
#include "StatusPanelWidget.h"

#include <QAccessible>
#include <QPlainTextEdit>
#include <QPushButton>
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
    std::unique_ptr<MainWindow> forms;
    MainWindow& form() { return (*forms); }
    QWidget* drum() { return form().drum().paintBox(); }
    QWidget* view() { return form().courseView().viewBox(); }

    void settle() { QVERIFY2(settleForm(form()), "the animation never ended"); }

    QString squareText(int square) {
        const std::string& remark = form().course().remarkAt(square, WalkRow);
        return QStringLiteral("%1 マス目").arg(square) +
               (remark.empty() ? QString() : ": " + QString::fromStdString(remark));
    }

    QString drumText() {
        const auto& n = form().drum().numbers();
        const int arrow = form().drum().data().arrowRow;
        return QStringLiteral("%1 %2 %3 (矢印: %4)")
            .arg(n[1])
            .arg(n[2])
            .arg(n[3])
            .arg(n[arrow + 1]);
    }

private slots:
    void initTestCase() { registerFontSubstitutes(); }

    void init() {
        setFullScreenSizeOverride(QSize(1024, 749));
        seedRandom(3);
        forms = std::make_unique<MainWindow>();
        form().preferences().askBeforeQuit = false;
        form().show();
        form().startGame();
        settle();
    }

    void cleanup() {
        forms.reset();
        setFullScreenSizeOverride(std::nullopt);
    }

    void everyViewOfTheGameScreenHasANameAndSaysWhatItShows() {
        QCOMPARE(name(form().drum().slotButton()), QStringLiteral("スタート"));
        QCOMPARE(name(drum()), QStringLiteral("スロットドラム"));
        QCOMPARE(description(drum()), drumText());
        QCOMPARE(name(view()), QStringLiteral("コース"));
        QCOMPARE(description(view()), squareText(1));
        QVERIFY(description(view()).contains(QStringLiteral("さぁっ！いくぞぉっ！！")));

        StatusPanelWidget& status = form().statusPanel();
        QCOMPARE(name(status.nameValue()), QStringLiteral("名前 zad"));
        QCOMPARE(name(status.staminaValue()), QStringLiteral("体力 30"));
        QCOMPARE(name(status.arrowValue()), QStringLiteral("矢印の位置 0"));
        QCOMPARE(name(status.rotationValue()), QStringLiteral("回転の幅 30"));
        QCOMPARE(name(status.timerValue()), QStringLiteral("回転の間隔 10"));
        QCOMPARE(name(status.distanceValue()), QStringLiteral("ゴールまで あと 100 歩"));

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
        while (form().drum().spinning()) {
            form().drum().spinTick();
        }
        QCOMPARE(description(drum()), QStringLiteral("回転中"));

        // The drum's result arrives as a message: now the drum says where it stopped.
        const auto& numbers = form().drum().numbers();
        const int walk = numbers[form().drum().data().arrowRow + 1];
        QCoreApplication::sendPostedEvents();
        QCOMPARE(description(drum()), drumText());

        // A whole square walked by ticks: the view still names the square she left...
        for (int tick = 0; tick < 4; ++tick) {
            form().courseView().animationTick();
        }
        QCOMPARE(description(view()), squareText(1));
        // ... until the square's message.
        QCoreApplication::sendPostedEvents();
        QCOMPARE(description(view()), squareText(2));
        QCOMPARE(name(form().statusPanel().staminaValue()), QStringLiteral("体力 29"));
        QCOMPARE(name(form().statusPanel().distanceValue()),
                 QStringLiteral("ゴールまで あと 99 歩"));

        settle();
        QCOMPARE(description(view()), squareText(1 + walk));
        QCOMPARE(name(form().statusPanel().staminaValue()),
                 QStringLiteral("体力 %1").arg(30 - walk));
        QVERIFY(!button->text().isEmpty()); // the square's event waits for its button
        QCOMPARE(name(button), button->text());
    }
};

QTEST_MAIN(AccessibleNamesTest)
#include "accessible_names_test.moc"
