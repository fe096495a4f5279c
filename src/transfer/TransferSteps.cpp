#include "TransferSteps.h"

#include "usblib/Kivra.h"
#include "usblib/UsbRecords.h"
#include "usblib/platform/DeviceSetup.h"

#include <QCoreApplication>
#include <QFile>

#include <fcntl.h>
#include <sys/stat.h>

namespace transfer {

QString NotConnectedMessage() {
    const std::string problem = platform::DeviceFolderProblem(platform::DeviceBaseFolder(), kReceiverInterfaceGuid);
    return problem.empty() ? QCoreApplication::translate("TransferSteps", kNotConnected)
                           : QString::fromLocal8Bit(problem.c_str());
}

bool Announce(uint32_t code, const char* name, uint32_t size) {
    TransferHeader header{};
    SaveHeader(&header, name, size);
    return USBWrite(static_cast<int>(code), sizeof header, &header) > 0;
}

std::optional<uint32_t> FileSize(const std::string& path) {
    const platform::CUniqueFd file = OpenForReading(path);
    struct stat info {};
    if (!file || ::fstat(file.Get(), &info) != 0 || !S_ISREG(info.st_mode) || info.st_size > UINT32_MAX) {
        return std::nullopt;
    }
    return static_cast<uint32_t>(info.st_size);
}

platform::CUniqueFd OpenForReading(const std::string& path) {
    return platform::CUniqueFd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
}

std::string Native(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

} // namespace transfer
