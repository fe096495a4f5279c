#include "shell/OrvaneApp.h"

#include <QApplication>

#include <cstdio>
#include <cstring>

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
    return -1; // the window system's own options (-platform, ...) and file names
}

} // namespace

int main(int argc, char** argv) {
    if (const int code = AnswerInfoOption(argc, argv); code >= 0) {
        return code;
    }
    QApplication application(argc, argv);
    COrvaneApp::SelectSettingsStore();
    COrvaneApp app;
    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();
    if (!app.InitInstance(arguments)) {
        return 1;
    }
    return QApplication::exec();
}
