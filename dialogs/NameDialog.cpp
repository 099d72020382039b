#include "NameDialog.h"

#include "FormStyle.h"
#include "ModalResult.h"
#include "ui_NameDialog.h"

#include <QStyle>

namespace {

constexpr QPoint DesignedPlace(225, 183);

} // namespace

const QString NameDialog::RevealPhrase =
    QStringLiteral("あおいそらのしたでうたうこねこのゆめをみた");
const QString NameDialog::FallbackName = QStringLiteral("名無しの権兵衛");

NameDialog::NameDialog(std::function<void()> revealDebugItem, QWidget* parent)
    : GameDialog(parent), ui_(std::make_unique<Ui::NameDialog>()),
      revealDebugItem_(std::move(revealDebugItem)) {
    ui_->setupUi(this);
    ApplyFormStyle(this);
    setFixedSize(size());
    SetUpOkCancel(ui_->okButton, ui_->cancelButton, [this] { acceptName(); });
    move(DesignedPlace);
}

NameDialog::~NameDialog() = default;

void NameDialog::ShowNameInput(GameRecord& record) {
    record_ = &record;
    ui_->nameEdit->setText(QString::fromStdString(record.PlayerName));
    ui_->nameEdit->setFocus();
    exec();
}

void NameDialog::acceptName() {
    if (!record_) {
        return;
    }
    // Compared exactly as typed: no trimming, no change of case or width.
    const QString text = ui_->nameEdit->text();
    if (text == RevealPhrase) {
        if (revealDebugItem_) {
            revealDebugItem_();
        }
        return;
    }
    record_->PlayerName = text.isEmpty() ? FallbackName.toStdString() : text.toStdString();
}
