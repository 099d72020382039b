// Every Qt test speaks the language the locale asks for, as the program does,
// so the tests of exact texts show that the Japanese is untouched under the
// locales that ask for it.
#include "LanguageChoice.h"

#include <QCoreApplication>
#include <QLocale>

namespace {

void followLocale() {
    LanguageChoice::use(LanguageChoice::forLocale(QLocale::system().uiLanguages()));
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(followLocale)
