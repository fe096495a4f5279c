#include "UsbDevice.h"

#include <cstring>

int IsUsbDevicePresent(std::string_view interfaceGuid, char* pathBuffer) {
    return FindUsbDevice(interfaceGuid, pathBuffer) ? 1 : 0;
}

CDeviceHandle OpenDevicePipe(const char* pipeName) {
    if (pipeName == nullptr || IsUsbDevicePresent(kReceiverInterfaceGuid, g_szDevicePath) == 0) {
        return {};
    }
    const std::size_t pathLength = std::strlen(g_szDevicePath);
    const std::size_t nameLength = std::strlen(pipeName);
    // Refused rather than cut: a cut name would open some other pipe, or none.
    if (pathLength + 1 + nameLength >= kDevicePathSize) {
        return {};
    }
    g_szDevicePath[pathLength] = '\\';
    std::memcpy(g_szDevicePath + pathLength + 1, pipeName, nameLength + 1);
    return platform::CreateDeviceFile(g_szDevicePath);
}
