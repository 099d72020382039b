#include "FormSet.h"

#include "TDebugForm.h"
#include "TForm3.h"
#include "TMessageForm.h"
#include "TNameInputForm.h"

FormSet::FormSet() {
    form1_ = std::make_unique<TForm1>();
    debugForm_ = std::make_unique<TDebugForm>(form1_->Session());
    TForm1* form1 = form1_.get();
    nameInputForm_ = std::make_unique<TNameInputForm>([form1] { form1->RevealDebugItem(); });
    form3_ = std::make_unique<TForm3>();
    messageForm_ = std::make_unique<TMessageForm>(form1_->Session());
    form1_->SetDialogs(debugForm_.get(), nameInputForm_.get(), form3_.get(), messageForm_.get());
}

// The dialogs go before the main window that refers to them.
FormSet::~FormSet() {
    form1_->SetDialogs(nullptr, nullptr, nullptr, nullptr);
    messageForm_.reset();
    form3_.reset();
    nameInputForm_.reset();
    debugForm_.reset();
    form1_.reset();
}
