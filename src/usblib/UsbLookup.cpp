#include "UsbLookup.h"

#include <cstring>

char g_szDevicePath[kDevicePathSize];

CDeviceHandle FindUsbDevice(std::string_view interfaceGuid, char* pathBuffer) {
    const platform::CDeviceInfoSet set(interfaceGuid);
    for (std::size_t index = 0;; ++index) {
        platform::DeviceInterfaceData data;
        const platform::EnumResult result = platform::EnumDeviceInterface(set, index, data);
        if (result == platform::EnumResult::NoMoreItems) {
            return {};
        }
        if (result == platform::EnumResult::Failed) {
            continue;
        }
        if (CDeviceHandle handle = OpenDeviceInterface(set, data, pathBuffer)) {
            return handle;
        }
    }
}

CDeviceHandle OpenDeviceInterface(const platform::CDeviceInfoSet& set, const platform::DeviceInterfaceData& data,
                                  char* pathBuffer) {
    const std::string path = platform::DeviceInterfacePath(set, data);
    if (path.size() >= kDevicePathSize) {
        return {};
    }
    // Left in the buffer even when the open fails; the next device that opens overwrites it.
    std::memcpy(pathBuffer, path.c_str(), path.size() + 1);
    return platform::CreateDeviceFile(path);
}

CDeviceHandle OpenUsbDevice() {
    return FindUsbDevice(kReceiverInterfaceGuid, g_szDevicePath);
}
