#include "SimulatorHarness.h"

#include "FixtureBuilder.h"
#include "usblib/Kivra.h"
#include "usblib/UsbRecords.h"
#include "usblib/platform/DeviceIo.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

extern char** environ;

namespace {

constexpr auto kStartTimeout = std::chrono::seconds(10);

bool LogContains(const std::string& path, const std::string& text) {
    std::ifstream in(path);
    const std::string content((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return content.find(text) != std::string::npos;
}

// Waits for `pid` to exit within `timeout`; returns its status, or -1 if it did not.
int WaitBounded(pid_t pid, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        int status = 0;
        const pid_t done = ::waitpid(pid, &status, WNOHANG);
        if (done == pid) {
            return status;
        }
        if (done < 0 || std::chrono::steady_clock::now() > deadline) {
            return -1;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

} // namespace

TransferHeader Header(const char* name, uint32_t size) {
    TransferHeader header{};
    SaveHeader(&header, name, size);
    return header;
}

const char* SimulatorProgram() {
    return KIVRA_SIMULATOR_PATH;
}

CSimulatorThread::CSimulatorThread(const SimulatorOptions& options) : m_simulator(options) {
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0) {
        return;
    }
    m_stopRead.Reset(fds[0]);
    m_stopWrite.Reset(fds[1]);
    std::string error;
    m_started = m_simulator.Start(error);
    if (!m_started) {
        ADD_FAILURE() << error;
        return;
    }
    m_thread = std::thread([this] { m_simulator.Run(m_stopRead.Get()); });
}

CSimulatorThread::~CSimulatorThread() {
    m_stopWrite.Reset(); // the hang-up ends Run
    if (m_thread.joinable()) {
        m_thread.join();
    }
}

CSimulatorProcess::CSimulatorProcess(const std::vector<std::string>& args, const std::string& logPath) {
    std::vector<std::string> all{SimulatorProgram(), "--log", logPath};
    all.insert(all.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& arg : all) {
        argv.push_back(arg.data());
    }
    argv.push_back(nullptr);
    if (::posix_spawn(&m_pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0) {
        m_pid = -1;
        return;
    }
    const auto deadline = std::chrono::steady_clock::now() + kStartTimeout;
    while (!m_ready && std::chrono::steady_clock::now() < deadline) {
        m_ready = LogContains(logPath, "ready ");
        int status = 0;
        if (!m_ready && ::waitpid(m_pid, &status, WNOHANG) == m_pid) {
            m_pid = -1; // exited before it became ready
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

CSimulatorProcess::~CSimulatorProcess() {
    Stop();
}

int CSimulatorProcess::Stop() {
    if (m_pid <= 0) {
        return -1;
    }
    ::kill(m_pid, SIGTERM);
    int status = WaitBounded(m_pid, std::chrono::seconds(10));
    if (status == -1) {
        ::kill(m_pid, SIGKILL);
        ::waitpid(m_pid, &status, 0);
        status = -1;
    }
    m_pid = -1;
    return status;
}

void UsbTest::SetUp() {
    std::string pattern = (std::filesystem::temp_directory_path() / "kivra-test-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    m_dir = pattern;
    m_deviceDir = m_dir + "/devices";
    m_dbPath = m_dir + "/receiver/db.dat";
    m_logPath = m_dir + "/simulator.log";
    std::filesystem::create_directories(m_dir + "/receiver");
    fixtures::WriteDemoDb(m_dbPath);
    ::setenv("KIVRA_DEVICE_DIR", m_deviceDir.c_str(), 1);
    ::setenv("XDG_DATA_HOME", (m_dir + "/data").c_str(), 1); // backups of the receiver's list
}

void UsbTest::TearDown() {
    m_simulators.clear();
    ::unsetenv("KIVRA_DEVICE_DIR");
    std::filesystem::remove_all(m_dir);
}

SimulatorOptions UsbTest::Options(const std::string& deviceName) const {
    SimulatorOptions options;
    options.baseDir = m_deviceDir;
    options.deviceName = deviceName;
    options.dbPath = m_dbPath;
    options.logPath = m_logPath;
    return options;
}

CSimulatorThread& UsbTest::StartSimulator(const SimulatorOptions& options) {
    m_simulators.push_back(std::make_unique<CSimulatorThread>(options));
    EXPECT_TRUE(m_simulators.back()->Started());
    return *m_simulators.back();
}

std::string UsbTest::ClassFolder() const {
    return m_deviceDir + "/" + std::string(kReceiverInterfaceGuid);
}

std::vector<std::string> UsbTest::LogLines() const {
    std::ifstream in(m_logPath);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

std::vector<std::string> UsbTest::LogLinesStarting(const std::string& prefix) const {
    std::vector<std::string> lines;
    for (const std::string& line : LogLines()) {
        if (line.rfind(prefix, 0) == 0) {
            lines.push_back(line);
        }
    }
    return lines;
}

bool UsbTest::LogHas(const std::string& text) const {
    return LogContains(m_logPath, text);
}

void UsbTest::MakeDeadSocket(const std::string& path) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    platform::CUniqueFd socket(::socket(AF_UNIX, SOCK_STREAM, 0));
    sockaddr_un address{};
    platform::CUniqueFd folder;
    ASSERT_TRUE(platform::UnixAddressFor(path, address, folder));
    ASSERT_EQ(::bind(socket.Get(), reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
}

std::vector<uint8_t> UsbTest::ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void UsbTest::WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}
