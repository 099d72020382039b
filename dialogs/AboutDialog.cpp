#include "AboutDialog.h"

#include "Artwork.h"
#include "BevelPanel.h"
#include "FormStyle.h"
#include "ModalResult.h"
#include "Placement.h"
#include "ui_AboutDialog.h"

#include <QPixmap>
#include <QStyle>

namespace {

constexpr QPoint PanelPlace(8, 8);
constexpr int PictureFrameBevelWidth = 2;

} // namespace

AboutDialog::AboutDialog(QWidget* parent)
    : GameDialog(parent), ui_(std::make_unique<Ui::AboutDialog>()) {
    ui_->setupUi(this);
    ApplyFormStyle(this);
    setFixedSize(size());
    ui_->notesPanel->move(PanelPlace);
    ui_->versionPanel->move(PanelPlace);

    ui_->iconFrame->SetBevelOuter(BevelPanel::Bevel::Lowered);
    ui_->iconFrame->SetBevelWidth(PictureFrameBevelWidth);
    const QImage face = Artwork::FacePicture();
    ui_->iconPicture->setPixmap(QPixmap::fromImage(face));
    ui_->iconPicture->resize(face.size());

    SetGlyph(ui_->okButton, QStyle::SP_DialogOkButton);
    ui_->okButton->setDefault(true);
    SetModalResult(ui_->okButton, mrOk);
}

AboutDialog::~AboutDialog() = default;

// The first control in tab order takes the focus: the notes themselves, or OK.
void AboutDialog::ShowNotes() {
    ShowPanel(ui_->notesPanel, ui_->versionPanel, ui_->notesText);
}

void AboutDialog::ShowVersion() {
    ShowPanel(ui_->versionPanel, ui_->notesPanel, ui_->okButton);
}

void AboutDialog::ShowPanel(QWidget* shown, QWidget* hidden, QWidget* focus) {
    const QSize outer = OuterSizeOf(*this);
    move(PlaceNearCursor(outer.width(), outer.height()));
    shown->setVisible(true);
    hidden->setVisible(false);
    focus->setFocus();
    exec();
}
