#pragma once
// The interface languages: English, the program's own texts, and the catalogues
// (translations/orvane_<code>.qm, built into the program) for the other languages of
// the receiver's own list. The choice is remembered in the settings; without one the
// system's locale decides. A change takes effect when the editor starts again.
#include <QString>

#include <span>

namespace translations {

struct Language {
    const char* code;       // catalogue suffix, "en" for the built-in English
    const char* nativeName; // the language's name in itself, as the Language menu shows it
};

// English first, then the receiver's order.
std::span<const Language> Languages();

// The remembered choice; empty when the user never chose.
QString Remembered();
void Remember(const QString& code);

// The language the system asks for: the first of LANGUAGE's list that has a
// catalogue, else LC_ALL, else the system locale; "en" when none has one.
QString SystemLanguage();

// The remembered choice, else the system's.
QString Chosen();

// Installs the catalogue of `code` into the application (and Qt's own, when the
// system has it) and sets the layout direction (right to left for Arabic). False
// when `code` has no catalogue; English installs nothing.
bool Install(const QString& code);

// The language the interface runs in: the last one Install loaded, "en" before.
QString Current();

} // namespace translations
