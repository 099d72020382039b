#include "AboutDialog.h"
#include "Fonts.h"
#include "NameDialog.h"
#include "OptionsDialog.h"
#include "Placement.h"
#include "ResultDialog.h"
#include "ScreenMetrics.h"
#include "support/ModalAnswerer.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>

namespace {

QString notes(const QDialog& d) {
    return part<QPlainTextEdit>(d, "notesText")->toPlainText();
}

} // namespace

class AboutDialogTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { registerFontSubstitutes(); }
    void init() {
        setFullScreenSizeOverride(QSize(1024, 768));
        setCursorPosOverride(QPoint(512, 384));
    }

    void eachShowingShowsOnePanelNearTheCursor() {
        AboutDialog form;
        QList<QStringList> visible;
        QList<QPoint> places;
        QSize outer;
        const auto look = [&](QDialog& d) {
            visible << visibleParts(d, {"notesPanel", "versionPanel", "okButton"});
            places << static_cast<GameDialog&>(d).requestedPlace();
            outer = outerSizeOf(d);
            QTest::mouseClick(part<QPushButton>(d, "okButton"), Qt::LeftButton);
        };
        ModalAnswerer answers;
        for (int showing = 0; showing < 3; ++showing) {
            answers.then(look);
        }
        form.showNotes();
        setCursorPosOverride(QPoint(1023, 767));
        form.showVersion();
        setCursorPosOverride(QPoint(0, 0));
        form.showNotes();
        QVERIFY(answers.allAnswered());
        QCOMPARE(visible, (QList<QStringList>{{"notesPanel", "okButton"},
                                              {"versionPanel", "okButton"},
                                              {"notesPanel", "okButton"}}));
        QCOMPARE(outer, QSize(337, 288));
        QCOMPARE(places, (QList<QPoint>{{435, 304}, {1024 - 337, 768 - 288}, {0, 0}}));
    }

    void textTypedIntoTheNotesStays() {
        AboutDialog form;
        QString second;
        ModalAnswerer answers([&](QDialog& d) {
            auto* memo = part<QPlainTextEdit>(d, "notesText");
            memo->moveCursor(QTextCursor::End);
            QTest::keyClicks(memo, "memo");
            d.close();
        });
        answers.then([&](QDialog& d) { d.close(); });
        answers.then([&](QDialog& d) {
            second = notes(d);
            d.close();
        });
        form.showNotes();
        form.showVersion();
        form.showNotes();
        QVERIFY(second.endsWith("memo"));
    }

    void notesAreAHeadingAndSixClausesThatFitTheMemo() {
        AboutDialog form;
        QStringList lines;
        QList<int> wrappedLines;
        ModalAnswerer answer([&](QDialog& d) {
            lines = notes(d).split('\n');
            auto* memo = part<QPlainTextEdit>(d, "notesText");
            for (QTextBlock block = memo->document()->begin(); block.isValid();
                 block = block.next()) {
                if (block.layout()->lineCount() > 1) {
                    wrappedLines << block.blockNumber() + 1;
                }
            }
            d.close();
        });
        form.showNotes();
        QCOMPARE(lines.size(), 13);
        QCOMPARE(lines[0], QStringLiteral("【注意事項】"));
        QStringList starts;
        for (const QString& line : lines.mid(1)) {
            QVERIFY2(line.size() <= 27, qPrintable(line));
            if (!line.startsWith(QChar(0x3000))) {
                starts << line.left(2);
            }
        }
        QCOMPARE(starts, QStringList({"１．", "２．", "３．", "４．", "５．", "６．"}));
        QCOMPARE(wrappedLines, QList<int>());
    }

    void versionPanelNamesTheGameAndNeutralAddresses() {
        AboutDialog form;
        QStringList texts;
        QSize face;
        ModalAnswerer answer([&](QDialog& d) {
            for (const char* name : {"titleLabel", "versionLabel", "emailLabel", "homePageCaption",
                                     "homePageLabel", "fileNameLabel"}) {
                texts << part<QLabel>(d, name)->text();
            }
            face = part<QLabel>(d, "iconPicture")->pixmap().size();
            d.close();
        });
        form.showVersion();
        QCOMPARE(texts.mid(0, 2), QStringList({"ぽてりん　一本道", "Ｖｅｒｓｉｏｎ　1.01"}));
        QVERIFY(
            QRegularExpression("^E-Mail : [a-z0-9.]+@example\\.org$").match(texts[2]).hasMatch());
        QCOMPARE(texts[3], QStringLiteral("ホームページアドレス"));
        QVERIFY(
            QRegularExpression("^https?://([a-z]+\\.)?example\\.org/").match(texts[4]).hasMatch());
        QVERIFY(texts[5].startsWith(QStringLiteral("ファイル名　")) && texts[5].size() > 6);
        QCOMPARE(face, QSize(64, 64));
    }

    void okAndTheCloseBoxCloseButEscDoesNot() {
        AboutDialog form;
        bool openAfterEsc = false;
        ModalAnswerer answers([&](QDialog& d) {
            QTest::keyClick(d.focusWidget(), Qt::Key_Escape);
            openAfterEsc = d.isVisible();
            d.close();
        });
        form.showVersion();
        QVERIFY(openAfterEsc);
        answers.then(ModalAnswerer::click("okButton"));
        form.showVersion();
        QCOMPARE(form.result(), int(QDialog::Accepted));
    }

    // Names and other texts must never be read as markup.
    void everyFormHasItsCaptionAndShowsLabelsLiterally() {
        Preferences preferences;
        ResultDialog message;
        OptionsDialog debug(preferences);
        NameDialog name;
        AboutDialog notes;
        const QList<QPair<QDialog*, QString>> forms{{&message, "MessageForm"},
                                                    {&debug, "DebugForm"},
                                                    {&name, "NameInputForm"},
                                                    {&notes, "Form3"}};
        for (const auto& [form, caption] : forms) {
            QCOMPARE(form->windowTitle(), caption);
            for (const QLabel* label : form->findChildren<QLabel*>()) {
                QVERIFY2(label->textFormat() == Qt::PlainText, qPrintable(label->objectName()));
            }
        }
    }
};

QTEST_MAIN(AboutDialogTest)
#include "about_dialog_test.moc"
