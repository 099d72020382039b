#include "ProgramWindows.h"

#include "OptionsDialog.h"
#include "AboutDialog.h"
#include "ResultDialog.h"
#include "NameDialog.h"

ProgramWindows::ProgramWindows() {
    form1_ = std::make_unique<MainWindow>();
    debugForm_ = std::make_unique<OptionsDialog>(form1_->Session());
    MainWindow* form1 = form1_.get();
    nameInputForm_ = std::make_unique<NameDialog>([form1] { form1->RevealDebugItem(); });
    form3_ = std::make_unique<AboutDialog>();
    messageForm_ = std::make_unique<ResultDialog>(form1_->Session());
    form1_->SetDialogs(debugForm_.get(), nameInputForm_.get(), form3_.get(), messageForm_.get());
}

// The dialogs go before the main window that refers to them.
ProgramWindows::~ProgramWindows() {
    form1_->SetDialogs(nullptr, nullptr, nullptr, nullptr);
    messageForm_.reset();
    form3_.reset();
    nameInputForm_.reset();
    debugForm_.reset();
    form1_.reset();
}
