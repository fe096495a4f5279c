#include "DeviceIo.h"

#include "WireProtocol.h"

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/time.h>

#include <cerrno>
#include <cstring>
#include <vector>

namespace platform {
namespace {

bool ConnectWithTimeout(const std::string& socketPath, CUniqueFd& socket) {
    sockaddr_un address{};
    CUniqueFd folder;
    if (!UnixAddressFor(socketPath, address, folder)) {
        return false;
    }
    socket.Reset(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0));
    if (!socket) {
        return false;
    }
    const timeval timeout{kDeviceTimeoutSeconds, 0};
    ::setsockopt(socket.Get(), SOL_SOCKET, SO_RCVTIMEO, &timeout, sizeof timeout);
    ::setsockopt(socket.Get(), SOL_SOCKET, SO_SNDTIMEO, &timeout, sizeof timeout);
    int rc;
    do {
        rc = ::connect(socket.Get(), reinterpret_cast<const sockaddr*>(&address), sizeof address);
    } while (rc != 0 && errno == EINTR);
    return rc == 0;
}

// One request frame and its reply.
bool Transact(const CDeviceHandle& handle, uint32_t type, std::span<const uint8_t> head, std::span<const uint8_t> body,
              wire::Frame& frame, wire::Reply& reply) {
    return handle && wire::SendFrame(handle.Get(), type, head, body) && wire::ReceiveFrame(handle.Get(), frame) &&
           wire::ParseReply(frame, type, reply);
}

} // namespace

bool UnixAddressFor(const std::string& path, sockaddr_un& address, CUniqueFd& folderHolder) {
    address = {};
    address.sun_family = AF_UNIX;
    std::string target = path;
    if (target.size() >= sizeof address.sun_path) {
        const std::size_t slash = path.rfind('/');
        if (slash == std::string::npos) {
            return false;
        }
        const std::string folder = slash == 0 ? "/" : path.substr(0, slash);
        folderHolder.Reset(::open(folder.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC));
        if (!folderHolder) {
            return false;
        }
        target = "/proc/self/fd/" + std::to_string(folderHolder.Get()) + path.substr(slash);
        if (target.size() >= sizeof address.sun_path) {
            return false;
        }
    }
    std::memcpy(address.sun_path, target.c_str(), target.size() + 1);
    return true;
}

CDeviceHandle CreateDeviceFile(const std::string& path) {
    // The pipe name follows the last path component's backslash, as the program builds it.
    const std::size_t slash = path.rfind('/');
    const std::size_t backslash = path.find('\\', slash == std::string::npos ? 0 : slash);
    const std::string socketPath = path.substr(0, backslash);
    const std::string target = backslash == std::string::npos ? std::string() : path.substr(backslash + 1);

    CUniqueFd socket;
    if (!ConnectWithTimeout(socketPath, socket)) {
        return {};
    }
    std::vector<uint8_t> head;
    wire::PutLe32(head, wire::kVersion);
    const std::span<const uint8_t> name(reinterpret_cast<const uint8_t*>(target.data()), target.size());
    wire::Frame frame;
    wire::Reply reply;
    if (!Transact(socket, wire::kOpen, head, name, frame, reply) || reply.status != wire::kOk) {
        return {};
    }
    return socket;
}

bool DeviceIoControl(const CDeviceHandle& handle, uint32_t controlCode, std::span<const uint8_t> input,
                     std::span<uint8_t> output, uint32_t& returned) {
    returned = 0;
    if (output.size() > wire::kMaxPipeData) {
        return false;
    }
    std::vector<uint8_t> head;
    wire::PutLe32(head, controlCode);
    wire::PutLe32(head, static_cast<uint32_t>(output.size()));
    wire::Frame frame;
    wire::Reply reply;
    if (!Transact(handle, wire::kControl, head, input, frame, reply) || reply.status != wire::kOk ||
        reply.data.size() > output.size()) {
        return false;
    }
    if (!reply.data.empty()) {
        std::memcpy(output.data(), reply.data.data(), reply.data.size());
    }
    returned = reply.count;
    return true;
}

bool ReadPipe(const CDeviceHandle& pipe, std::span<uint8_t> buffer, uint32_t& read) {
    read = 0;
    if (buffer.size() > wire::kMaxPipeData) {
        return false;
    }
    std::vector<uint8_t> head;
    wire::PutLe32(head, static_cast<uint32_t>(buffer.size()));
    wire::Frame frame;
    wire::Reply reply;
    if (!Transact(pipe, wire::kPipeRead, head, {}, frame, reply) || reply.status != wire::kOk ||
        reply.data.size() > buffer.size() || reply.count != reply.data.size()) {
        return false;
    }
    if (!reply.data.empty()) {
        std::memcpy(buffer.data(), reply.data.data(), reply.data.size());
    }
    read = reply.count;
    return true;
}

bool WritePipe(const CDeviceHandle& pipe, std::span<const uint8_t> data, uint32_t& written) {
    written = 0;
    if (data.size() > wire::kMaxPipeData) {
        return false;
    }
    wire::Frame frame;
    wire::Reply reply;
    if (!Transact(pipe, wire::kPipeWrite, data, {}, frame, reply) || reply.status != wire::kOk ||
        reply.count > data.size()) {
        return false;
    }
    written = reply.count;
    return true;
}

} // namespace platform
