// Finding the receiver: the device folder rules, enumeration order and the entries that
// are skipped, each module's path buffer, and the program's pipe open.
#include "SimulatorHarness.h"
#include "transfer/UsbDevice.h"
#include "usblib/Kivra.h"

#include <sys/stat.h>
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

TEST_F(DeviceLookup, FoldersOtherUsersCouldWriteAreRefused) {
    // Regression: a device folder others could write let any local user pose as the receiver.
    StartSimulator();
    const auto mode = [](const std::string& path) {
        struct stat info {};
        return ::stat(path.c_str(), &info) == 0 ? info.st_mode & 07777 : 0;
    };
    EXPECT_EQ(mode(m_deviceDir), 0700u);
    EXPECT_EQ(mode(ClassFolder()), 0700u);
    EXPECT_EQ(mode(Path("receiver0")), 0600u);
    EXPECT_TRUE(FindUsbDevice(kReceiverInterfaceGuid, m_path));

    struct Case {
        std::string folder;
        mode_t mode;
        uid_t owner;
        const char* problem;
    };
    const Case cases[] = {
        {ClassFolder(), 0777, ::geteuid(), "can be written by other users"},
        {m_deviceDir, 0770, ::geteuid(), "can be written by other users"},
        {m_deviceDir, 0700, 4242, "belongs to another user"},
    };
    for (const Case& c : cases) {
        if (c.owner != ::geteuid() && ::geteuid() != 0) {
            continue; // only root can give a folder away
        }
        ASSERT_EQ(::chmod(c.folder.c_str(), c.mode), 0);
        ASSERT_EQ(::chown(c.folder.c_str(), c.owner, static_cast<gid_t>(-1)), 0);
        const std::string problem = platform::DeviceFolderProblem(m_deviceDir, kReceiverInterfaceGuid);
        EXPECT_NE(problem.find(c.folder + " " + c.problem), std::string::npos) << problem;
        EXPECT_FALSE(FindUsbDevice(kReceiverInterfaceGuid, m_path)) << c.folder << " " << c.problem;
        EXPECT_EQ(GetFirmVer(), 0);
        // The simulator will not register there either.
        CReceiverSimulator other(Options("receiver1"));
        std::string error;
        EXPECT_FALSE(other.Start(error));
        EXPECT_NE(error.find(c.problem), std::string::npos) << error;
        ASSERT_EQ(::chmod(c.folder.c_str(), 0700), 0);
        ASSERT_EQ(::chown(c.folder.c_str(), ::geteuid(), static_cast<gid_t>(-1)), 0);
    }
    EXPECT_EQ(platform::DeviceFolderProblem(m_deviceDir, kReceiverInterfaceGuid), "");
    EXPECT_TRUE(FindUsbDevice(kReceiverInterfaceGuid, m_path));
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
