#include "seams/NativeNames.h"
#include "shell/OrvaneApp.h"
#include "shell/Translations.h"

#include <QApplication>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <iterator>
#include <string>
#include <vector>

namespace {

const char* const kUsage = "Usage: orvane [FILE]\n"
                           "Edits the channel database (.dat) of a Melvex400 satellite receiver.\n"
                           "With FILE, that database is opened at start.\n"
                           "\n"
                           "  -h, --help     show this help and exit\n"
                           "  -v, --version  show the version and exit\n"
                           "\n"
                           "orvane-cli reads and changes the same files without a window (man orvane-cli).\n";

// Answers --help and --version before any window system is needed, so they work
// without a display. Returns the exit code, or -1 when the editor should start.
int AnswerInfoOption(int argc, char** argv) {
    if (argc < 2) {
        return -1;
    }
    const char* option = argv[1];
    if (std::strcmp(option, "-h") == 0 || std::strcmp(option, "--help") == 0) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    if (std::strcmp(option, "-v") == 0 || std::strcmp(option, "--version") == 0) {
        std::puts("orvane 1.0");
        return 0;
    }
    // Qt takes its own options with one or two dashes; any other long option is a
    // mistake, told here while no display is needed to tell it.
    static const char* const qtOptions[] = {
        "platform", "platformtheme",   "platformpluginpath", "plugin",      "style",   "stylesheet", "reverse",
        "session",  "qwindowgeometry", "qwindowtitle",       "qwindowicon", "display", "geometry"};
    for (int i = 1; i < argc; ++i) {
        const char* argument = argv[i];
        if (std::strncmp(argument, "--", 2) != 0 || argument[2] == '\0') {
            continue;
        }
        const std::size_t length = std::strcspn(argument + 2, "=");
        const bool known = std::any_of(std::begin(qtOptions), std::end(qtOptions), [&](const char* name) {
            return std::strlen(name) == length && std::strncmp(argument + 2, name, length) == 0;
        });
        if (!known) {
            std::fprintf(stderr, "Unknown option '%s'.\nTry 'orvane --help'.\n", argument);
            return 2;
        }
    }
    return -1; // the window system's own options (-platform, ...) and file names
}

} // namespace

int main(int argc, char** argv) {
    if (const int code = AnswerInfoOption(argc, argv); code >= 0) {
        return code;
    }
    QApplication application(argc, argv);
    COrvaneApp::SelectSettingsStore();
    translations::Install(translations::Chosen());
    COrvaneApp app;
    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();
    // The window system's options are gone from argv by now; a file name keeps its bytes.
    const std::vector<std::string> raw =
        nativenames::RawArguments(arguments, std::vector<std::string>(argv, argv + argc));
    if (!app.InitInstance(arguments, true, raw)) {
        return 1;
    }
    return QApplication::exec();
}
