// The kivra-simulator program itself: its command line, registration, and stopping.
#include "SimulatorHarness.h"
#include "usblib/Kivra.h"

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <thread>

extern char** environ;

class SimulatorProcess : public UsbTest {
protected:
    std::vector<std::string> Args(std::vector<std::string> extra = {}) const {
        std::vector<std::string> args{"--dir", m_deviceDir, "--db", m_dbPath};
        args.insert(args.end(), extra.begin(), extra.end());
        return args;
    }
    bool SocketExists() const { return std::filesystem::exists(ClassFolder() + "/receiver0"); }
};

TEST_F(SimulatorProcess, ServesUntilSigtermThenUnregisters) {
    CSimulatorProcess simulator(Args({"--firmware", "7", "--refuse", "6"}), m_logPath);
    ASSERT_TRUE(simulator.Ready());
    EXPECT_TRUE(SocketExists());
    EXPECT_EQ(GetFirmVer(), 1);
    uint8_t size[4];
    EXPECT_EQ(USBRead(kRequestDatabaseSize, 4, size), -2);
    EXPECT_TRUE(LogHas("firmware=7"));
    const int status = simulator.Stop();
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_FALSE(SocketExists());
    EXPECT_TRUE(LogHas("stop"));
}

TEST_F(SimulatorProcess, UnpluggedRegistersNothing) {
    CSimulatorProcess simulator(Args({"--unplugged"}), m_logPath);
    ASSERT_TRUE(simulator.Ready());
    EXPECT_TRUE(LogHas("ready unplugged"));
    EXPECT_FALSE(SocketExists());
    EXPECT_EQ(GetFirmVer(), 0);
}

TEST_F(SimulatorProcess, RefusesASecondSimulatorOnTheSameInterface) {
    CSimulatorProcess first(Args(), m_logPath);
    ASSERT_TRUE(first.Ready());
    CSimulatorProcess second(Args(), TempPath("second.log"));
    EXPECT_FALSE(second.Ready());
    EXPECT_EQ(GetFirmVer(), 1); // the first one still serves
}

TEST_F(SimulatorProcess, ReplacesAStaleSocketLeftByAKilledSimulator) {
    MakeDeadSocket(ClassFolder() + "/receiver0");
    CSimulatorProcess simulator(Args(), m_logPath);
    ASSERT_TRUE(simulator.Ready());
    EXPECT_EQ(GetFirmVer(), 1);
}

TEST_F(SimulatorProcess, ParsesItsCommandLine) {
    SimulatorOptions options;
    std::string error;
    const char* full[] = {"kivra-simulator",
                          "--dir",
                          "/d",
                          "--name",
                          "n",
                          "--db",
                          "f",
                          "--log",
                          "l",
                          "--refuse",
                          "6",
                          "--refuse",
                          "2",
                          "--fail-pipe-after",
                          "10",
                          "--zero-reads",
                          "--short-writes",
                          "--chunk-delay-ms",
                          "5",
                          "--unplug-after",
                          "3",
                          "--busy-while-pipe-open"};
    ASSERT_TRUE(ParseSimulatorArgs(std::size(full), full, options, error)) << error;
    EXPECT_EQ(options.baseDir, "/d");
    EXPECT_EQ(options.refusedCodes, (std::set<uint32_t>{2, 6}));
    EXPECT_EQ(options.failPipeAfter, 10u);
    EXPECT_TRUE(options.zeroReads && options.shortWrites && options.busyWhilePipeOpen);
    EXPECT_EQ(options.chunkDelayMs, 5u);
    EXPECT_EQ(options.unplugAfter, 3u);

    const char* noDb[] = {"kivra-simulator"};
    EXPECT_FALSE(ParseSimulatorArgs(1, noDb, options, error));
    const char* badNumber[] = {"kivra-simulator", "--db", "f", "--refuse", "six"};
    EXPECT_FALSE(ParseSimulatorArgs(5, badNumber, options, error));
    const char* missing[] = {"kivra-simulator", "--db"};
    EXPECT_FALSE(ParseSimulatorArgs(2, missing, options, error));
    const char* unknown[] = {"kivra-simulator", "--db", "f", "--bogus"};
    EXPECT_FALSE(ParseSimulatorArgs(4, unknown, options, error));
    const char* slashName[] = {"kivra-simulator", "--db", "f", "--name", "a/b"};
    EXPECT_FALSE(ParseSimulatorArgs(5, slashName, options, error));
    // --help needs no --db, and what follows it is not read.
    const char* help[] = {"kivra-simulator", "--help", "--bogus"};
    EXPECT_TRUE(ParseSimulatorArgs(3, help, options, error) && options.help);
    help[1] = "-h";
    EXPECT_TRUE(ParseSimulatorArgs(3, help, options, error) && options.help);
}

TEST_F(SimulatorProcess, StopsWhenItsParentDies) {
    // An intermediate process starts the simulator and exits at once.
    pid_t middle = ::fork();
    ASSERT_GE(middle, 0);
    if (middle == 0) {
        std::vector<std::string> all{SimulatorProgram(), "--log", m_logPath};
        for (const std::string& arg : Args()) {
            all.push_back(arg);
        }
        std::vector<char*> argv;
        for (std::string& arg : all) {
            argv.push_back(arg.data());
        }
        argv.push_back(nullptr);
        pid_t child = 0;
        ::posix_spawn(&child, argv[0], nullptr, nullptr, argv.data(), environ);
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (!std::filesystem::exists(ClassFolder() + "/receiver0") && std::chrono::steady_clock::now() < deadline) {
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        ::_exit(0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(middle, &status, 0), middle);
    ASSERT_TRUE(LogHas("ready socket="));
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (SocketExists() && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    EXPECT_FALSE(SocketExists());
}
