#pragma once
// Device discovery in place of the Windows device-setup calls. A present device
// interface is a Unix-domain stream socket in the class folder of its interface GUID:
//   $KIVRA_DEVICE_DIR/<GUID>/          (KIVRA_DEVICE_DIR unset or empty:
//   $XDG_RUNTIME_DIR/kivra/<GUID>/      XDG_RUNTIME_DIR unset or empty:
//   /tmp/kivra-<uid>/<GUID>/)
// and its interface path is the socket's path. Interfaces enumerate in name order.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// The folder under which every interface class has its own folder.
std::string DeviceBaseFolder();
// The folder in which the interfaces of `interfaceGuid` appear.
std::string DeviceClassFolder(std::string_view interfaceGuid);

// Why the device folders of `interfaceGuid` must not be used, or empty when they may.
// Whoever can put a socket there can pose as the receiver and read every transfer, so
// the base folder and the class folder must belong to this user and be writable by no
// one else. A folder that does not exist is no problem: no device is present.
std::string DeviceFolderProblem(const std::string& baseFolder, std::string_view interfaceGuid);

// Creates the base and class folders that do not exist yet, private (0700) to this
// user, and checks them; false with the reason in `error`.
bool MakeDeviceClassFolder(const std::string& baseFolder, std::string_view interfaceGuid, std::string& error);

// The interfaces of one class present when the set was taken (SetupDiGetClassDevs).
// A folder that DeviceFolderProblem refuses lists nothing, and the reason is written
// to the standard error stream once per process.
class CDeviceInfoSet {
public:
    explicit CDeviceInfoSet(std::string_view interfaceGuid);

    const std::string& Folder() const { return m_folder; }
    std::size_t EntryCount() const { return m_names.size(); }
    const std::string& EntryName(std::size_t index) const { return m_names[index]; }

private:
    std::string m_folder;
    std::vector<std::string> m_names; // sorted
};

// One enumerated interface (SP_DEVICE_INTERFACE_DATA).
struct DeviceInterfaceData {
    std::size_t index = 0;
};

enum class EnumResult { Ok, NoMoreItems, Failed };

// Interface number `index` of the set (SetupDiEnumDeviceInterfaces). An entry that is
// not a socket fails to enumerate without ending the list.
EnumResult EnumDeviceInterface(const CDeviceInfoSet& set, std::size_t index, DeviceInterfaceData& data);

// The interface's device path (SetupDiGetDeviceInterfaceDetail).
std::string DeviceInterfacePath(const CDeviceInfoSet& set, const DeviceInterfaceData& data);

} // namespace platform
