#include "NameDialog.h"

#include "FormStyle.h"
#include "ui_NameDialog.h"

#include <QStyle>

namespace {

constexpr QPoint DesignedPlace(225, 183);

} // namespace

QString NameDialog::revealPhrase() {
    //: Typed as the name, this phrase shows the hidden debug item. Make it a
    //: sentence nobody types by chance.
    return tr("あおいそらのしたでうたうこねこのゆめをみた");
}

QString NameDialog::fallbackName() {
    //: The name of a player who entered none; the status panel shows it.
    return tr("名無しの権兵衛");
}

NameDialog::NameDialog(QWidget* parent)
    : GameDialog(parent), m_ui(std::make_unique<Ui::NameDialog>()) {
    m_ui->setupUi(this);
    applyFormStyle(this);
    setFixedSize(size());
    setUpOkCancel(m_ui->okButton, m_ui->cancelButton, [this] { acceptName(); });
    // The prompt names the field; the window, titled NameInputForm, says what it asks.
    m_ui->promptLabel->setBuddy(m_ui->nameEdit);
    //: What a screen reader says of the name entry window.
    setAccessibleName(tr("名前の入力"));
    setAccessibleDescription(m_ui->promptLabel->text());
    //: The name field, as a screen reader names it.
    m_ui->nameEdit->setAccessibleName(tr("名前"));
    m_ui->nameEdit->setAccessibleDescription(m_ui->promptLabel->text());
    moveTo(DesignedPlace);
}

NameDialog::~NameDialog() = default;

void NameDialog::showNameEntry(GameRecord& record) {
    m_record = &record;
    m_ui->nameEdit->setText(QString::fromStdString(record.playerName));
    m_ui->nameEdit->setFocus();
    exec();
}

void NameDialog::acceptName() {
    if (!m_record) {
        return;
    }
    // Compared exactly as typed: no trimming, no change of case or width.
    const QString text = m_ui->nameEdit->text();
    if (text == revealPhrase()) {
        emit revealPhraseEntered();
        return;
    }
    m_record->playerName = text.isEmpty() ? fallbackName().toStdString() : text.toStdString();
}
