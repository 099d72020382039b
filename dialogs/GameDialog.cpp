#include "GameDialog.h"

#include "BevelPanel.h"
#include "Fonts.h"
#include "ModalResult.h"
#include "Placement.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QPushButton>
#include <QStyle>

namespace {

// Every form's layout asks for the game font at this height. Set from the
// start, the texts the layout puts in (the notes run to thirteen lines) are
// laid out once, in the font they show in, instead of first in the desktop's
// font with its Japanese fallbacks.
constexpr int FormFontPixels = 12;

} // namespace

GameDialog::GameDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint) {
    QPalette colours = palette();
    colours.setColor(QPalette::Window, BevelPanel::ButtonFace);
    setPalette(colours);
    setAutoFillBackground(true);
    setFont(GameFont(FormFontPixels));
}

void GameDialog::reject() {
    done(mrCancel);
}

void GameDialog::SetOuterSize(int outerWidth, int outerHeight) {
    setFixedSize(ClientSizeForOuter(outerWidth, outerHeight));
}

void GameDialog::SetModalResult(QAbstractButton* button, int result) {
    connect(button, &QAbstractButton::clicked, this, [this, result] { done(result); });
}

void GameDialog::SetUpOkCancel(QPushButton* ok, QPushButton* cancel, std::function<void()> onOk) {
    SetGlyph(ok, QStyle::SP_DialogOkButton);
    SetGlyph(cancel, QStyle::SP_DialogCancelButton);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, [this, onOk = std::move(onOk)] {
        onOk();
        done(mrOk);
    });
    SetModalResult(cancel, mrCancel);
    SetCancelButton(cancel);
}

void GameDialog::SetGlyph(QAbstractButton* button, QStyle::StandardPixmap glyph) {
    pendingGlyphs_.emplace_back(button, glyph);
}

void GameDialog::showEvent(QShowEvent* event) {
    for (const auto& [button, glyph] : pendingGlyphs_) {
        button->setIcon(style()->standardIcon(glyph));
    }
    pendingGlyphs_.clear();
    QDialog::showEvent(event);
}

void GameDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        if (cancelButton_ && cancelButton_->isVisible() && cancelButton_->isEnabled()) {
            cancelButton_->click();
        }
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
