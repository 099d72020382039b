#pragma once

#include <QStringList>

// The languages the program speaks: Japanese, the language its texts are
// written in, and English from the catalogue built into the program.
enum class Language { Japanese, English };

// Picks the player's language and puts its catalogue into the application.
class LanguageChoice {
public:
    // Japanese when it is the first language asked for or when no language is
    // named at all (the C or POSIX locale); English for every other language,
    // as it is the only translation there is. `uiLanguages` comes most wanted
    // first, as QLocale::uiLanguages() gives it.
    static Language forLocale(const QStringList& uiLanguages);

    // Makes `language` the one every later text is put into; Japanese needs no
    // catalogue. Call it before any window is built: texts already shown stay
    // as they are. False, leaving Japanese, if the catalogue does not load.
    static bool use(Language language);

    // The language chosen last; Japanese before any choice.
    static Language current();
};
