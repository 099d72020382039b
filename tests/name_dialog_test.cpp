#include "Fonts.h"
#include "NameDialog.h"
#include "support/ModalAnswerer.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <memory>

namespace {

const QString Phrase = QStringLiteral("あおいそらのしたでうたうこねこのゆめをみた");

QLineEdit* nameEdit(const QDialog& d) {
    return part<QLineEdit>(d, "nameEdit");
}

} // namespace

class NameDialogTest : public QObject {
    Q_OBJECT
    int m_reveals = 0;
    GameRecord m_record;

    NameDialog* makeForm() {
        auto* form = new NameDialog;
        connect(form, &NameDialog::revealPhraseEntered, this, [this] { ++m_reveals; });
        return form;
    }

private slots:
    void initTestCase() { registerFontSubstitutes(); }
    void init() {
        m_reveals = 0;
        fillDefaultRecord(m_record, nullptr);
    }

    void showsTheCurrentName() {
        std::unique_ptr<NameDialog> form(makeForm());
        QStringList shown;
        for (const char* name : {"zad", "<b>x</b>"}) {
            m_record.playerName = name;
            ModalAnswerer answer([&](QDialog& d) {
                shown << nameEdit(d)->text();
                d.close();
            });
            form->showNameEntry(m_record);
        }
        QCOMPARE(shown, QStringList({"zad", "<b>x</b>"}));
    }

    void okStoresTheTextAsTyped_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("expected");
        QTest::newRow("a name") << "ぽてりん"
                                << "ぽてりん";
        QTest::newRow("empty") << ""
                               << "名無しの権兵衛";
        QTest::newRow("spaces only") << "   "
                                     << "   ";
        QTest::newRow("spaces kept around") << " zad "
                                            << " zad ";
        QTest::newRow("markup") << "<b>x</b>"
                                << "<b>x</b>";
        QTest::newRow("phrase with an extra character") << Phrase + "よ" << Phrase + "よ";
        QTest::newRow("phrase with a space") << Phrase + " " << Phrase + " ";
        const QString katakana = QStringLiteral("アオイソラノシタデウタウコネコノユメヲミタ");
        QTest::newRow("phrase in katakana") << katakana << katakana;
        const QString halfWidth = QStringLiteral("ｱｵｲｿﾗﾉｼﾀﾃﾞｳﾀｳｺﾈｺﾉﾕﾒｦﾐﾀ");
        QTest::newRow("phrase in half-width form") << halfWidth << halfWidth;
        const QString controls = QStringLiteral("a\tb") + QChar(0x01) + QChar(0x7F) + "c";
        QTest::newRow("control characters") << controls << controls;
        const QString outside = QStringLiteral("😀 ñ 한국 €");
        QTest::newRow("characters outside code page 932") << outside << outside;
        const QString huge(100000, QChar(0x3042));
        QTest::newRow("100,000 characters") << huge << huge;
    }
    void okStoresTheTextAsTyped() {
        QFETCH(QString, typed);
        QFETCH(QString, expected);
        std::unique_ptr<NameDialog> form(makeForm());
        ModalAnswerer answer([&](QDialog& d) {
            nameEdit(d)->setText(typed);
            QTest::mouseClick(part<QPushButton>(d, "okButton"), Qt::LeftButton);
        });
        form->showNameEntry(m_record);
        QCOMPARE(QString::fromStdString(m_record.playerName), expected);
        QCOMPARE(m_reveals, 0);
    }

    void thePhraseRevealsTheDebugItemAndKeepsTheName() {
        std::unique_ptr<NameDialog> form(makeForm());
        m_record.playerName = "みけ";
        for (int time = 0; time < 2; ++time) {
            ModalAnswerer answer([&](QDialog& d) {
                nameEdit(d)->setText(Phrase);
                QTest::keyClick(nameEdit(d), Qt::Key_Return);
            });
            form->showNameEntry(m_record);
        }
        QCOMPARE(m_reveals, 2);
        QCOMPARE(m_record.playerName, std::string("みけ"));
    }

    void leavingWithoutOkChangesNothing_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("Cancel") << "Cancel";
        QTest::newRow("Esc") << "Esc";
        QTest::newRow("close box") << "close";
    }
    void leavingWithoutOkChangesNothing() {
        QFETCH(QString, how);
        std::unique_ptr<NameDialog> form(makeForm());
        for (const QString& typed : {Phrase, QStringLiteral("たま")}) {
            ModalAnswerer answer([&](QDialog& d) {
                nameEdit(d)->setText(typed);
                if (how == "Cancel") {
                    QTest::mouseClick(part<QPushButton>(d, "cancelButton"), Qt::LeftButton);
                } else if (how == "Esc") {
                    QTest::keyClick(nameEdit(d), Qt::Key_Escape);
                } else {
                    d.close();
                }
            });
            form->showNameEntry(m_record);
        }
        QCOMPARE(m_reveals, 0);
        QCOMPARE(m_record.playerName, std::string("zad"));
    }
};

QTEST_MAIN(NameDialogTest)
#include "name_dialog_test.moc"
