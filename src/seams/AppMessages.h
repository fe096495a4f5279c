#pragma once
// Messages several parts of the program show with the same words.
#include <QCoreApplication>

// A command that needs an open file was given without one.
inline constexpr const char* kNoDbMessage = QT_TRANSLATE_NOOP("AppMessages", "It has no DB. First open your DB!");

// kNoDbMessage in the interface's language.
inline QString NoDbMessage() {
    return QCoreApplication::translate("AppMessages", kNoDbMessage);
}
