#include "TNameInputForm.h"

#include "FormStyle.h"
#include "ModalResult.h"
#include "ui_TNameInputForm.h"

#include <QStyle>

namespace {

constexpr QPoint DesignedPlace(225, 183);

} // namespace

const QString TNameInputForm::RevealPhrase =
    QStringLiteral("あおいそらのしたでうたうこねこのゆめをみた");
const QString TNameInputForm::FallbackName = QStringLiteral("名無しの権兵衛");

TNameInputForm::TNameInputForm(std::function<void()> revealDebugItem, QWidget* parent)
    : ModalForm(parent), ui_(std::make_unique<Ui::TNameInputForm>()),
      revealDebugItem_(std::move(revealDebugItem)) {
    ui_->setupUi(this);
    ApplyFormStyle(this);
    setFixedSize(size());
    SetGlyph(ui_->BitBtn1, QStyle::SP_DialogOkButton);
    SetGlyph(ui_->BitBtn2, QStyle::SP_DialogCancelButton);
    ui_->BitBtn1->setDefault(true);
    connect(ui_->BitBtn1, &QPushButton::clicked, this, [this] {
        BitBtn1Click();
        done(mrOk);
    });
    SetModalResult(ui_->BitBtn2, mrCancel);
    SetCancelButton(ui_->BitBtn2);
    move(DesignedPlace);
}

TNameInputForm::~TNameInputForm() = default;

void TNameInputForm::ShowNameInput(IDDataStruct& record) {
    record_ = &record;
    ui_->Edit1->setText(QString::fromStdString(record.PlayerName));
    ui_->Edit1->setFocus();
    exec();
}

void TNameInputForm::BitBtn1Click() {
    if (!record_) {
        return;
    }
    // Compared exactly as typed: no trimming, no change of case or width.
    const QString text = ui_->Edit1->text();
    if (text == RevealPhrase) {
        if (revealDebugItem_) {
            revealDebugItem_();
        }
        return;
    }
    record_->PlayerName = text.isEmpty() ? FallbackName.toStdString() : text.toStdString();
}
