#include "AboutDialog.h"

#include "Artwork.h"
#include "BevelPanel.h"
#include "FormStyle.h"
#include "Placement.h"
#include "ui_AboutDialog.h"

#include <QPixmap>
#include <QStyle>

namespace {

constexpr QPoint PanelPlace(8, 8);
constexpr int PictureFrameBevelWidth = 2;

} // namespace

AboutDialog::AboutDialog(QWidget* parent)
    : GameDialog(parent), m_ui(std::make_unique<Ui::AboutDialog>()) {
    m_ui->setupUi(this);
    applyFormStyle(this);
    setFixedSize(size());
    m_ui->notesPanel->move(PanelPlace);
    m_ui->versionPanel->move(PanelPlace);

    m_ui->iconFrame->setBevelOuter(BevelPanel::Bevel::Lowered);
    m_ui->iconFrame->setBevelWidth(PictureFrameBevelWidth);
    const QImage face = Artwork::facePicture();
    m_ui->iconPicture->setPixmap(QPixmap::fromImage(face));
    m_ui->iconPicture->resize(face.size());

    setGlyph(m_ui->okButton, QStyle::SP_DialogOkButton);
    setDefaultButton(m_ui->okButton);
    setModalResult(m_ui->okButton, QDialog::Accepted);
    //: What a screen reader calls the notes text.
    m_ui->notesText->setAccessibleName(tr("注意事項"));
    //: What a screen reader calls the program's face in the version panel.
    m_ui->iconPicture->setAccessibleName(tr("ぽてりんの顔"));
}

AboutDialog::~AboutDialog() = default;

// The first control in tab order takes the focus: the notes themselves, or OK.
void AboutDialog::showNotes() {
    //: The title of the usage notes, opened by Help > 注意事項.
    setWindowTitle(tr("Form3", "notes"));
    //: What a screen reader says of the notes window.
    setAccessibleName(tr("注意事項"));
    setAccessibleDescription(tr("ゲームの注意事項です。OK で閉じます"));
    showPanel(m_ui->notesPanel, m_ui->versionPanel, m_ui->notesText);
}

void AboutDialog::showVersion() {
    //: The title of the version information, opened by Help > バージョン情報.
    setWindowTitle(tr("Form3", "version"));
    //: What a screen reader says of the version window.
    setAccessibleName(tr("バージョン情報"));
    setAccessibleDescription(QStringList{m_ui->titleLabel->text(), m_ui->versionLabel->text(),
                                         m_ui->emailLabel->text(), m_ui->fileNameLabel->text()}
                                 .join(QLatin1Char(' ')));
    showPanel(m_ui->versionPanel, m_ui->notesPanel, m_ui->okButton);
}

void AboutDialog::showPanel(QWidget* shown, QWidget* hidden, QWidget* focus) {
    const QSize outer = outerSizeOf(*this);
    moveTo(placeNearCursor(outer.width(), outer.height()));
    shown->setVisible(true);
    hidden->setVisible(false);
    focus->setFocus();
    exec();
}
