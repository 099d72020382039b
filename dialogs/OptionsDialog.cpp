#include "OptionsDialog.h"

#include "FormStyle.h"
#include "Placement.h"
#include "UpDown.h"
#include "ui_OptionsDialog.h"

#include <QButtonGroup>
#include <QLabel>
#include <QStyle>
#include <QToolButton>

namespace {

constexpr QPoint DesignedPlace(212, 127);

constexpr QSize OptionsOuterSize(187, 164);
constexpr QPoint OptionsRadioPlace(8, 8);
constexpr QPoint OptionsOkPlace(13, 104);
constexpr QPoint OptionsCancelPlace(101, 104);

constexpr QSize DebugOuterSize(378, 281);
constexpr QPoint DebugOkPlace(117, 224);
constexpr QPoint DebugCancelPlace(189, 224);

// Radio items: 0 stands for messageCheck 2 (every message waits), 1 for 0.
constexpr int CheckAllItem = 0;
constexpr int CheckNoneItem = 1;

} // namespace

OptionsDialog::OptionsDialog(Preferences& preferences, QWidget* parent)
    : GameDialog(parent), m_preferences(preferences), m_ui(std::make_unique<Ui::OptionsDialog>()),
      m_radioItems(new QButtonGroup(this)) {
    m_ui->setupUi(this);
    applyFormStyle(this);
    const auto edits = rowEdits();
    const auto upDowns = rowUpDowns();
    for (std::size_t row = 0; row < RowCount; ++row) {
        upDowns[row]->setAssociate(edits[row]);
        // Each row's caption names its number field and its two arrows.
        auto* caption = findChild<QLabel*>(QLatin1String(RowNames[row]) + QLatin1String("Label"));
        const QString name = caption ? caption->text() : QString();
        if (caption) {
            caption->setBuddy(edits[row]);
        }
        edits[row]->setAccessibleName(name);
        //: The up arrow of a number field of the debug dialog.
        upDowns[row]->upButton()->setAccessibleName(tr("%1 を増やす").arg(name));
        //: The down arrow of a number field of the debug dialog.
        upDowns[row]->downButton()->setAccessibleName(tr("%1 を減らす").arg(name));
    }

    m_radioItems->addButton(m_ui->checkAllRadio, CheckAllItem);
    m_radioItems->addButton(m_ui->checkNoneRadio, CheckNoneItem);

    setUpOkCancel(m_ui->okButton, m_ui->cancelButton, [this] { acceptOptions(); });
    moveTo(DesignedPlace);
}

OptionsDialog::~OptionsDialog() = default;

void OptionsDialog::showOptions(GameRecord& record) {
    m_record = &record;
    m_ui->debugPanel->setVisible(false);
    m_ui->messageCheckGroup->setVisible(true);
    m_mode = Mode::Options;
    //: The title of the options, opened by Options > オプション.
    setWindowTitle(tr("DebugForm", "options"));
    //: What a screen reader says of the options window.
    setAccessibleName(tr("オプション"));
    setAccessibleDescription(tr("マスのメッセージをチェックするか選んでね"));
    setOuterSize(OptionsOuterSize.width(), OptionsOuterSize.height());
    m_ui->messageCheckGroup->move(OptionsRadioPlace);
    m_ui->okButton->move(OptionsOkPlace);
    m_ui->cancelButton->move(OptionsCancelPlace);
    if (QAbstractButton* selected = m_radioItems->checkedButton()) {
        selected->setFocus();
    }
    exec();
}

void OptionsDialog::showDebug(GameRecord& record) {
    m_ui->debugPanel->move(0, 0);
    m_ui->debugPanel->setVisible(true);
    m_ui->messageCheckGroup->setVisible(false);
    m_mode = Mode::Debug;
    //: The title of the debug settings, opened by Options > デバグ.
    setWindowTitle(tr("DebugForm", "debug"));
    //: What a screen reader says of the debug window.
    setAccessibleName(tr("デバグ"));
    setAccessibleDescription(tr("次のゲームの設定を数で入力してね"));
    setOuterSize(DebugOuterSize.width(), DebugOuterSize.height());
    moveTo(placeNearCursor(DebugOuterSize.width(), DebugOuterSize.height()));
    m_ui->okButton->move(DebugOkPlace);
    m_ui->cancelButton->move(DebugCancelPlace);
    m_record = &record;

    const std::array<std::int32_t, RowCount> fields{
        record.currentSquare,   record.stamina,      record.drumMin,       record.drumMax,
        record.arrowRow,        record.spinInterval, record.rotationWidth, record.walkInterval,
        record.forwardInterval, record.backInterval};
    const auto upDowns = rowUpDowns();
    for (std::size_t row = 0; row < RowCount; ++row) {
        upDowns[row]->setPosition(fields[row]);
    }
    m_ui->quitConfirmationCheck->setChecked(m_preferences.askBeforeQuit);
    m_ui->startSquareEdit->setFocus();
    exec();
}

void OptionsDialog::acceptOptions() {
    if (!m_record) {
        return;
    }
    if (m_mode == Mode::Debug) {
        writeDebugValues();
    } else {
        writeOptions();
    }
}

void OptionsDialog::writeDebugValues() {
    GameRecord& record = *m_record;
    record.currentSquare = m_ui->startSquareUpDown->position();
    record.stamina = m_ui->staminaUpDown->position();
    record.drumMin = m_ui->drumMinUpDown->position();
    // The drum needs a range that is not upside down.
    if (m_ui->drumMaxUpDown->position() < m_ui->drumMinUpDown->position()) {
        m_ui->drumMaxUpDown->setPosition(m_ui->drumMinUpDown->position());
    }
    record.drumMax = m_ui->drumMaxUpDown->position();
    record.arrowRow = m_ui->arrowRowUpDown->position();
    record.spinInterval = m_ui->spinIntervalUpDown->position();
    record.rotationWidth = m_ui->rotationWidthUpDown->position();
    record.walkInterval = m_ui->walkSpeedUpDown->position();
    record.forwardInterval = m_ui->forwardSpeedUpDown->position();
    record.backInterval = m_ui->backSpeedUpDown->position();
    m_preferences.askBeforeQuit = m_ui->quitConfirmationCheck->isChecked();
}

void OptionsDialog::writeOptions() {
    switch (m_radioItems->checkedId()) {
    case CheckAllItem:
        m_record->messageCheck = MessageCheck::All;
        break;
    case CheckNoneItem:
        m_record->messageCheck = MessageCheck::None;
        break;
    default: // no item selected: nothing to write
        break;
    }
}

std::array<UpDown*, OptionsDialog::RowCount> OptionsDialog::rowUpDowns() const {
    return {m_ui->startSquareUpDown,   m_ui->staminaUpDown,   m_ui->drumMinUpDown,
            m_ui->drumMaxUpDown,       m_ui->arrowRowUpDown,  m_ui->spinIntervalUpDown,
            m_ui->rotationWidthUpDown, m_ui->walkSpeedUpDown, m_ui->forwardSpeedUpDown,
            m_ui->backSpeedUpDown};
}

std::array<QLineEdit*, OptionsDialog::RowCount> OptionsDialog::rowEdits() const {
    return {m_ui->startSquareEdit,   m_ui->staminaEdit,   m_ui->drumMinEdit,
            m_ui->drumMaxEdit,       m_ui->arrowRowEdit,  m_ui->spinIntervalEdit,
            m_ui->rotationWidthEdit, m_ui->walkSpeedEdit, m_ui->forwardSpeedEdit,
            m_ui->backSpeedEdit};
}
