#include "LanguageChoice.h"

#include <QCoreApplication>
#include <QLocale>
#include <QPointer>
#include <QTranslator>

namespace {

const QString EnglishCatalogue = QStringLiteral(":/i18n/ipponmichi_en.qm");

Language chosen = Language::Japanese;
QPointer<QTranslator> installed;

} // namespace

Language LanguageChoice::forLocale(const QStringList& uiLanguages) {
    const QString first = uiLanguages.value(0);
    // Qt names the C and POSIX locales "C"; that names no language at all.
    if (first.isEmpty() || first == QLatin1String("C") || first == QLatin1String("POSIX")) {
        return Language::Japanese;
    }
    return QLocale(first).language() == QLocale::Japanese ? Language::Japanese : Language::English;
}

bool LanguageChoice::use(Language language) {
    if (installed) {
        QCoreApplication::removeTranslator(installed);
        delete installed.data();
    }
    chosen = Language::Japanese;
    // The default locale picks the pictures lettered in the language.
    QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));
    if (language == Language::Japanese) {
        return true;
    }
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(EnglishCatalogue) || !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return false;
    }
    installed = translator;
    chosen = language;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    return true;
}

Language LanguageChoice::current() {
    return chosen;
}
