#include "Fonts.h"
#include "RemarkBox.h"

#include <QApplication>
#include <QClipboard>
#include <QTest>
#include <QTextBlock>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>

namespace {

class RemarkBoxTest : public ::testing::Test {
protected:
    QWidget window;
    RemarkBox box{&window, 251, 60};
};

TEST_F(RemarkBoxTest, StartsHiddenReadOnlyAtItsSizeInTheMainWindowsFont) {
    QPlainTextEdit* memo = box.textEdit();
    ASSERT_NE(memo, nullptr);
    EXPECT_EQ(memo->parentWidget(), &window);
    EXPECT_EQ(memo->size(), QSize(251, 60));
    EXPECT_FALSE(memo->isVisibleTo(&window));
    EXPECT_TRUE(memo->isReadOnly());
    EXPECT_EQ(memo->font().family(), GameFontFamily);
    EXPECT_EQ(memo->font().pixelSize(), 12);
    EXPECT_TRUE(memo->toPlainText().isEmpty());

    box.showBox(0, 242);
    EXPECT_EQ(memo->pos(), QPoint(0, 242));
    EXPECT_TRUE(memo->isVisibleTo(&window));
}

TEST_F(RemarkBoxTest, ThePlayerCannotTypeIntoIt) {
    window.resize(260, 320);
    window.show();
    box.showBox(0, 242);
    box.addLine("さぁっ！いくぞぉっ！！");
    box.addLine("体力が 2 上がった");
    QPlainTextEdit* memo = box.textEdit();
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
    box.showBox(0, 242);
    box.clearLines();
    box.addLine("さぁっ！いくぞぉっ！！");
    box.addLine("");
    box.addLine("ＯＫ");
    EXPECT_EQ(box.textEdit()->toPlainText(), QStringLiteral("さぁっ！いくぞぉっ！！\n\nＯＫ"));
    EXPECT_EQ(box.textEdit()->blockCount(), 3);

    box.hideBox();
    EXPECT_FALSE(box.textEdit()->isVisibleTo(&window));
    EXPECT_EQ(box.textEdit()->toPlainText(), QStringLiteral("さぁっ！いくぞぉっ！！\n\nＯＫ"));

    // A new game clears it before showing it again.
    box.clear();
    box.showBox(0, 242);
    EXPECT_TRUE(box.textEdit()->toPlainText().isEmpty());
    box.addLine("x");
    box.clearLines();
    EXPECT_TRUE(box.textEdit()->toPlainText().isEmpty());
}

TEST_F(RemarkBoxTest, AnEmptyRemarkKeepsItsLineAndTheEffectStaysOnTheSecond) {
    box.showBox(0, 242);
    for (int game = 0; game < 2; ++game) {
        box.clearLines();
        box.addLine("");
        box.addLine("更に3歩、進みま～す");
        QPlainTextEdit* memo = box.textEdit();
        EXPECT_EQ(memo->toPlainText(), QStringLiteral("\n更に3歩、進みま～す")) << game;
        EXPECT_EQ(memo->blockCount(), 2);
        EXPECT_TRUE(memo->document()->findBlockByNumber(0).text().isEmpty());
        EXPECT_EQ(memo->document()->findBlockByNumber(1).text(),
                  QStringLiteral("更に3歩、進みま～す"));
    }
    // Only empty lines still count as lines.
    box.clear();
    box.addLine("");
    box.addLine("");
    EXPECT_EQ(box.textEdit()->blockCount(), 2);
}

TEST(RemarkWindowLifetimeTest, TheMainWindowMayGoBeforeOrAfterTheBox) {
    {
        auto window = std::make_unique<QWidget>();
        RemarkBox box(window.get(), 251, 60);
        window.reset();
        EXPECT_EQ(box.textEdit(), nullptr);
        box.showBox(0, 242);
        box.addLine("gone");
        box.clear();
    }
    QWidget window;
    { RemarkBox box(&window, 251, 60); }
    EXPECT_TRUE(window.findChildren<QWidget*>().isEmpty());
}

} // namespace
