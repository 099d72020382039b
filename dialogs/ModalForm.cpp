#include "ModalForm.h"

#include "BevelPanel.h"
#include "ModalResult.h"
#include "Placement.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QPushButton>
#include <QStyle>

ModalForm::ModalForm(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint) {
    QPalette colours = palette();
    colours.setColor(QPalette::Window, BevelPanel::ButtonFace);
    setPalette(colours);
    setAutoFillBackground(true);
}

void ModalForm::reject() {
    done(mrCancel);
}

void ModalForm::SetOuterSize(int outerWidth, int outerHeight) {
    setFixedSize(ClientSizeForOuter(outerWidth, outerHeight));
}

void ModalForm::SetModalResult(QAbstractButton* button, int result) {
    connect(button, &QAbstractButton::clicked, this, [this, result] { done(result); });
}

void ModalForm::SetUpOkCancel(QPushButton* ok, QPushButton* cancel, std::function<void()> onOk) {
    ok->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
    cancel->setIcon(style()->standardIcon(QStyle::SP_DialogCancelButton));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, [this, onOk = std::move(onOk)] {
        onOk();
        done(mrOk);
    });
    SetModalResult(cancel, mrCancel);
    SetCancelButton(cancel);
}

void ModalForm::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        if (cancelButton_ && cancelButton_->isVisible() && cancelButton_->isEnabled()) {
            cancelButton_->click();
        }
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
