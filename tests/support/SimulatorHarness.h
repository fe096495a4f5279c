#pragma once
// Shared set-up of the USB tests: a temporary device folder named by KIVRA_DEVICE_DIR,
// a receiver database made by the fixture builder, and the receiver simulator run in
// a thread of the test or as a child process, always stopped when the test ends.
#include "ReceiverSimulator.h"
#include "SimulatorOptions.h"
#include "usblib/UsbRecords.h"

#include <gtest/gtest.h>
#include <sys/types.h>

#include <cstdint>
#include <memory>
#include <string>
#include <thread>
#include <vector>

// The simulator serving in a thread of this process until destroyed.
class CSimulatorThread {
public:
    explicit CSimulatorThread(const SimulatorOptions& options);
    ~CSimulatorThread();
    CSimulatorThread(const CSimulatorThread&) = delete;
    CSimulatorThread& operator=(const CSimulatorThread&) = delete;

    bool Started() const { return m_started; }
    const std::string& SocketPath() const { return m_simulator.SocketPath(); }

private:
    CReceiverSimulator m_simulator;
    platform::CUniqueFd m_stopRead;
    platform::CUniqueFd m_stopWrite;
    std::thread m_thread;
    bool m_started = false;
};

// The kivra-simulator program run as a child; SIGTERM and a bounded wait on destruction.
class CSimulatorProcess {
public:
    // Starts the program with `args` and waits (bounded) for its "ready" log line.
    CSimulatorProcess(const std::vector<std::string>& args, const std::string& logPath);
    ~CSimulatorProcess();
    CSimulatorProcess(const CSimulatorProcess&) = delete;
    CSimulatorProcess& operator=(const CSimulatorProcess&) = delete;

    bool Ready() const { return m_ready; }
    pid_t Pid() const { return m_pid; }
    // Sends SIGTERM and waits for the exit; returns the exit status, or -1.
    int Stop();

private:
    pid_t m_pid = -1;
    bool m_ready = false;
};

class UsbTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Options for a simulator that registers in this test's folder and holds m_dbPath.
    SimulatorOptions Options(const std::string& deviceName = "receiver0") const;
    // Starts a simulator thread and waits until it is registered.
    CSimulatorThread& StartSimulator(const SimulatorOptions& options);
    CSimulatorThread& StartSimulator() { return StartSimulator(Options()); }

    std::string ClassFolder() const;
    std::string TempPath(const std::string& name) const { return m_dir + "/" + name; }
    std::vector<std::string> LogLines() const;
    // Log lines that start with `prefix`.
    std::vector<std::string> LogLinesStarting(const std::string& prefix) const;
    bool LogHas(const std::string& text) const;

    // A socket file nobody listens on: an interface that is listed but does not open.
    static void MakeDeadSocket(const std::string& path);
    static std::vector<uint8_t> ReadBytes(const std::string& path);
    static void WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes);

    std::string m_dir;
    std::string m_deviceDir;
    std::string m_dbPath;
    std::string m_logPath;
    std::vector<std::unique_ptr<CSimulatorThread>> m_simulators;
};

// The announcement header of a transfer of `size` bytes of the file `name`, as the
// program fills it through Kivra.
TransferHeader Header(const char* name, uint32_t size);

// Path of the kivra-simulator program, set by CMake.
const char* SimulatorProgram();
