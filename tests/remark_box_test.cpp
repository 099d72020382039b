#include "Fonts.h"
#include "RemarkBox.h"

#include <QApplication>
#include <QClipboard>
#include <QPointer>
#include <QTest>
#include <QTextBlock>
#include <QWidget>
#include <memory>

// The remark box on a bare window, where the main window puts it.
class RemarkBoxTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QWidget> window;
    RemarkBox* box = nullptr;

    void showBox() {
        box->move(0, 242);
        box->show();
    }

private slots:
    void initTestCase() { registerFontSubstitutes(); }
    void init() {
        window = std::make_unique<QWidget>();
        box = new RemarkBox(window.get());
        box->resize(251, 60);
    }
    void cleanup() { window.reset(); }

    void startsHiddenReadOnlyAtItsSizeInTheMainWindowsFont() {
        QPlainTextEdit* memo = box;
        QCOMPARE(memo->parentWidget(), window.get());
        QCOMPARE(memo->size(), QSize(251, 60));
        QVERIFY(!memo->isVisibleTo(window.get()));
        QVERIFY(memo->isReadOnly());
        QCOMPARE(memo->font().family(), GameFontFamily);
        QCOMPARE(memo->font().pixelSize(), 12);
        QVERIFY(memo->toPlainText().isEmpty());

        showBox();
        QCOMPARE(memo->pos(), QPoint(0, 242));
        QVERIFY(memo->isVisibleTo(window.get()));
    }

    void thePlayerCannotTypeIntoIt() {
        window->resize(260, 320);
        window->show();
        showBox();
        box->addLine("さぁっ！いくぞぉっ！！");
        box->addLine("体力が 2 上がった");
        QPlainTextEdit* memo = box;
        const QString before = memo->toPlainText();
        memo->setFocus();
        QApplication::clipboard()->setText(QStringLiteral("pasted"));

        QTest::keyClicks(memo, "abc xyz");
        QTest::keyClick(memo, Qt::Key_Return);
        QTest::keyClick(memo, Qt::Key_Backspace);
        QTest::keyClick(memo, Qt::Key_Delete);
        QTest::keyClick(memo, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(memo, Qt::Key_X, Qt::ControlModifier);
        QTest::keyClick(memo, Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(memo, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(memo->toPlainText(), before);
    }

    void writesOneLineEachAndKeepsThemWhileHidden() {
        showBox();
        box->clearLines();
        box->addLine("さぁっ！いくぞぉっ！！");
        box->addLine("");
        box->addLine("ＯＫ");
        QCOMPARE(box->toPlainText(), QStringLiteral("さぁっ！いくぞぉっ！！\n\nＯＫ"));
        QCOMPARE(box->blockCount(), 3);

        box->hide();
        QVERIFY(!box->isVisibleTo(window.get()));
        QCOMPARE(box->toPlainText(), QStringLiteral("さぁっ！いくぞぉっ！！\n\nＯＫ"));

        // A new game clears it before showing it again.
        box->clearLines();
        showBox();
        QVERIFY(box->toPlainText().isEmpty());
        box->addLine("x");
        box->clearLines();
        QVERIFY(box->toPlainText().isEmpty());
    }

    void anEmptyRemarkKeepsItsLineAndTheEffectStaysOnTheSecond() {
        showBox();
        for (int game = 0; game < 2; ++game) {
            box->clearLines();
            box->addLine("");
            box->addLine("更に3歩、進みま～す");
            const QString inGame = QStringLiteral(" in game %1").arg(game);
            QVERIFY2(box->toPlainText() == QStringLiteral("\n更に3歩、進みま～す"),
                     qPrintable(box->toPlainText() + inGame));
            QVERIFY2(box->blockCount() == 2, qPrintable(inGame));
            QVERIFY2(box->document()->findBlockByNumber(0).text().isEmpty(), qPrintable(inGame));
            QVERIFY2(box->document()->findBlockByNumber(1).text() ==
                         QStringLiteral("更に3歩、進みま～す"),
                     qPrintable(inGame));
        }
        // Only empty lines still count as lines.
        box->clearLines();
        box->addLine("");
        box->addLine("");
        QCOMPARE(box->blockCount(), 2);
    }

    void theBoxGoesWithItsWindow() {
        QPointer<RemarkBox> gone = box;
        box->addLine("gone");
        window.reset();
        QVERIFY(gone.isNull());
    }
};

QTEST_MAIN(RemarkBoxTest)
#include "remark_box_test.moc"
