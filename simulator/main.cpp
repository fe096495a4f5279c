// kivra-simulator: stands in for the receiver and its USB driver, so the editor's USB
// Upload and Download work without hardware. See docs/usb-protocol.md.
#include "ReceiverSimulator.h"
#include "SimulatorOptions.h"

#include <signal.h>
#include <sys/prctl.h>
#include <sys/signalfd.h>
#include <unistd.h>

#include <cstdio>

int main(int argc, char** argv) {
    SimulatorOptions options;
    std::string error;
    if (!ParseSimulatorArgs(argc, argv, options, error)) {
        std::fprintf(stderr, "kivra-simulator: %s\n%s", error.c_str(), kSimulatorUsage);
        return 2;
    }
    if (options.help) {
        std::printf("%s%s", kSimulatorUsage, kSimulatorHelp);
        return 0;
    }
    // The stop signals arrive through a descriptor the request loop polls, so a stop
    // never cuts a request in half; the parent's death stops the simulator as well.
    const pid_t parent = ::getppid();
    ::prctl(PR_SET_PDEATHSIG, SIGTERM);
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGTERM);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGHUP);
    ::sigprocmask(SIG_BLOCK, &stopSignals, nullptr);
    platform::CUniqueFd stopFd(::signalfd(-1, &stopSignals, SFD_CLOEXEC));
    if (!stopFd) {
        std::perror("kivra-simulator: signalfd");
        return 1;
    }
    if (::getppid() != parent) {
        return 0; // the parent died before the death signal was armed
    }
    ::signal(SIGPIPE, SIG_IGN);

    CReceiverSimulator simulator(options);
    if (!simulator.Start(error)) {
        std::fprintf(stderr, "kivra-simulator: %s\n", error.c_str());
        return 1;
    }
    simulator.Run(stopFd.Get());
    return 0;
}
