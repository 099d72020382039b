#include "OptionsDialog.h"

#include "FormStyle.h"
#include "ModalResult.h"
#include "Placement.h"
#include "UpDown.h"
#include "ui_OptionsDialog.h"

#include <QButtonGroup>
#include <QStyle>

namespace {

constexpr QPoint DesignedPlace(212, 127);

constexpr QSize OptionsOuterSize(187, 164);
constexpr QPoint OptionsRadioPlace(8, 8);
constexpr QPoint OptionsOkPlace(13, 104);
constexpr QPoint OptionsCancelPlace(101, 104);

constexpr QSize DebugOuterSize(378, 281);
constexpr QPoint DebugOkPlace(117, 224);
constexpr QPoint DebugCancelPlace(189, 224);

// Radio items: 0 stands for MessageCheck 2 (every message waits), 1 for 0.
constexpr int CheckAllItem = 0;
constexpr int CheckNoneItem = 1;

} // namespace

OptionsDialog::OptionsDialog(SessionValues& session, QWidget* parent)
    : GameDialog(parent), session_(session), ui_(std::make_unique<Ui::OptionsDialog>()),
      radioItems_(new QButtonGroup(this)) {
    ui_->setupUi(this);
    ApplyFormStyle(this);
    const auto edits = Edits();
    const auto upDowns = UpDowns();
    for (std::size_t row = 0; row < RowCount; ++row) {
        upDowns[row]->SetAssociate(edits[row]);
    }

    radioItems_->addButton(ui_->RadioGroup1Item0, CheckAllItem);
    radioItems_->addButton(ui_->RadioGroup1Item1, CheckNoneItem);

    SetUpOkCancel(ui_->BitBtn1, ui_->BitBtn2, [this] { BitBtn1Click(); });
    move(DesignedPlace);
}

OptionsDialog::~OptionsDialog() = default;

void OptionsDialog::ShowOptions(GameRecord& record) {
    record_ = &record;
    ui_->Panel1->setVisible(false);
    ui_->RadioGroup1->setVisible(true);
    mode_ = Mode::Options;
    SetOuterSize(OptionsOuterSize.width(), OptionsOuterSize.height());
    ui_->RadioGroup1->move(OptionsRadioPlace);
    ui_->BitBtn1->move(OptionsOkPlace);
    ui_->BitBtn2->move(OptionsCancelPlace);
    if (QAbstractButton* selected = radioItems_->checkedButton()) {
        selected->setFocus();
    }
    exec();
}

void OptionsDialog::ShowDebug(GameRecord& record) {
    ui_->Panel1->move(0, 0);
    ui_->Panel1->setVisible(true);
    ui_->RadioGroup1->setVisible(false);
    mode_ = Mode::Debug;
    SetOuterSize(DebugOuterSize.width(), DebugOuterSize.height());
    move(PlaceNearCursor(DebugOuterSize.width(), DebugOuterSize.height()));
    ui_->BitBtn1->move(DebugOkPlace);
    ui_->BitBtn2->move(DebugCancelPlace);
    record_ = &record;

    const std::array<std::int32_t, RowCount> fields{
        record.StartPosition,    record.Stamina,           record.SlotMin,
        record.SlotMax,          record.ArrowPosition,     record.TimerInterval,
        record.RotationWidth,    record.WalkAnimeInterval, record.ForwardAnimeInterval,
        record.BackAnimeInterval};
    const auto upDowns = UpDowns();
    for (std::size_t row = 0; row < RowCount; ++row) {
        upDowns[row]->SetPosition(fields[row]);
    }
    ui_->CheckBox1->setChecked(session_.EndConfirmation);
    ui_->Edit1->setFocus();
    exec();
}

void OptionsDialog::BitBtn1Click() {
    if (!record_) {
        return;
    }
    if (mode_ == Mode::Debug) {
        WriteDebugValues();
    } else {
        WriteOptions();
    }
}

void OptionsDialog::WriteDebugValues() {
    GameRecord& record = *record_;
    record.StartPosition = ui_->UpDown1->Position();
    record.Stamina = ui_->UpDown2->Position();
    record.SlotMin = ui_->UpDown3->Position();
    // The drum needs a range that is not upside down.
    if (ui_->UpDown4->Position() < ui_->UpDown3->Position()) {
        ui_->UpDown4->SetPosition(ui_->UpDown3->Position());
    }
    record.SlotMax = ui_->UpDown4->Position();
    record.ArrowPosition = ui_->UpDown5->Position();
    record.TimerInterval = ui_->UpDown6->Position();
    record.RotationWidth = ui_->UpDown7->Position();
    record.WalkAnimeInterval = ui_->UpDown8->Position();
    record.ForwardAnimeInterval = ui_->UpDown9->Position();
    record.BackAnimeInterval = ui_->UpDown10->Position();
    session_.EndConfirmation = ui_->CheckBox1->isChecked();
}

void OptionsDialog::WriteOptions() {
    switch (radioItems_->checkedId()) {
    case CheckAllItem:
        record_->MessageCheck = MessageCheckAll;
        break;
    case CheckNoneItem:
        record_->MessageCheck = MessageCheckNone;
        break;
    default: // no item selected: nothing to write
        break;
    }
}

std::array<UpDown*, OptionsDialog::RowCount> OptionsDialog::UpDowns() const {
    return {ui_->UpDown1, ui_->UpDown2, ui_->UpDown3, ui_->UpDown4, ui_->UpDown5,
            ui_->UpDown6, ui_->UpDown7, ui_->UpDown8, ui_->UpDown9, ui_->UpDown10};
}

std::array<QLineEdit*, OptionsDialog::RowCount> OptionsDialog::Edits() const {
    return {ui_->Edit1, ui_->Edit2, ui_->Edit3, ui_->Edit4, ui_->Edit5,
            ui_->Edit6, ui_->Edit7, ui_->Edit8, ui_->Edit9, ui_->Edit10};
}
