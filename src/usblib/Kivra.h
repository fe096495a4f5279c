#pragma once
// The exports of libkivra.so, under their plain C names. The program imports them at
// load time. Results: the byte count on success, -1 when no receiver can be opened,
// -2 when the receiver rejects the request; GetFirmVer returns 1 or 0.
#include "UsbRecords.h"

#include <cstdint>

#define KIVRA_API __attribute__((visibility("default")))

extern "C" {

// Probe: 1 when the receiver answers its firmware request, else 0.
KIVRA_API int GetFirmVer();
// Request `code` whose `length` data bytes go from the receiver into `buffer`.
KIVRA_API int USBRead(int code, int length, void* buffer);
// Request `code` whose `length` data bytes go from `data` to the receiver.
KIVRA_API int USBWrite(int code, int length, const void* data);
// Fills the announcement header: name (at most 255 characters, cut safely), size
// big-endian, kind 3, flag 1. The spare byte and the name bytes after its NUL stay.
KIVRA_API void SaveHeader(TransferHeader* header, const char* name, uint32_t size);
}
