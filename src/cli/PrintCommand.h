#pragma once
// `print FILE --pdf OUT [--group NAME] [--card]`: the channel list, or one favourite
// group, as a PDF in the editor's print layout. Painting text needs a QGuiApplication:
// main() makes one on the offscreen platform for this command alone.
#include "OrvaneCli.h"

#include <string>

namespace cli {

struct PrintOptions {
    std::string pdf;
    std::string group; // empty: the whole list
    bool card = false;
    bool landscape = false;
};

int Print(Streams& io, const std::string& path, const PrintOptions& options);

// Whether the command line names a command that paints (print), so that main() makes
// a QGuiApplication instead of a QCoreApplication.
bool CommandNeedsGui(int argc, const char* const* argv);

} // namespace cli
