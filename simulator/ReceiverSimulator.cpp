#include "ReceiverSimulator.h"

#include "usblib/UsbRecords.h"
#include "usblib/platform/DeviceIo.h"
#include "usblib/platform/DeviceSetup.h"

#include <sqlite3.h>

#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <thread>

namespace {

// A client that stalls inside a frame is dropped after this, so one cannot hang the receiver.
constexpr int kClientTimeoutSeconds = 5;

const char* TargetName(std::string_view name) {
    return name.empty() ? "device" : name == kPipeFromReceiver ? kPipeFromReceiver : kPipeToReceiver;
}

const char* ResultName(uint32_t status) {
    return status == wire::kOk ? "ok" : status == wire::kRefused ? "refused" : "malformed";
}

std::string HeaderName(const TransferHeader& header) {
    return std::string(header.name, strnlen(header.name, sizeof header.name));
}

std::string QuoteName(const std::string& name) {
    std::string quoted = "\"";
    for (const char c : name) {
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    }
    return quoted + "\"";
}

// Same rows, other bytes: the database rebuilt with another page size.
bool RewriteDatabase(sqlite3* db) {
    sqlite3_stmt* statement = nullptr;
    int pageSize = 0;
    if (sqlite3_prepare_v2(db, "PRAGMA page_size", -1, &statement, nullptr) == SQLITE_OK &&
        sqlite3_step(statement) == SQLITE_ROW) {
        pageSize = sqlite3_column_int(statement, 0);
    }
    sqlite3_finalize(statement);
    const std::string sql = "PRAGMA page_size = " + std::to_string(pageSize == 1024 ? 4096 : 1024) + "; VACUUM";
    return sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr) == SQLITE_OK;
}

// Alters the last column of the table's first row; the rowid of that row, or -1.
int64_t ChangeFirstRow(sqlite3* db, const std::string& table) {
    sqlite3_stmt* statement = nullptr;
    std::string column;
    const std::string info = "PRAGMA table_info(" + QuoteName(table) + ")";
    if (sqlite3_prepare_v2(db, info.c_str(), -1, &statement, nullptr) == SQLITE_OK) {
        while (sqlite3_step(statement) == SQLITE_ROW) {
            column = reinterpret_cast<const char*>(sqlite3_column_text(statement, 1));
        }
    }
    sqlite3_finalize(statement);
    int64_t rowid = -1;
    const std::string first = "SELECT min(rowid) FROM " + QuoteName(table);
    if (!column.empty() && sqlite3_prepare_v2(db, first.c_str(), -1, &statement, nullptr) == SQLITE_OK &&
        sqlite3_step(statement) == SQLITE_ROW && sqlite3_column_type(statement, 0) != SQLITE_NULL) {
        rowid = sqlite3_column_int64(statement, 0);
    }
    sqlite3_finalize(statement);
    const std::string c = QuoteName(column);
    const std::string update = "UPDATE " + QuoteName(table) + " SET " + c + " = CASE WHEN typeof(" + c +
                               ") IN ('integer', 'real') THEN " + c + " + 1 ELSE coalesce(" + c +
                               ", '') || '~' END WHERE rowid = " + std::to_string(rowid);
    return rowid >= 0 && sqlite3_exec(db, update.c_str(), nullptr, nullptr, nullptr) == SQLITE_OK ? rowid : -1;
}

} // namespace

CReceiverSimulator::CReceiverSimulator(SimulatorOptions options) : m_options(std::move(options)) {}

CReceiverSimulator::~CReceiverSimulator() {
    Unregister();
}

bool CReceiverSimulator::Start(std::string& error) {
    if (!m_options.logPath.empty()) {
        m_log.Reset(::open(m_options.logPath.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644));
        if (!m_log) {
            error = "cannot open log " + m_options.logPath + ": " + std::strerror(errno);
            return false;
        }
    }
    if (m_options.unplugged) {
        Log("ready unplugged");
        return true;
    }
    if (!Register(error)) {
        return false;
    }
    Log("ready socket=%s", m_socketPath.c_str());
    return true;
}

bool CReceiverSimulator::Register(std::string& error) {
    // Private folders and socket: whoever could reach the socket could pose as the
    // program to the receiver, and whoever could write the folder could pose as the receiver.
    const std::string folder = m_options.baseDir + "/" + std::string(kReceiverInterfaceGuid);
    if (!platform::MakeDeviceClassFolder(m_options.baseDir, kReceiverInterfaceGuid, error)) {
        return false;
    }
    m_socketPath = folder + "/" + m_options.deviceName;
    if (platform::CreateDeviceFile(m_socketPath)) {
        error = "a receiver is already registered at " + m_socketPath;
        return false;
    }
    // Bound and listening under a temporary name, then renamed into place: a client never
    // finds the final name before it accepts connections.
    const std::string tempPath = folder + "/." + m_options.deviceName + "." + std::to_string(::getpid());
    sockaddr_un address{};
    platform::CUniqueFd folderHolder;
    m_listener.Reset(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0));
    ::unlink(tempPath.c_str());
    if (!m_listener || !platform::UnixAddressFor(tempPath, address, folderHolder) ||
        ::bind(m_listener.Get(), reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
        ::chmod(tempPath.c_str(), 0600) != 0 || ::listen(m_listener.Get(), 16) != 0 ||
        ::rename(tempPath.c_str(), m_socketPath.c_str()) != 0) {
        error = "cannot register " + m_socketPath + ": " + std::strerror(errno);
        ::unlink(tempPath.c_str());
        m_listener.Reset();
        m_socketPath.clear();
        return false;
    }
    return true;
}

void CReceiverSimulator::Unregister() {
    m_connections.clear();
    if (m_listener) {
        m_listener.Reset();
        ::unlink(m_socketPath.c_str());
    }
    ResetTransfers();
}

void CReceiverSimulator::Run(int stopFd) {
    std::vector<pollfd> polls;
    for (;;) {
        polls.clear();
        polls.push_back({stopFd, POLLIN, 0});
        polls.push_back({m_listener ? m_listener.Get() : -1, POLLIN, 0});
        for (const Connection& connection : m_connections) {
            polls.push_back({connection.fd.Get(), POLLIN, 0});
        }
        if (::poll(polls.data(), polls.size(), -1) < 0) {
            if (errno == EINTR) {
                continue;
            }
            break;
        }
        if (polls[0].revents != 0) {
            break;
        }
        // Serve the connections polled; ones accepted now wait for the next round.
        const std::size_t polled = polls.size() - 2;
        for (std::size_t i = 0; i < polled; ++i) {
            if (polls[i + 2].revents != 0 && !Serve(m_connections[i])) {
                m_connections[i].fd.Reset();
            }
        }
        std::erase_if(m_connections, [](const Connection& c) { return !c.fd; });
        if (m_dropPending) {
            // Every connection goes at once, as when the cable is pulled and put back.
            m_dropPending = false;
            Log("drop link received=%u", m_download.received);
            m_connections.clear();
            ResetTransfers();
        }
        if (m_unplugPending) {
            m_unplugPending = false;
            Log("unplug");
            Unregister();
        } else if (polls[1].revents != 0) {
            Accept();
        }
    }
    Log("stop");
    Unregister();
}

void CReceiverSimulator::Accept() {
    platform::CUniqueFd client(::accept4(m_listener.Get(), nullptr, nullptr, SOCK_CLOEXEC));
    if (!client) {
        return;
    }
    const timeval timeout{kClientTimeoutSeconds, 0};
    ::setsockopt(client.Get(), SOL_SOCKET, SO_RCVTIMEO, &timeout, sizeof timeout);
    ::setsockopt(client.Get(), SOL_SOCKET, SO_SNDTIMEO, &timeout, sizeof timeout);
    m_connections.push_back({std::move(client), Target::Unopened});
}

bool CReceiverSimulator::Serve(Connection& connection) {
    wire::Frame frame;
    if (!wire::ReceiveFrame(connection.fd.Get(), frame)) {
        return false;
    }
    if (frame.type == wire::kOpen) {
        return HandleOpen(connection, frame.payload);
    }
    Answer answer;
    answer.status = wire::kMalformed;
    if (connection.target != Target::Unopened) {
        if (frame.type == wire::kControl) {
            answer = HandleControl(connection, frame.payload);
        } else if (frame.type == wire::kPipeRead && connection.target == Target::PipeFromReceiver) {
            answer = HandlePipeRead(frame.payload);
        } else if (frame.type == wire::kPipeWrite && connection.target == Target::PipeToReceiver) {
            answer = HandlePipeWrite(frame.payload);
        } else {
            Log("frame type=%u result=refused", frame.type);
            answer.status = wire::kRefused;
        }
    }
    if (m_dropPending) {
        return false; // the link is gone before the reply
    }
    return wire::SendReply(connection.fd.Get(), frame.type, answer.status, answer.count, answer.data) &&
           answer.status != wire::kMalformed;
}

bool CReceiverSimulator::HandleOpen(Connection& connection, std::span<const uint8_t> payload) {
    if (connection.target != Target::Unopened || payload.size() < 4 || wire::GetLe32(payload, 0) != wire::kVersion) {
        Log("open result=malformed");
        wire::SendReply(connection.fd.Get(), wire::kOpen, wire::kMalformed, 0);
        return false;
    }
    const std::string_view name(reinterpret_cast<const char*>(payload.data()) + 4, payload.size() - 4);
    Target target = Target::Unopened;
    if (name.empty()) {
        target = m_options.busyWhilePipeOpen && AnyPipeOpen() ? Target::Unopened : Target::Device;
    } else if (name == kPipeFromReceiver) {
        target = Target::PipeFromReceiver;
    } else if (name == kPipeToReceiver) {
        target = Target::PipeToReceiver;
    }
    const uint32_t status = target == Target::Unopened ? wire::kRefused : wire::kOk;
    Log("open target=%s result=%s", status == wire::kOk || name.empty() ? TargetName(name) : "unknown",
        ResultName(status));
    connection.target = target;
    return wire::SendReply(connection.fd.Get(), wire::kOpen, status, 0) && status == wire::kOk;
}

CReceiverSimulator::Answer CReceiverSimulator::HandleControl(const Connection& connection,
                                                             std::span<const uint8_t> payload) {
    Answer answer;
    if (payload.size() < 8) {
        answer.status = wire::kMalformed;
        return answer;
    }
    const uint32_t control = wire::GetLe32(payload, 0);
    const uint32_t outputLength = wire::GetLe32(payload, 4);
    const std::span<const uint8_t> input = payload.subspan(8);
    if (connection.target != Target::Device) {
        if (control == kPipeRecoveryControl) {
            Recover(connection.target);
            answer.status = wire::kOk;
        } else {
            Log("control control=0x%X result=refused", control);
        }
        return answer;
    }
    if ((control != kReadControl && control != kWriteControl) || input.size() < sizeof(UsbRequestBlock)) {
        Log("control control=0x%X result=refused", control);
        return answer;
    }
    UsbRequestBlock block;
    std::memcpy(&block, input.data(), sizeof block);
    const uint32_t code = byteorder::Le32ToHost(block.requestCode);
    const uint32_t length = byteorder::Le32ToHost(block.length);
    const std::span<const uint8_t> data = input.subspan(sizeof block);
    const bool isRead = control == kReadControl;
    if (m_options.refusedCodes.count(code) != 0) {
        Log("control code=%u dir=%s length=%u result=refused reason=told", code, isRead ? "read" : "write", length);
        return answer;
    }
    if (isRead) {
        answer = outputLength >= length && data.empty() ? HandleRead(code, length) : Answer{wire::kMalformed, 0, {}};
    } else {
        answer = data.size() == length && outputLength == 0 ? HandleWrite(code, data) : Answer{wire::kMalformed, 0, {}};
    }
    if (m_options.unplugAfter && *m_options.unplugAfter == code && answer.status == wire::kOk) {
        m_unplugPending = true;
    }
    return answer;
}

CReceiverSimulator::Answer CReceiverSimulator::HandleRead(uint32_t code, uint32_t length) {
    Answer answer;
    if (code == kRequestFirmware && length >= 1) {
        answer = {wire::kOk, 1, {m_options.firmware}};
        Log("control code=%u dir=read length=%u result=ok count=1 firmware=%u", code, length, m_options.firmware);
        return answer;
    }
    if (code == kRequestDatabaseSize && length == 4) {
        struct stat info {};
        if (::stat(m_options.dbPath.c_str(), &info) == 0 && S_ISREG(info.st_mode) && info.st_size <= UINT32_MAX) {
            const uint32_t size = static_cast<uint32_t>(info.st_size);
            answer = {wire::kOk, 4, {uint8_t(size >> 24), uint8_t(size >> 16), uint8_t(size >> 8), uint8_t(size)}};
            Log("control code=%u dir=read length=%u result=ok count=4 size=%u", code, length, size);
            return answer;
        }
    }
    Log("control code=%u dir=read length=%u result=refused", code, length);
    return answer;
}

CReceiverSimulator::Answer CReceiverSimulator::HandleWrite(uint32_t code, std::span<const uint8_t> data) {
    if (code == kRequestAnnounceDownload || code == kRequestAnnounceUpload) {
        return HandleAnnouncement(code, data);
    }
    if (code == kRequestChunkToReceiver || code == kRequestChunkFromReceiver) {
        return HandleChunkRequest(code, data);
    }
    Log("control code=%u dir=write length=%zu result=refused", code, data.size());
    return {};
}

CReceiverSimulator::Answer CReceiverSimulator::HandleAnnouncement(uint32_t code, std::span<const uint8_t> data) {
    TransferHeader header{};
    if (data.size() != sizeof header) {
        Log("control code=%u dir=write length=%zu result=refused reason=length", code, data.size());
        return {};
    }
    std::memcpy(&header, data.data(), sizeof header);
    const uint32_t size = byteorder::Be32ToHost(header.size);
    const std::string name = HeaderName(header);
    const auto refuse = [&](const char* reason) {
        Log("control code=%u dir=write length=263 result=refused reason=%s name=%s size=%u", code, reason, name.c_str(),
            size);
        return Answer{};
    };
    if (header.kind != kTransferKind || header.flag != kTransferFlag) {
        return refuse("header");
    }
    // A new announcement ends whatever transfer was under way; a partial download is dropped.
    ResetTransfers();
    if (code == kRequestAnnounceDownload) {
        if (size > 0 && !m_download.file.Open(m_options.dbPath)) {
            return refuse("storage");
        }
        m_download.active = true;
        m_download.announced = size;
    } else {
        m_upload.file.Reset(::open(m_options.dbPath.c_str(), O_RDONLY | O_CLOEXEC));
        if (!m_upload.file) {
            return refuse("no-database");
        }
        m_upload.active = true;
        m_upload.announced = size;
    }
    Log("control code=%u dir=write length=263 result=ok count=263 name=%s size=%u kind=%u flag=%u", code, name.c_str(),
        size, header.kind, header.flag);
    if (code == kRequestAnnounceDownload && size == 0) {
        // An empty file is no database; the receiver keeps the one it has.
        Log("install skipped size=0");
        m_download.active = false;
    }
    return {wire::kOk, sizeof header, {}};
}

CReceiverSimulator::Answer CReceiverSimulator::HandleChunkRequest(uint32_t code, std::span<const uint8_t> data) {
    ChunkRequest chunk{};
    if (data.size() != sizeof chunk) {
        Log("control code=%u dir=write length=%zu result=refused reason=length", code, data.size());
        return {};
    }
    std::memcpy(&chunk, data.data(), sizeof chunk);
    const uint32_t length = byteorder::Le16ToHost(chunk.chunkLength);
    const auto refuse = [&](const char* reason) {
        Log("control code=%u dir=write length=6 result=refused reason=%s chunk=%u", code, reason, length);
        return Answer{};
    };
    if (length == 0 || length > kMaxChunkLength) {
        return refuse("chunk-length");
    }
    if (code == kRequestChunkToReceiver) {
        if (!m_download.active) {
            return refuse("no-download");
        }
        if (uint64_t(m_download.received) + m_download.credit + length > m_download.announced) {
            return refuse("beyond-announced");
        }
        m_download.credit += length;
    } else {
        if (!m_upload.active) {
            return refuse("no-upload");
        }
        if (m_upload.Pending() == 0) {
            m_upload.ClearQueue();
        }
        const std::size_t end = m_upload.queued.size();
        m_upload.queued.resize(end + length);
        const ssize_t n =
            ::pread(m_upload.file.Get(), m_upload.queued.data() + end, length, static_cast<off_t>(m_upload.served));
        m_upload.queued.resize(end + static_cast<std::size_t>(std::max<ssize_t>(n, 0)));
        if (n < 0) {
            return refuse("read");
        }
        m_upload.served += static_cast<uint64_t>(n);
    }
    if (m_options.chunkDelayMs > 0) {
        std::this_thread::sleep_for(std::chrono::milliseconds(m_options.chunkDelayMs));
    }
    Log("control code=%u dir=write length=6 result=ok count=6 chunk=%u", code, length);
    return {wire::kOk, sizeof chunk, {}};
}

CReceiverSimulator::Answer CReceiverSimulator::HandlePipeRead(std::span<const uint8_t> payload) {
    if (payload.size() != 4) {
        return {wire::kMalformed, 0, {}};
    }
    const uint32_t wanted = wire::GetLe32(payload, 0);
    if (m_options.zeroReads) {
        Log("pipe name=PIPE02 op=read length=%u result=ok count=0 reason=told", wanted);
        return {wire::kOk, 0, {}};
    }
    const uint32_t count = static_cast<uint32_t>(std::min<std::size_t>(wanted, m_upload.Pending()));
    if (count == 0 || PipeFailsAt(count)) {
        Log("pipe name=PIPE02 op=read length=%u result=refused reason=%s", wanted, count == 0 ? "no-data" : "told");
        return {};
    }
    Answer answer{wire::kOk, count, {}};
    const auto front = m_upload.queued.begin() + static_cast<std::ptrdiff_t>(m_upload.taken);
    answer.data.assign(front, front + count);
    m_upload.taken += count;
    m_pipeBytes += count;
    Log("pipe name=PIPE02 op=read length=%u result=ok count=%u", wanted, count);
    return answer;
}

CReceiverSimulator::Answer CReceiverSimulator::HandlePipeWrite(std::span<const uint8_t> payload) {
    // A bulk write may take fewer bytes than offered; the sender must see the count.
    if (m_options.shortWrites && payload.size() > 1) {
        payload = payload.first(payload.size() / 2);
    }
    const auto count = static_cast<uint32_t>(payload.size());
    const auto refuse = [&](const char* reason) {
        Log("pipe name=PIPE03 op=write length=%u result=refused reason=%s", count, reason);
        return Answer{};
    };
    if (LinkDropsAt(count)) {
        return {};
    }
    if (PipeFailsAt(count)) {
        return refuse("told");
    }
    if (!m_download.active || count == 0 || count > m_download.credit) {
        return refuse("not-requested");
    }
    if (!m_download.file.Write(payload)) {
        return refuse("storage");
    }
    m_pipeBytes += count;
    m_download.credit -= count;
    m_download.received += count;
    Log("pipe name=PIPE03 op=write length=%u result=ok count=%u", count, count);
    if (m_download.received == m_download.announced) {
        m_download.active = false;
        const bool installed = m_download.file.Commit();
        Log("install size=%u result=%s", m_download.received, installed ? "ok" : "failed");
        if (installed) {
            AfterInstall();
        }
    }
    return {wire::kOk, count, {}};
}

void CReceiverSimulator::AfterInstall() {
    if (m_options.garbleOnInstall) {
        const platform::CUniqueFd file(::open(m_options.dbPath.c_str(), O_WRONLY | O_CLOEXEC));
        Log("garble result=%s", file && ::pwrite(file.Get(), "no database here", 16, 0) == 16 ? "ok" : "failed");
    }
    if (!m_options.rewriteOnInstall && m_options.changeRowOnInstall.empty()) {
        return;
    }
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(m_options.dbPath.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) {
        sqlite3_close(db);
        Log("after-install result=failed");
        return;
    }
    if (m_options.rewriteOnInstall) {
        Log("rewrite result=%s", RewriteDatabase(db) ? "ok" : "failed");
    }
    if (!m_options.changeRowOnInstall.empty()) {
        Log("change table=%s rowid=%lld", m_options.changeRowOnInstall.c_str(),
            static_cast<long long>(ChangeFirstRow(db, m_options.changeRowOnInstall)));
    }
    sqlite3_close(db);
}

bool CReceiverSimulator::LinkDropsAt(uint64_t bytes) {
    if (!m_options.dropLinkAfter || m_linkDropped || m_download.received + bytes <= *m_options.dropLinkAfter) {
        return false;
    }
    m_linkDropped = true;
    m_dropPending = true;
    return true;
}

void CReceiverSimulator::Recover(Target pipe) {
    // The pipe starts afresh: whatever a chunk request had lined up is dropped.
    if (pipe == Target::PipeFromReceiver) {
        m_upload.ClearQueue();
    } else {
        m_download.credit = 0;
    }
    Log("recover pipe=%s", pipe == Target::PipeFromReceiver ? kPipeFromReceiver : kPipeToReceiver);
}

bool CReceiverSimulator::PipeFailsAt(uint64_t bytes) const {
    return m_options.failPipeAfter && m_pipeBytes + bytes > *m_options.failPipeAfter;
}

bool CReceiverSimulator::AnyPipeOpen() const {
    return std::any_of(m_connections.begin(), m_connections.end(), [](const Connection& c) {
        return c.fd && (c.target == Target::PipeFromReceiver || c.target == Target::PipeToReceiver);
    });
}

void CReceiverSimulator::ResetTransfers() {
    if (m_download.active) {
        Log("discard received=%u announced=%u", m_download.received, m_download.announced);
    }
    m_download.file.Discard();
    m_download.active = false;
    m_download.announced = m_download.received = m_download.credit = 0;
    m_upload.active = false;
    m_upload.file.Reset();
    m_upload.ClearQueue();
    m_upload.served = 0;
    m_pipeBytes = 0;
}

void CReceiverSimulator::Log(const char* format, ...) {
    char line[1024];
    va_list args;
    va_start(args, format);
    const int n = std::vsnprintf(line, sizeof line - 1, format, args);
    va_end(args);
    const std::size_t length = std::min<std::size_t>(n < 0 ? 0 : static_cast<std::size_t>(n), sizeof line - 2);
    line[length] = '\n';
    // One write per line, so a reader never sees half a request.
    const ssize_t written = ::write(m_log ? m_log.Get() : STDERR_FILENO, line, length + 1);
    (void)written;
}
