#pragma once

#include "TextCatalogue.h"

// The rules' texts through the translators installed in the application.
class QtTextCatalogue : public TextCatalogue {
public:
    std::string translate(const char* context, const char* source, int count = -1) const override;
};
