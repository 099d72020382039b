#pragma once

#include "TextMarks.h"

#include <string>

// Where the rules' texts are put into the player's language. The rules keep
// their texts in the source language, marked for the catalogue; the program
// hands in the catalogue Qt holds, a test or a tool without Qt the source itself.
class TextCatalogue {
public:
    virtual ~TextCatalogue() = default;
    // `source` of `context` in the player's language; a `count` of 0 or more
    // takes the place of %n, and a translation may pick its plural form by it.
    virtual std::string translate(const char* context, const char* source,
                                  int count = -1) const = 0;
};

// The source texts as they stand, with %n filled in.
class SourceTexts : public TextCatalogue {
public:
    std::string translate(const char* context, const char* source, int count = -1) const override;
};

// One SourceTexts for everyone who needs no other catalogue.
const TextCatalogue& sourceTexts();
