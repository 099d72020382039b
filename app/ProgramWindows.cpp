#include "ProgramWindows.h"

#include "AboutDialog.h"
#include "NameDialog.h"
#include "OptionsDialog.h"
#include "ResultDialog.h"

ProgramWindows::ProgramWindows() {
    m_mainWindow = std::make_unique<MainWindow>();
    m_optionsDialog = std::make_unique<OptionsDialog>(m_mainWindow->session());
    MainWindow* form1 = m_mainWindow.get();
    m_nameDialog = std::make_unique<NameDialog>([form1] { form1->revealDebugItem(); });
    m_aboutDialog = std::make_unique<AboutDialog>();
    m_resultDialog = std::make_unique<ResultDialog>(m_mainWindow->session());
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
