#pragma once

#include "MainWindow.h"

#include <memory>

class OptionsDialog;
class NameDialog;
class AboutDialog;
class ResultDialog;

// The program's five windows, created once in their fixed order and kept until
// the end: the main window first (it is the one whose closing ends the program),
// then the four dialogs, hidden between showings.
class ProgramWindows {
public:
    ProgramWindows();
    ~ProgramWindows();

    MainWindow& mainWindow() { return *m_mainWindow; }
    OptionsDialog& optionsDialog() { return *m_optionsDialog; }
    NameDialog& nameDialog() { return *m_nameDialog; }
    AboutDialog& aboutDialog() { return *m_aboutDialog; }
    ResultDialog& resultDialog() { return *m_resultDialog; }

private:
    std::unique_ptr<MainWindow> m_mainWindow;
    std::unique_ptr<OptionsDialog> m_optionsDialog;
    std::unique_ptr<NameDialog> m_nameDialog;
    std::unique_ptr<AboutDialog> m_aboutDialog;
    std::unique_ptr<ResultDialog> m_resultDialog;
};
