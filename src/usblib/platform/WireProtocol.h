#pragma once
// The framed protocol spoken over a receiver's device socket (docs/usb-protocol.md).
// Both sides use these helpers: the library's device layer and the receiver simulator.
#include <cstdint>
#include <span>
#include <vector>

namespace wire {

inline constexpr uint32_t kVersion = 1;

// Frame types sent by the PC; the device answers each with the type | kReply.
enum FrameType : uint32_t {
    kOpen = 1,
    kControl = 2,
    kPipeRead = 3,
    kPipeWrite = 4,
    kReply = 0x80,
};

// Reply status.
enum Status : uint32_t {
    kOk = 0,
    kRefused = 1,   // the device declines the request (unknown code, bad state, misbehaving on purpose)
    kMalformed = 2, // the frame does not follow the protocol
};

inline constexpr uint32_t kHeaderSize = 8;
// Bytes of data one pipe read or write may carry.
inline constexpr uint32_t kMaxPipeData = 65536;
// Upper bound of a payload; a frame announcing more is a protocol error.
inline constexpr uint32_t kMaxPayload = kMaxPipeData + 64;

struct Frame {
    uint32_t type = 0;
    std::vector<uint8_t> payload;
};

// A reply's payload taken apart.
struct Reply {
    uint32_t status = kMalformed;
    uint32_t count = 0;
    std::span<const uint8_t> data;
};

// Sends header and the concatenation of both parts as one frame. False when the
// peer is gone or the frame is too large.
bool SendFrame(int fd, uint32_t type, std::span<const uint8_t> first, std::span<const uint8_t> second = {});
// Reads one whole frame; false on end of stream, timeout, or a payload above kMaxPayload.
bool ReceiveFrame(int fd, Frame& frame);

bool SendReply(int fd, uint32_t requestType, uint32_t status, uint32_t count, std::span<const uint8_t> data = {});
// Parses a reply to `requestType`; false when it is not one.
bool ParseReply(const Frame& frame, uint32_t requestType, Reply& reply);

// Little-endian integers inside payloads.
void PutLe32(std::vector<uint8_t>& out, uint32_t value);
uint32_t GetLe32(std::span<const uint8_t> in, std::size_t offset);

} // namespace wire
