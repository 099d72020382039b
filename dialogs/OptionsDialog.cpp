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

    radioItems_->addButton(ui_->checkAllRadio, CheckAllItem);
    radioItems_->addButton(ui_->checkNoneRadio, CheckNoneItem);

    SetUpOkCancel(ui_->okButton, ui_->cancelButton, [this] { acceptOptions(); });
    move(DesignedPlace);
}

OptionsDialog::~OptionsDialog() = default;

void OptionsDialog::ShowOptions(GameRecord& record) {
    record_ = &record;
    ui_->debugPanel->setVisible(false);
    ui_->messageCheckGroup->setVisible(true);
    mode_ = Mode::Options;
    SetOuterSize(OptionsOuterSize.width(), OptionsOuterSize.height());
    ui_->messageCheckGroup->move(OptionsRadioPlace);
    ui_->okButton->move(OptionsOkPlace);
    ui_->cancelButton->move(OptionsCancelPlace);
    if (QAbstractButton* selected = radioItems_->checkedButton()) {
        selected->setFocus();
    }
    exec();
}

void OptionsDialog::ShowDebug(GameRecord& record) {
    ui_->debugPanel->move(0, 0);
    ui_->debugPanel->setVisible(true);
    ui_->messageCheckGroup->setVisible(false);
    mode_ = Mode::Debug;
    SetOuterSize(DebugOuterSize.width(), DebugOuterSize.height());
    move(PlaceNearCursor(DebugOuterSize.width(), DebugOuterSize.height()));
    ui_->okButton->move(DebugOkPlace);
    ui_->cancelButton->move(DebugCancelPlace);
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
    ui_->quitConfirmationCheck->setChecked(session_.EndConfirmation);
    ui_->startSquareEdit->setFocus();
    exec();
}

void OptionsDialog::acceptOptions() {
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
    record.StartPosition = ui_->startSquareUpDown->Position();
    record.Stamina = ui_->staminaUpDown->Position();
    record.SlotMin = ui_->drumMinUpDown->Position();
    // The drum needs a range that is not upside down.
    if (ui_->drumMaxUpDown->Position() < ui_->drumMinUpDown->Position()) {
        ui_->drumMaxUpDown->SetPosition(ui_->drumMinUpDown->Position());
    }
    record.SlotMax = ui_->drumMaxUpDown->Position();
    record.ArrowPosition = ui_->arrowRowUpDown->Position();
    record.TimerInterval = ui_->spinIntervalUpDown->Position();
    record.RotationWidth = ui_->rotationWidthUpDown->Position();
    record.WalkAnimeInterval = ui_->walkSpeedUpDown->Position();
    record.ForwardAnimeInterval = ui_->forwardSpeedUpDown->Position();
    record.BackAnimeInterval = ui_->backSpeedUpDown->Position();
    session_.EndConfirmation = ui_->quitConfirmationCheck->isChecked();
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
    return {ui_->startSquareUpDown,   ui_->staminaUpDown,   ui_->drumMinUpDown,
            ui_->drumMaxUpDown,       ui_->arrowRowUpDown,  ui_->spinIntervalUpDown,
            ui_->rotationWidthUpDown, ui_->walkSpeedUpDown, ui_->forwardSpeedUpDown,
            ui_->backSpeedUpDown};
}

std::array<QLineEdit*, OptionsDialog::RowCount> OptionsDialog::Edits() const {
    return {ui_->startSquareEdit,   ui_->staminaEdit,   ui_->drumMinEdit,
            ui_->drumMaxEdit,       ui_->arrowRowEdit,  ui_->spinIntervalEdit,
            ui_->rotationWidthEdit, ui_->walkSpeedEdit, ui_->forwardSpeedEdit,
            ui_->backSpeedEdit};
}
