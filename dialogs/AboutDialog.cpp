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

AboutDialog::AboutDialog(QWidget* parent) : GameDialog(parent), ui_(std::make_unique<Ui::AboutDialog>()) {
    ui_->setupUi(this);
    ApplyFormStyle(this);
    setFixedSize(size());
    ui_->Panel1->move(PanelPlace);
    ui_->Panel2->move(PanelPlace);

    ui_->Panel3->SetBevelOuter(BevelPanel::Bevel::Lowered);
    ui_->Panel3->SetBevelWidth(PictureFrameBevelWidth);
    const QImage face = Artwork::FacePicture();
    ui_->Image1->setPixmap(QPixmap::fromImage(face));
    ui_->Image1->resize(face.size());

    SetGlyph(ui_->BitBtn1, QStyle::SP_DialogOkButton);
    ui_->BitBtn1->setDefault(true);
    SetModalResult(ui_->BitBtn1, mrOk);
}

AboutDialog::~AboutDialog() = default;

// The first control in tab order takes the focus: the notes themselves, or OK.
void AboutDialog::ShowNotes() {
    ShowPanel(ui_->Panel1, ui_->Panel2, ui_->Memo1);
}

void AboutDialog::ShowVersion() {
    ShowPanel(ui_->Panel2, ui_->Panel1, ui_->BitBtn1);
}

void AboutDialog::ShowPanel(QWidget* shown, QWidget* hidden, QWidget* focus) {
    const QSize outer = OuterSizeOf(*this);
    move(PlaceNearCursor(outer.width(), outer.height()));
    shown->setVisible(true);
    hidden->setVisible(false);
    focus->setFocus();
    exec();
}
