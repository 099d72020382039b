#include "Fonts.h"
#include "RemarkBox.h"

#include <QApplication>
#include <QClipboard>
#include <QPointer>
#include <QTest>
#include <QTextBlock>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>

namespace {

class RemarkBoxTest : public ::testing::Test {
protected:
    RemarkBoxTest() { box.resize(251, 60); }

    QWidget window;
    RemarkBox box{&window};

    void showBox() {
        box.move(0, 242);
        box.show();
    }
};

TEST_F(RemarkBoxTest, StartsHiddenReadOnlyAtItsSizeInTheMainWindowsFont) {
    QPlainTextEdit* memo = &box;
    EXPECT_EQ(memo->parentWidget(), &window);
    EXPECT_EQ(memo->size(), QSize(251, 60));
    EXPECT_FALSE(memo->isVisibleTo(&window));
    EXPECT_TRUE(memo->isReadOnly());
    EXPECT_EQ(memo->font().family(), GameFontFamily);
    EXPECT_EQ(memo->font().pixelSize(), 12);
    EXPECT_TRUE(memo->toPlainText().isEmpty());

    showBox();
    EXPECT_EQ(memo->pos(), QPoint(0, 242));
    EXPECT_TRUE(memo->isVisibleTo(&window));
}

TEST_F(RemarkBoxTest, ThePlayerCannotTypeIntoIt) {
    window.resize(260, 320);
    window.show();
    showBox();
    box.addLine("さぁっ！いくぞぉっ！！");
    box.addLine("体力が 2 上がった");
    QPlainTextEdit* memo = &box;
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
    EXPECT_EQ(memo->toPlainText(), before);
}

TEST_F(RemarkBoxTest, WritesOneLineEachAndKeepsThemWhileHidden) {
    showBox();
    box.clearLines();
    box.addLine("さぁっ！いくぞぉっ！！");
    box.addLine("");
    box.addLine("ＯＫ");
    EXPECT_EQ(box.toPlainText(), QStringLiteral("さぁっ！いくぞぉっ！！\n\nＯＫ"));
    EXPECT_EQ(box.blockCount(), 3);

    box.hide();
    EXPECT_FALSE(box.isVisibleTo(&window));
    EXPECT_EQ(box.toPlainText(), QStringLiteral("さぁっ！いくぞぉっ！！\n\nＯＫ"));

    // A new game clears it before showing it again.
    box.clearLines();
    showBox();
    EXPECT_TRUE(box.toPlainText().isEmpty());
    box.addLine("x");
    box.clearLines();
    EXPECT_TRUE(box.toPlainText().isEmpty());
}

TEST_F(RemarkBoxTest, AnEmptyRemarkKeepsItsLineAndTheEffectStaysOnTheSecond) {
    showBox();
    for (int game = 0; game < 2; ++game) {
        box.clearLines();
        box.addLine("");
        box.addLine("更に3歩、進みま～す");
        QPlainTextEdit* memo = &box;
        EXPECT_EQ(memo->toPlainText(), QStringLiteral("\n更に3歩、進みま～す")) << game;
        EXPECT_EQ(memo->blockCount(), 2);
        EXPECT_TRUE(memo->document()->findBlockByNumber(0).text().isEmpty());
        EXPECT_EQ(memo->document()->findBlockByNumber(1).text(),
                  QStringLiteral("更に3歩、進みま～す"));
    }
    // Only empty lines still count as lines.
    box.clearLines();
    box.addLine("");
    box.addLine("");
    EXPECT_EQ(box.blockCount(), 2);
}

TEST(RemarkWindowLifetimeTest, TheBoxGoesWithItsWindow) {
    auto window = std::make_unique<QWidget>();
    QPointer<RemarkBox> box = new RemarkBox(window.get());
    box->addLine("gone");
    window.reset();
    EXPECT_TRUE(box.isNull());
}

} // namespace
