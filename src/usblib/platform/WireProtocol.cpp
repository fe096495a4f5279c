#include "WireProtocol.h"

#include <sys/socket.h>
#include <sys/uio.h>

#include <cerrno>
#include <cstring>

namespace wire {
namespace {

bool ReadAll(int fd, uint8_t* data, std::size_t size) {
    while (size > 0) {
        const ssize_t n = ::recv(fd, data, size, 0);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

bool WriteAll(int fd, iovec* parts, int count) {
    while (count > 0) {
        msghdr message{};
        message.msg_iov = parts;
        message.msg_iovlen = static_cast<std::size_t>(count);
        // MSG_NOSIGNAL: a vanished peer is a failed request, not a SIGPIPE for the whole program.
        ssize_t n = ::sendmsg(fd, &message, MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            return false;
        }
        while (count > 0 && static_cast<std::size_t>(n) >= parts->iov_len) {
            n -= static_cast<ssize_t>(parts->iov_len);
            ++parts;
            --count;
        }
        if (count > 0) {
            parts->iov_base = static_cast<uint8_t*>(parts->iov_base) + n;
            parts->iov_len -= static_cast<std::size_t>(n);
        }
    }
    return true;
}

} // namespace

void PutLe32(std::vector<uint8_t>& out, uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        out.push_back(static_cast<uint8_t>(value >> (8 * i)));
    }
}

uint32_t GetLe32(std::span<const uint8_t> in, std::size_t offset) {
    uint32_t value = 0;
    for (int i = 3; i >= 0; --i) {
        value = (value << 8) | in[offset + static_cast<std::size_t>(i)];
    }
    return value;
}

bool SendFrame(int fd, uint32_t type, std::span<const uint8_t> first, std::span<const uint8_t> second) {
    const std::size_t length = first.size() + second.size();
    if (length > kMaxPayload) {
        return false;
    }
    std::vector<uint8_t> header;
    header.reserve(kHeaderSize);
    PutLe32(header, type);
    PutLe32(header, static_cast<uint32_t>(length));
    iovec parts[3] = {{header.data(), header.size()},
                      {const_cast<uint8_t*>(first.data()), first.size()},
                      {const_cast<uint8_t*>(second.data()), second.size()}};
    return WriteAll(fd, parts, 3);
}

bool ReceiveFrame(int fd, Frame& frame) {
    uint8_t header[kHeaderSize];
    if (!ReadAll(fd, header, sizeof header)) {
        return false;
    }
    frame.type = GetLe32(header, 0);
    const uint32_t length = GetLe32(header, 4);
    if (length > kMaxPayload) {
        return false;
    }
    frame.payload.resize(length);
    return ReadAll(fd, frame.payload.data(), length);
}

bool SendReply(int fd, uint32_t requestType, uint32_t status, uint32_t count, std::span<const uint8_t> data) {
    std::vector<uint8_t> head;
    head.reserve(8);
    PutLe32(head, status);
    PutLe32(head, count);
    return SendFrame(fd, requestType | kReply, head, data);
}

bool ParseReply(const Frame& frame, uint32_t requestType, Reply& reply) {
    if (frame.type != (requestType | kReply) || frame.payload.size() < 8) {
        return false;
    }
    reply.status = GetLe32(frame.payload, 0);
    reply.count = GetLe32(frame.payload, 4);
    reply.data = std::span<const uint8_t>(frame.payload).subspan(8);
    return true;
}

} // namespace wire
