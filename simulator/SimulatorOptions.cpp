#include "SimulatorOptions.h"

#include "usblib/platform/DeviceSetup.h"

#include <charconv>
#include <cstring>
#include <string_view>

namespace {

template <typename T> bool ParseNumber(std::string_view text, T& value) {
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && end == text.data() + text.size() && !text.empty();
}

} // namespace

bool ParseSimulatorArgs(int argc, const char* const* argv, SimulatorOptions& options, std::string& error) {
    options = SimulatorOptions{};
    options.baseDir = platform::DeviceBaseFolder();
    for (int i = 1; i < argc; ++i) {
        const std::string_view flag = argv[i];
        const auto value = [&](std::string_view& out) {
            if (i + 1 >= argc) {
                error = std::string(flag) + " needs a value";
                return false;
            }
            out = argv[++i];
            return true;
        };
        const auto number = [&](auto& out) {
            std::string_view text;
            if (!value(text)) {
                return false;
            }
            if (!ParseNumber(text, out)) {
                error = std::string(flag) + ": not a number: " + std::string(text);
                return false;
            }
            return true;
        };
        std::string_view text;
        bool ok = true;
        if (flag == "--help" || flag == "-h") {
            options.help = true;
            return true;
        }
        if (flag == "--dir") {
            ok = value(text) && (options.baseDir = text, true);
        } else if (flag == "--name") {
            ok = value(text) && (options.deviceName = text, true);
        } else if (flag == "--db") {
            ok = value(text) && (options.dbPath = text, true);
        } else if (flag == "--log") {
            ok = value(text) && (options.logPath = text, true);
        } else if (flag == "--firmware") {
            ok = number(options.firmware);
        } else if (flag == "--refuse") {
            uint32_t code = 0;
            ok = number(code) && (options.refusedCodes.insert(code), true);
        } else if (flag == "--fail-pipe-after") {
            uint64_t bytes = 0;
            ok = number(bytes) && (options.failPipeAfter = bytes, true);
        } else if (flag == "--zero-reads") {
            options.zeroReads = true;
        } else if (flag == "--short-writes") {
            options.shortWrites = true;
        } else if (flag == "--chunk-delay-ms") {
            ok = number(options.chunkDelayMs);
        } else if (flag == "--unplugged") {
            options.unplugged = true;
        } else if (flag == "--unplug-after") {
            uint32_t code = 0;
            ok = number(code) && (options.unplugAfter = code, true);
        } else if (flag == "--busy-while-pipe-open") {
            options.busyWhilePipeOpen = true;
        } else if (flag == "--rewrite-on-install") {
            options.rewriteOnInstall = true;
        } else if (flag == "--change-row-on-install") {
            ok = value(text) && (options.changeRowOnInstall = text, true);
        } else if (flag == "--garble-on-install") {
            options.garbleOnInstall = true;
        } else if (flag == "--drop-link-after") {
            uint64_t bytes = 0;
            ok = number(bytes) && (options.dropLinkAfter = bytes, true);
        } else {
            error = "unknown option: " + std::string(flag);
            return false;
        }
        if (!ok) {
            return false;
        }
    }
    if (options.dbPath.empty() && !options.unplugged) {
        error = "--db is required";
        return false;
    }
    if (options.deviceName.empty() || options.deviceName.find('/') != std::string::npos) {
        error = "--name must be a plain file name";
        return false;
    }
    return true;
}
