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

    MainWindow& Form1() { return *form1_; }
    OptionsDialog& DebugForm() { return *debugForm_; }
    NameDialog& NameInputForm() { return *nameInputForm_; }
    AboutDialog& Form3() { return *form3_; }
    ResultDialog& MessageForm() { return *messageForm_; }

private:
    std::unique_ptr<MainWindow> form1_;
    std::unique_ptr<OptionsDialog> debugForm_;
    std::unique_ptr<NameDialog> nameInputForm_;
    std::unique_ptr<AboutDialog> form3_;
    std::unique_ptr<ResultDialog> messageForm_;
};
