#pragma once
// Device and pipe I/O in place of CreateFile, DeviceIoControl, ReadFile and WriteFile.
// A handle is a connection to the receiver's device socket that has opened either the
// device interface itself or one of its pipes; each call is one request frame and its
// reply (docs/usb-protocol.md).
#include "UniqueFd.h"

#include <sys/un.h>

#include <cstdint>
#include <span>
#include <string>

namespace platform {

// Seconds a request waits for the device before it counts as failed, so a hung
// receiver cannot hang the program.
inline constexpr int kDeviceTimeoutSeconds = 10;

// The address of the socket at `path`. A path longer than sockaddr_un holds is reached
// through its folder, which `folderHolder` keeps open while the address is used.
// False when the path has no folder part or the folder does not open.
bool UnixAddressFor(const std::string& path, sockaddr_un& address, CUniqueFd& folderHolder);

// Opens a device path: an interface path opens the device, "<interface path>\<pipe>"
// opens that pipe of it. Invalid when the device is absent or refuses.
CDeviceHandle CreateDeviceFile(const std::string& path);

// Issues a control code with its input and output buffers; `returned` gets the byte
// count the device reports. False when the device refuses or is gone.
bool DeviceIoControl(const CDeviceHandle& handle, uint32_t controlCode, std::span<const uint8_t> input,
                     std::span<uint8_t> output, uint32_t& returned);

// Reads up to buffer.size() bytes from a pipe; `read` gets the count.
bool ReadPipe(const CDeviceHandle& pipe, std::span<uint8_t> buffer, uint32_t& read);
// Writes the bytes to a pipe; `written` gets the count the device took.
bool WritePipe(const CDeviceHandle& pipe, std::span<const uint8_t> data, uint32_t& written);

} // namespace platform
