#pragma once
// Device lookup shared by Kivra and the program: each module links its own copy of this
// code and so keeps its own device path buffer.
#include "UsbRecords.h"
#include "platform/DeviceIo.h"
#include "platform/DeviceSetup.h"

#include <string_view>

// This module's path of the device found last, NUL-terminated; every lookup rewrites it.
extern char g_szDevicePath[kDevicePathSize];

// The first present interface of the class that opens; its path is left in `pathBuffer`
// (kDevicePathSize bytes). Invalid when none opens.
CDeviceHandle FindUsbDevice(std::string_view interfaceGuid, char* pathBuffer);

// Opens one enumerated interface, leaving its path in `pathBuffer`. A path that does not
// fit the buffer is refused rather than cut, since a cut path names another file.
CDeviceHandle OpenDeviceInterface(const platform::CDeviceInfoSet& set, const platform::DeviceInterfaceData& data,
                                  char* pathBuffer);

// FindUsbDevice for the receiver's interface class, with this module's buffer.
CDeviceHandle OpenUsbDevice();
