// Finding the receiver: the device folder rules, enumeration order and the entries that
// are skipped, each module's path buffer, and the program's pipe open.
#include "SimulatorHarness.h"
#include "transfer/UsbDevice.h"
#include "usblib/Kivra.h"

#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <fstream>

namespace {

// Restores an environment variable when the test ends.
class CEnvGuard {
public:
    explicit CEnvGuard(const char* name) : m_name(name) {
        const char* value = std::getenv(name);
        m_had = value != nullptr;
        m_value = m_had ? value : "";
    }
    ~CEnvGuard() {
        if (m_had) {
            ::setenv(m_name, m_value.c_str(), 1);
        } else {
            ::unsetenv(m_name);
        }
    }

private:
    const char* m_name;
    bool m_had = false;
    std::string m_value;
};

} // namespace

class DeviceLookup : public UsbTest {
protected:
    std::string Path(const std::string& name) const { return ClassFolder() + "/" + name; }
    // Moves the device folder so that the interface "receiver" has a path of `length`
    // characters; a socket name cannot be that long, its folders can.
    SimulatorOptions LongPathOptions(std::size_t length) {
        const std::size_t fixed = m_dir.size() + 1 + 1 + kReceiverInterfaceGuid.size() + 1 + 8;
        m_deviceDir = m_dir + "/" + std::string(length - fixed, 'd');
        ::setenv("KIVRA_DEVICE_DIR", m_deviceDir.c_str(), 1);
        EXPECT_EQ(Path("receiver").size(), length);
        SimulatorOptions options = Options("receiver");
        options.baseDir = m_deviceDir;
        return options;
    }
    char m_path[kDevicePathSize] = {};
};

TEST_F(DeviceLookup, FolderComesFromKivraDeviceDirThenXdgRuntimeDirThenTmp) {
    CEnvGuard kivra("KIVRA_DEVICE_DIR");
    CEnvGuard xdg("XDG_RUNTIME_DIR");
    const std::string guid(kReceiverInterfaceGuid);
    ::setenv("KIVRA_DEVICE_DIR", "/some/where", 1);
    ::setenv("XDG_RUNTIME_DIR", "/run/user/77", 1);
    EXPECT_EQ(platform::DeviceClassFolder(kReceiverInterfaceGuid), "/some/where/" + guid);
    ::unsetenv("KIVRA_DEVICE_DIR");
    EXPECT_EQ(platform::DeviceClassFolder(kReceiverInterfaceGuid), "/run/user/77/kivra/" + guid);
    ::setenv("KIVRA_DEVICE_DIR", "", 1); // empty counts as unset
    EXPECT_EQ(platform::DeviceBaseFolder(), "/run/user/77/kivra");
    ::unsetenv("XDG_RUNTIME_DIR");
    EXPECT_EQ(platform::DeviceBaseFolder(), "/tmp/kivra-" + std::to_string(::getuid()));
}

TEST_F(DeviceLookup, InterfacesAreTriedInNameOrder) {
    StartSimulator(Options("receiver-b"));
    StartSimulator(Options("receiver-a"));
    StartSimulator(Options("receiver-c"));
    EXPECT_TRUE(FindUsbDevice(kReceiverInterfaceGuid, m_path));
    EXPECT_STREQ(m_path, Path("receiver-a").c_str());
}

TEST_F(DeviceLookup, AnInterfaceThatDoesNotOpenPassesToTheNext) {
    MakeDeadSocket(Path("receiver-a"));
    StartSimulator(Options("receiver-b"));
    EXPECT_TRUE(FindUsbDevice(kReceiverInterfaceGuid, m_path));
    EXPECT_STREQ(m_path, Path("receiver-b").c_str());

    // A receiver that refuses the open counts the same.
    SimulatorOptions busy = Options("receiver-0");
    busy.busyWhilePipeOpen = true;
    StartSimulator(busy);
    const CDeviceHandle pipe = platform::CreateDeviceFile(Path("receiver-0") + "\\PIPE02");
    ASSERT_TRUE(pipe);
    EXPECT_TRUE(FindUsbDevice(kReceiverInterfaceGuid, m_path));
    EXPECT_STREQ(m_path, Path("receiver-b").c_str());
}

TEST_F(DeviceLookup, EntriesThatFailToEnumerateDoNotEndTheSearch) {
    std::filesystem::create_directories(Path("0-folder"));
    std::ofstream(Path("1-plain-file")) << "not a device";
    std::filesystem::create_symlink(Path("receiver"), Path("2-link"));
    StartSimulator(Options("receiver"));
    EXPECT_TRUE(FindUsbDevice(kReceiverInterfaceGuid, m_path));
    EXPECT_STREQ(m_path, Path("receiver").c_str());
}

TEST_F(DeviceLookup, NoPresentInterfaceFindsNothing) {
    std::strcpy(m_path, "untouched");
    EXPECT_FALSE(FindUsbDevice(kReceiverInterfaceGuid, m_path)); // no folder at all
    EXPECT_STREQ(m_path, "untouched");
    MakeDeadSocket(Path("receiver"));
    EXPECT_FALSE(FindUsbDevice(kReceiverInterfaceGuid, m_path));
    EXPECT_STREQ(m_path, Path("receiver").c_str()); // left from the interface that did not open
    EXPECT_FALSE(FindUsbDevice("{00000000-0000-0000-0000-000000000000}", m_path));
}

TEST_F(DeviceLookup, PathsLongerThanASocketAddressStillOpen) {
    // Guards against socket paths over 107 bytes failing although the buffer holds 255.
    StartSimulator(LongPathOptions(200));
    EXPECT_TRUE(FindUsbDevice(kReceiverInterfaceGuid, m_path));
    EXPECT_STREQ(m_path, Path("receiver").c_str());
    EXPECT_TRUE(OpenDevicePipe(kPipeFromReceiver));
}

TEST_F(DeviceLookup, APathThatDoesNotFitTheBufferIsRefusedNotCut) {
    // Guards against a cut device path opening another device, or overrunning the buffer.
    StartSimulator(LongPathOptions(kDevicePathSize));
    std::memset(m_path, 'z', sizeof m_path);
    EXPECT_FALSE(FindUsbDevice(kReceiverInterfaceGuid, m_path));
    EXPECT_EQ(m_path[0], 'z');
}

TEST_F(DeviceLookup, EachModuleKeepsItsOwnPathBuffer) {
    StartSimulator();
    std::strcpy(g_szDevicePath, "program");
    EXPECT_EQ(GetFirmVer(), 1); // the library's lookup fills the library's buffer only
    EXPECT_STREQ(g_szDevicePath, "program");
    EXPECT_TRUE(OpenUsbDevice());
    EXPECT_STREQ(g_szDevicePath, Path("receiver0").c_str());
}

TEST_F(DeviceLookup, OpenDevicePipeBuildsPathBackslashPipe) {
    EXPECT_FALSE(OpenDevicePipe(kPipeToReceiver));
    StartSimulator();
    EXPECT_EQ(IsUsbDevicePresent(kReceiverInterfaceGuid, g_szDevicePath), 1);
    const CDeviceHandle pipe = OpenDevicePipe(kPipeToReceiver);
    EXPECT_TRUE(pipe);
    EXPECT_STREQ(g_szDevicePath, (Path("receiver0") + "\\PIPE03").c_str());
    EXPECT_FALSE(OpenDevicePipe("PIPE09"));
    EXPECT_FALSE(OpenDevicePipe(nullptr));
    EXPECT_TRUE(LogHas("open target=PIPE03 result=ok"));
    EXPECT_TRUE(LogHas("open target=unknown result=refused"));
}

TEST_F(DeviceLookup, OpenDevicePipeRefusesAPathWithoutRoomForThePipeName) {
    // Guards against appending "\PIPE02" past the end of the 256-byte buffer.
    StartSimulator(LongPathOptions(kDevicePathSize - 4));
    EXPECT_EQ(IsUsbDevicePresent(kReceiverInterfaceGuid, g_szDevicePath), 1);
    EXPECT_FALSE(OpenDevicePipe(kPipeFromReceiver));
    EXPECT_STREQ(g_szDevicePath, Path("receiver").c_str());
}
