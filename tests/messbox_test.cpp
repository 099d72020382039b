#include "Fonts.h"
#include "RemarkBox.h"

#include <QApplication>
#include <QClipboard>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>

namespace {

class RemarkWindowTest : public ::testing::Test {
protected:
    QWidget window;
    RemarkBox box{&window, 251, 60};
};

TEST_F(RemarkWindowTest, StartsHiddenReadOnlyAtItsSizeInTheMainWindowsFont) {
    QPlainTextEdit* memo = box.Memo();
    ASSERT_NE(memo, nullptr);
    EXPECT_EQ(memo->parentWidget(), &window);
    EXPECT_EQ(memo->size(), QSize(251, 60));
    EXPECT_FALSE(memo->isVisibleTo(&window));
    EXPECT_TRUE(memo->isReadOnly());
    EXPECT_EQ(memo->font().family(), GameFontFamily);
    EXPECT_EQ(memo->font().pixelSize(), 12);
    EXPECT_TRUE(memo->toPlainText().isEmpty());

    box.ShowMessBox(0, 242);
    EXPECT_EQ(memo->pos(), QPoint(0, 242));
    EXPECT_TRUE(memo->isVisibleTo(&window));
}

TEST_F(RemarkWindowTest, ThePlayerCannotTypeIntoIt) {
    window.resize(260, 320);
    window.show();
    box.ShowMessBox(0, 242);
    box.AddLine("さぁっ！いくぞぉっ！！");
    box.AddLine("体力が 2 上がった");
    QPlainTextEdit* memo = box.Memo();
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

TEST_F(RemarkWindowTest, WritesOneLineEachAndKeepsThemWhileHidden) {
    box.ShowMessBox(0, 242);
    box.ClearLines();
    box.AddLine("さぁっ！いくぞぉっ！！");
    box.AddLine("");
    box.AddLine("ＯＫ");
    EXPECT_EQ(box.Memo()->toPlainText(), QStringLiteral("さぁっ！いくぞぉっ！！\n\nＯＫ"));
    EXPECT_EQ(box.Memo()->blockCount(), 3);

    box.HideMessBox();
    EXPECT_FALSE(box.Memo()->isVisibleTo(&window));
    EXPECT_EQ(box.Memo()->toPlainText(), QStringLiteral("さぁっ！いくぞぉっ！！\n\nＯＫ"));

    // A new game clears it before showing it again.
    box.ClearMessBox();
    box.ShowMessBox(0, 242);
    EXPECT_TRUE(box.Memo()->toPlainText().isEmpty());
    box.AddLine("x");
    box.ClearLines();
    EXPECT_TRUE(box.Memo()->toPlainText().isEmpty());
}

TEST(RemarkWindowLifetimeTest, TheMainWindowMayGoBeforeOrAfterTheBox) {
    {
        auto window = std::make_unique<QWidget>();
        RemarkBox box(window.get(), 251, 60);
        window.reset();
        EXPECT_EQ(box.Memo(), nullptr);
        box.ShowMessBox(0, 242);
        box.AddLine("gone");
        box.ClearMessBox();
    }
    QWidget window;
    { RemarkBox box(&window, 251, 60); }
    EXPECT_TRUE(window.findChildren<QWidget*>().isEmpty());
}

} // namespace
