#pragma once

#include "TForm1.h"

#include <memory>

class TDebugForm;
class TNameInputForm;
class TForm3;
class TMessageForm;

// The program's five windows, created once in their fixed order and kept until
// the end: the main window first (it is the one whose closing ends the program),
// then the four dialogs, hidden between showings.
class FormSet {
public:
    FormSet();
    ~FormSet();

    TForm1& Form1() { return *form1_; }
    TDebugForm& DebugForm() { return *debugForm_; }
    TNameInputForm& NameInputForm() { return *nameInputForm_; }
    TForm3& Form3() { return *form3_; }
    TMessageForm& MessageForm() { return *messageForm_; }

private:
    std::unique_ptr<TForm1> form1_;
    std::unique_ptr<TDebugForm> debugForm_;
    std::unique_ptr<TNameInputForm> nameInputForm_;
    std::unique_ptr<TForm3> form3_;
    std::unique_ptr<TMessageForm> messageForm_;
};
