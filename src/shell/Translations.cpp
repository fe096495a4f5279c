#include "shell/Translations.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QSettings>
#include <QTranslator>

#include <algorithm>

namespace translations {

namespace {

constexpr Language kLanguages[] = {
    {"en", "English"}, {"ru", "Русский"}, {"fr", "Français"}, {"it", "Italiano"}, {"nl", "Nederlands"},
    {"de", "Deutsch"}, {"da", "Dansk"},   {"ar", "العربية"},  {"el", "Ελληνικά"}, {"tr", "Türkçe"},
    {"es", "Español"}, {"sv", "Svenska"}, {"nb", "Norsk"},
};

const QString kSettingsKey = QStringLiteral("Interface/language");

// "de_DE.UTF-8", "de-AT", "no" -> the catalogue's code, or empty.
QString Match(QString name) {
    name = name.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);
    QString code = name.section(QLatin1Char('_'), 0, 0).section(QLatin1Char('-'), 0, 0).toLower();
    if (code == QLatin1String("no") || code == QLatin1String("nn")) {
        code = QStringLiteral("nb"); // one Norwegian catalogue
    }
    const bool known = std::any_of(std::begin(kLanguages), std::end(kLanguages),
                                   [&](const Language& language) { return code == QLatin1String(language.code); });
    return known ? code : QString();
}

// The translators are the application's children; a new Install replaces them.
QTranslator* g_own = nullptr;
QTranslator* g_qt = nullptr;
QString g_current = QStringLiteral("en");

void RemoveTranslators() {
    for (QTranslator** translator : {&g_own, &g_qt}) {
        if (*translator != nullptr) {
            QCoreApplication::removeTranslator(*translator);
            delete *translator;
            *translator = nullptr;
        }
    }
}

} // namespace

std::span<const Language> Languages() {
    return kLanguages;
}

QString Remembered() {
    return Match(QSettings().value(kSettingsKey).toString());
}

void Remember(const QString& code) {
    QSettings().setValue(kSettingsKey, code);
}

QString SystemLanguage() {
    // LANGUAGE is a list by priority ("de:en"); the C locale turns it off, as in gettext.
    const QString all = qEnvironmentVariable("LC_ALL");
    if (all != QLatin1String("C") && all != QLatin1String("POSIX")) {
        for (const QString& entry : qEnvironmentVariable("LANGUAGE").split(QLatin1Char(':'), Qt::SkipEmptyParts)) {
            if (const QString code = Match(entry); !code.isEmpty()) {
                return code;
            }
        }
    }
    if (!all.isEmpty()) {
        const QString code = Match(all);
        return code.isEmpty() ? QStringLiteral("en") : code;
    }
    const QString code = Match(QLocale::system().name());
    return code.isEmpty() ? QStringLiteral("en") : code;
}

QString Chosen() {
    const QString remembered = Remembered();
    return remembered.isEmpty() ? SystemLanguage() : remembered;
}

bool Install(const QString& code) {
    RemoveTranslators();
    g_current = QStringLiteral("en");
    QGuiApplication::setLayoutDirection(Qt::LeftToRight);
    if (Match(code) != code) {
        return false;
    }
    g_own = new QTranslator(QCoreApplication::instance());
    if (code == QLatin1String("en")) {
        // English needs only the plural forms of the counted texts ("Lock %n channel(s)").
        if (g_own->load(QStringLiteral(":/i18n/orvane_en.qm"))) {
            QCoreApplication::installTranslator(g_own);
        }
        return true;
    }
    if (!g_own->load(QStringLiteral(":/i18n/orvane_") + code + QStringLiteral(".qm"))) {
        RemoveTranslators();
        return false;
    }
    QCoreApplication::installTranslator(g_own);
    g_current = code;
    if (code == QLatin1String("ar")) {
        QGuiApplication::setLayoutDirection(Qt::RightToLeft);
    }
    // The standard buttons and dialogs of Qt itself, when the system has their catalogue.
    g_qt = new QTranslator(QCoreApplication::instance());
    if (g_qt->load(QStringLiteral("qtbase_") + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(g_qt);
    } else {
        delete g_qt;
        g_qt = nullptr;
    }
    return true;
}

QString Current() {
    return g_current;
}

} // namespace translations
