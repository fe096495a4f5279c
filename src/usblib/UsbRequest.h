#pragma once
// The device requests of the receiver, issued on an open device handle: Kivra's exports
// use them once per call, the transfer workers once per chunk.
#include "UsbRecords.h"
#include "platform/DeviceIo.h"

#include <cstdint>

// Result when the device rejects a request or is gone.
inline constexpr int kRequestFailed = -2;

// Request whose data stage comes from the receiver (read control): returns the byte
// count received into `buffer`, or kRequestFailed.
int SendReadRequest(const CDeviceHandle& device, uint32_t requestCode, void* buffer, uint32_t length);

// Request whose data stage goes to the receiver (write control): returns the byte count
// the device reports, or kRequestFailed.
int SendWriteRequest(const CDeviceHandle& device, uint32_t requestCode, const void* data, uint32_t length);

// Chunk request (code 1 or 2) announcing `length` bytes on the pipe; true on success.
bool SendChunkRequest(const CDeviceHandle& device, uint32_t requestCode, uint16_t length);

// The pipe recovery control after a failed pipe read or write; its result is ignored.
void RecoverPipe(const CDeviceHandle& pipe);
