#pragma once
// A receiver and its driver in one: registers a device interface socket, holds the
// receiver's database file and answers the Kivra wire protocol (docs/usb-protocol.md)
// on every connection, one request at a time. Misbehaves as its options say.
#include "AtomicFileWriter.h"
#include "SimulatorOptions.h"
#include "usblib/platform/UniqueFd.h"
#include "usblib/platform/WireProtocol.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

class CReceiverSimulator {
public:
    explicit CReceiverSimulator(SimulatorOptions options);
    ~CReceiverSimulator();
    CReceiverSimulator(const CReceiverSimulator&) = delete;
    CReceiverSimulator& operator=(const CReceiverSimulator&) = delete;

    // Opens the log and registers the device interface (unless unplugged); false with
    // the reason in `error`.
    bool Start(std::string& error);
    // Serves requests until `stopFd` becomes readable or hangs up; then unregisters.
    void Run(int stopFd);

    const std::string& SocketPath() const { return m_socketPath; }

private:
    enum class Target { Unopened, Device, PipeFromReceiver, PipeToReceiver };
    struct Connection {
        platform::CUniqueFd fd;
        Target target = Target::Unopened;
    };
    struct Answer {
        uint32_t status = wire::kRefused;
        uint32_t count = 0;
        std::vector<uint8_t> data;
    };
    // The database being received: bytes announced, arrived, and allowed by chunk requests.
    struct Download {
        bool active = false;
        uint32_t announced = 0;
        uint32_t received = 0;
        uint32_t credit = 0;
        CAtomicFileWriter file;
    };
    // The database being sent: a descriptor of the file as it was announced, the bytes
    // queued for the pipe by chunk requests.
    struct Upload {
        bool active = false;
        uint32_t announced = 0;
        uint64_t served = 0;
        platform::CUniqueFd file;
        // Bytes not yet taken by pipe reads are queued[taken..]; kept in one block so a
        // chunk moves with a single copy each way.
        std::vector<uint8_t> queued;
        std::size_t taken = 0;
        std::size_t Pending() const { return queued.size() - taken; }
        void ClearQueue() {
            queued.clear();
            taken = 0;
        }
    };

    bool Register(std::string& error);
    void Unregister();
    void Accept();
    bool Serve(Connection& connection);
    bool HandleOpen(Connection& connection, std::span<const uint8_t> payload);
    Answer HandleControl(const Connection& connection, std::span<const uint8_t> payload);
    Answer HandleRead(uint32_t code, uint32_t length);
    Answer HandleWrite(uint32_t code, std::span<const uint8_t> data);
    Answer HandleAnnouncement(uint32_t code, std::span<const uint8_t> data);
    Answer HandleChunkRequest(uint32_t code, std::span<const uint8_t> data);
    Answer HandlePipeRead(std::span<const uint8_t> payload);
    Answer HandlePipeWrite(std::span<const uint8_t> payload);
    void Recover(Target pipe);
    // What the receiver does to a database it has just installed, as the options say.
    void AfterInstall();
    bool LinkDropsAt(uint64_t bytes);
    bool PipeFailsAt(uint64_t bytes) const;
    bool AnyPipeOpen() const;
    void ResetTransfers();
    void Log(const char* format, ...) __attribute__((format(printf, 2, 3)));

    SimulatorOptions m_options;
    std::string m_socketPath;
    platform::CUniqueFd m_listener;
    platform::CUniqueFd m_log;
    std::vector<Connection> m_connections;
    Download m_download;
    Upload m_upload;
    uint64_t m_pipeBytes = 0; // bytes moved on the pipes since the last announcement
    bool m_unplugPending = false;
    bool m_linkDropped = false; // the link drops once; a later transfer goes through
    bool m_dropPending = false;
};
