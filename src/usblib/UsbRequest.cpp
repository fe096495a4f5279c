#include "UsbRequest.h"

#include <climits>
#include <cstring>
#include <vector>

UsbRequestBlock MakeRequestBlock(uint32_t requestCode, uint32_t length, const void* data) {
    // A 64-bit address does not fit the receiver's 32-bit field; the data itself travels
    // after the block, so the field keeps only the low half for the record's sake.
    const auto address = static_cast<uint32_t>(reinterpret_cast<uintptr_t>(data));
    return UsbRequestBlock{0, byteorder::HostToLe32(length), byteorder::HostToLe32(address),
                           byteorder::HostToLe32(requestCode)};
}

ChunkRequest MakeChunkRequest(uint16_t length) {
    return ChunkRequest{0, 0, byteorder::HostToLe16(length), 0};
}

namespace {

std::span<const uint8_t> BytesOf(const UsbRequestBlock& block) {
    return {reinterpret_cast<const uint8_t*>(&block), sizeof block};
}

int CountOrFailure(bool ok, uint32_t returned) {
    return ok && returned <= INT_MAX ? static_cast<int>(returned) : kRequestFailed;
}

} // namespace

int SendReadRequest(const CDeviceHandle& device, uint32_t requestCode, void* buffer, uint32_t length) {
    if (buffer == nullptr && length > 0) {
        return kRequestFailed;
    }
    const UsbRequestBlock block = MakeRequestBlock(requestCode, length, buffer);
    uint32_t returned = 0;
    const bool ok = platform::DeviceIoControl(device, kReadControl, BytesOf(block),
                                              {static_cast<uint8_t*>(buffer), length}, returned);
    return CountOrFailure(ok, returned);
}

int SendWriteRequest(const CDeviceHandle& device, uint32_t requestCode, const void* data, uint32_t length) {
    if (data == nullptr && length > 0) {
        return kRequestFailed;
    }
    const UsbRequestBlock block = MakeRequestBlock(requestCode, length, data);
    // The write control's data follows the block on the wire: what the driver would take
    // from the data address.
    std::vector<uint8_t> input(BytesOf(block).begin(), BytesOf(block).end());
    if (length > 0) {
        input.insert(input.end(), static_cast<const uint8_t*>(data), static_cast<const uint8_t*>(data) + length);
    }
    uint32_t returned = 0;
    const bool ok = platform::DeviceIoControl(device, kWriteControl, input, {}, returned);
    return CountOrFailure(ok, returned);
}

bool SendChunkRequest(const CDeviceHandle& device, uint32_t requestCode, uint16_t length) {
    const ChunkRequest chunk = MakeChunkRequest(length);
    return SendWriteRequest(device, requestCode, &chunk, sizeof chunk) > 0;
}

void RecoverPipe(const CDeviceHandle& pipe) {
    uint32_t returned = 0;
    platform::DeviceIoControl(pipe, kPipeRecoveryControl, {}, {}, returned);
}
