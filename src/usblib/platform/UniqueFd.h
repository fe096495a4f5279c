#pragma once
// Owner of one file descriptor: a device or pipe handle, a listening socket, a file.
// Closed on destruction, so no error path leaks one. Plain C++ over POSIX: the device
// layer, the user's file layer (src/userfile) and the simulator share it.
#include <unistd.h>

#include <utility>

namespace platform {

class CUniqueFd {
public:
    CUniqueFd() = default;
    explicit CUniqueFd(int fd) : m_fd(fd) {}
    CUniqueFd(CUniqueFd&& other) noexcept : m_fd(other.Release()) {}
    CUniqueFd& operator=(CUniqueFd&& other) noexcept {
        if (this != &other) {
            Reset(other.Release());
        }
        return *this;
    }
    CUniqueFd(const CUniqueFd&) = delete;
    CUniqueFd& operator=(const CUniqueFd&) = delete;
    ~CUniqueFd() { Reset(); }

    int Get() const { return m_fd; }
    bool IsValid() const { return m_fd >= 0; }
    explicit operator bool() const { return IsValid(); }
    int Release() { return std::exchange(m_fd, -1); }
    // Closes the descriptor now; false when close() reports an error, which for a file
    // being written may be the first word of a write the system could not complete.
    bool Close() {
        const int fd = Release();
        return fd < 0 || ::close(fd) == 0;
    }
    void Reset(int fd = -1) {
        if (m_fd >= 0) {
            ::close(m_fd);
        }
        m_fd = fd;
    }

private:
    int m_fd = -1;
};

} // namespace platform

// An open device interface or pipe of the receiver; invalid stands for the platform's
// invalid handle value (-1).
using CDeviceHandle = platform::CUniqueFd;
