#pragma once
// The program's own access to the receiver for the transfer workers: the presence test
// and the pipe open, over the program's copy of the device lookup and its path buffer.
#include "usblib/UsbLookup.h"
#include "usblib/UsbRequest.h"

#include <string_view>

// 1 when a device of the class opens (the handle is closed at once), else 0; the
// device's path is left in `pathBuffer`.
int IsUsbDevicePresent(std::string_view interfaceGuid, char* pathBuffer);

// Opens the receiver's pipe `pipeName` ("PIPE02" or "PIPE03") under the device path in
// the program's buffer. Invalid when no receiver is present, when the pipe does not
// open, or when the device path and pipe name together do not fit the buffer.
CDeviceHandle OpenDevicePipe(const char* pipeName);
