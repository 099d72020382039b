#include "GameDialog.h"

#include "BevelPanel.h"
#include "Fonts.h"
#include "Placement.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QPushButton>
#include <QStyle>
#include <QTimer>
#include <QWindow>

namespace {

// Every form's layout asks for the game font at this height. Set from the
// start, the texts the layout puts in (the notes run to thirteen lines) are
// laid out once, in the font they show in, instead of first in the desktop's
// font with its Japanese fallbacks.
constexpr int FormFontPixels = 12;

// A modal dialog stays as it was shown: not minimised out of reach, and not
// grown beyond its fixed size (which Weston answers by ending the connection
// of a client whose window then keeps its size).
constexpr Qt::WindowStates UnwantedStates =
    Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen;

} // namespace

GameDialog::GameDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
    QPalette colours = palette();
    colours.setColor(QPalette::Window, BevelPanel::buttonFace);
    setPalette(colours);
    setAutoFillBackground(true);
    setFont(gameFont(FormFontPixels));
}

void GameDialog::reject() {
    done(QDialog::Rejected);
}

int GameDialog::exec() {
    int result = 0;
    m_inModalShowing = true;
    do {
        m_showAgain = false;
        setWindowState(windowState() & ~UnwantedStates);
        if (QWindow* window = windowHandle()) {
            window->setWindowStates(window->windowStates() & ~UnwantedStates);
        }
        // A window system that grew the window anyway may have left it larger.
        resize(minimumSize().expandedTo(sizeHint()).boundedTo(maximumSize()));
        result = QDialog::exec();
    } while (m_showAgain);
    m_inModalShowing = false;
    return result;
}

void GameDialog::changeEvent(QEvent* event) {
    if (event->type() == QEvent::WindowStateChange && (windowState() & UnwantedStates)) {
        showAgainAsItWas();
    }
    QDialog::changeEvent(event);
}

void GameDialog::showAgainAsItWas() {
    // Once answered (hidden), a late notification of the change must not
    // bring the dialog back.
    if (!m_inModalShowing || m_showAgain || !isVisible()) {
        return;
    }
    // Hiding ends the running showing and exec() starts the next one; not
    // from inside the notification, which the window system is still
    // delivering.
    m_showAgain = true;
    QTimer::singleShot(0, this, [this] {
        if (m_showAgain) {
            hide();
        }
    });
}

void GameDialog::done(int result) {
    m_showAgain = false;
    QDialog::done(result);
}

void GameDialog::setOuterSize(int outerWidth, int outerHeight) {
    setFixedSize(clientSizeForOuter(outerWidth, outerHeight));
}

void GameDialog::moveTo(std::optional<QPoint> place) {
    if (place) {
        m_requestedPlace = *place;
    } else if (const QWidget* owner = parentWidget()) {
        const QSize outer = outerSizeOf(*this);
        m_requestedPlace =
            placeCentredOn(owner->window()->frameGeometry(), outer.width(), outer.height());
    } else {
        return; // the window system's choice
    }
    move(m_requestedPlace);
}

void GameDialog::setDefaultButton(QPushButton* button) {
    m_defaultButton = button;
    button->setDefault(true);
}

void GameDialog::setModalResult(QAbstractButton* button, int result) {
    connect(button, &QAbstractButton::clicked, this, [this, result] { done(result); });
}

void GameDialog::setUpOkCancel(QPushButton* ok, QPushButton* cancel, std::function<void()> onOk) {
    setGlyph(ok, QStyle::SP_DialogOkButton);
    setGlyph(cancel, QStyle::SP_DialogCancelButton);
    setDefaultButton(ok);
    connect(ok, &QPushButton::clicked, this, [this, onOk = std::move(onOk)] {
        onOk();
        done(QDialog::Accepted);
    });
    setModalResult(cancel, QDialog::Rejected);
    setCancelButton(cancel);
}

void GameDialog::setGlyph(QAbstractButton* button, QStyle::StandardPixmap glyph) {
    m_pendingGlyphs.emplace_back(button, glyph);
}

void GameDialog::showEvent(QShowEvent* event) {
    for (const auto& [button, glyph] : m_pendingGlyphs) {
        button->setIcon(style()->standardIcon(glyph));
    }
    m_pendingGlyphs.clear();
    if (m_defaultButton) {
        m_defaultButton->setDefault(true);
    }
    // Qt's own title bar on Wayland minimises and maximises the window
    // directly, telling only the window (the widget keeps its state, as
    // Wayland never reports a minimised window back).
    if (QWindow* window = windowHandle(); window && !m_watchingWindow) {
        m_watchingWindow = true;
        connect(window, &QWindow::windowStateChanged, this, [this](Qt::WindowState state) {
            if (state & UnwantedStates) {
                showAgainAsItWas();
            }
        });
    }
    QDialog::showEvent(event);
}

void GameDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        if (m_cancelButton && m_cancelButton->isVisible() && m_cancelButton->isEnabled()) {
            m_cancelButton->click();
        }
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
