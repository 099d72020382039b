#include "NameDialog.h"

#include "DialogAnswer.h"
#include "FormStyle.h"
#include "ui_NameDialog.h"

#include <QStyle>

namespace {

constexpr QPoint DesignedPlace(225, 183);

} // namespace

const QString NameDialog::RevealPhrase =
    QStringLiteral("あおいそらのしたでうたうこねこのゆめをみた");
const QString NameDialog::FallbackName = QStringLiteral("名無しの権兵衛");

NameDialog::NameDialog(std::function<void()> revealDebugItem, QWidget* parent)
    : GameDialog(parent), m_ui(std::make_unique<Ui::NameDialog>()),
      m_revealDebugItem(std::move(revealDebugItem)) {
    m_ui->setupUi(this);
    applyFormStyle(this);
    setFixedSize(size());
    setUpOkCancel(m_ui->okButton, m_ui->cancelButton, [this] { acceptName(); });
    move(DesignedPlace);
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
    if (text == RevealPhrase) {
        if (m_revealDebugItem) {
            m_revealDebugItem();
        }
        return;
    }
    m_record->playerName = text.isEmpty() ? FallbackName.toStdString() : text.toStdString();
}
