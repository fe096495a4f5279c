#include "Kivra.h"

#include "UsbLookup.h"
#include "UsbRequest.h"

#include <cstring>

namespace {

constexpr int kNoDevice = -1;

} // namespace

int GetFirmVer() {
    const CDeviceHandle device = OpenUsbDevice();
    if (!device) {
        return 0;
    }
    uint8_t firmware = 0; // only whether the receiver answers matters
    return SendReadRequest(device, kRequestFirmware, &firmware, 1) >= 0 ? 1 : 0;
}

int USBRead(int code, int length, void* buffer) {
    const CDeviceHandle device = OpenUsbDevice();
    if (!device) {
        return kNoDevice;
    }
    if (length < 0) {
        return kRequestFailed;
    }
    return SendReadRequest(device, static_cast<uint32_t>(code), buffer, static_cast<uint32_t>(length));
}

int USBWrite(int code, int length, const void* data) {
    const CDeviceHandle device = OpenUsbDevice();
    if (!device) {
        return kNoDevice;
    }
    if (length < 0) {
        return kRequestFailed;
    }
    return SendWriteRequest(device, static_cast<uint32_t>(code), data, static_cast<uint32_t>(length));
}

void SaveHeader(TransferHeader* header, const char* name, uint32_t size) {
    if (header == nullptr) {
        return;
    }
    const std::size_t length = name != nullptr ? strnlen(name, sizeof header->name - 1) : 0;
    if (length > 0) {
        std::memcpy(header->name, name, length);
    }
    header->name[length] = '\0';
    header->size = byteorder::HostToBe32(size);
    header->kind = kTransferKind;
    header->flag = kTransferFlag;
}
