#include "ProgramWindows.h"

#include "AboutDialog.h"
#include "NameDialog.h"
#include "OptionsDialog.h"
#include "ResultDialog.h"

ProgramWindows::ProgramWindows() {
    m_mainWindow = std::make_unique<MainWindow>();
    // Each dialog is transient for the main window: the window system keeps it
    // above the main window and, on Wayland, places it relative to it.
    MainWindow* owner = m_mainWindow.get();
    m_optionsDialog = std::make_unique<OptionsDialog>(owner->session(), owner);
    m_nameDialog = std::make_unique<NameDialog>([owner] { owner->revealDebugItem(); }, owner);
    m_aboutDialog = std::make_unique<AboutDialog>(owner);
    m_resultDialog = std::make_unique<ResultDialog>(owner->session(), owner);
    m_mainWindow->setDialogs(m_optionsDialog.get(), m_nameDialog.get(), m_aboutDialog.get(),
                             m_resultDialog.get());
}

// The dialogs go before the main window that refers to them.
ProgramWindows::~ProgramWindows() {
    m_mainWindow->setDialogs(nullptr, nullptr, nullptr, nullptr);
    m_resultDialog.reset();
    m_aboutDialog.reset();
    m_nameDialog.reset();
    m_optionsDialog.reset();
    m_mainWindow.reset();
}
