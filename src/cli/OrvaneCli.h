#pragma once
// orvane-cli: the receiver file commands of the editor for scripts and terminals,
// over the same database layer, matching core and transfer steps. Results go to
// `out`, messages to `err`; the exit code is 0 on success, 1 when a check fails or an
// input is refused, 2 on a usage error.
#include <QStringList>

#include <ostream>
#include <string>
#include <vector>

namespace cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1;
inline constexpr int kExitUsage = 2;

struct Streams {
    std::ostream& out;
    std::ostream& err;
    bool errIsTerminal = false; // the transfers draw a progress bar only on a terminal
};

// `arguments` as QCoreApplication::arguments() gives them, the program first; `raw`,
// when given, the same as the system gave their bytes, so that a path that is no
// UTF-8 still names its file.
int Run(const QStringList& arguments, Streams& io, const std::vector<std::string>& raw = {});

} // namespace cli
