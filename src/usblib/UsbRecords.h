#pragma once
// The records and codes exchanged with the receiver's driver. Every record is
// byte-exact (packed, fixed byte order), because the receiver reads them as raw bytes.
#include <bit>
#include <cstddef>
#include <cstdint>
#include <string_view>

// Device interface class under which the receiver's driver registers each receiver.
inline constexpr std::string_view kReceiverInterfaceGuid = "{21817EDD-EDAD-48E7-9BCF-990370C5401F}";

// Size of each module's device path buffer, NUL included.
inline constexpr std::size_t kDevicePathSize = 256;

// Driver control codes.
inline constexpr uint32_t kReadControl = 0x8000200C;  // data stage from the receiver
inline constexpr uint32_t kWriteControl = 0x80002010; // data stage to the receiver
inline constexpr uint32_t kPipeRecoveryControl = 0x220008;

// Request codes carried in UsbRequestBlock::requestCode.
inline constexpr uint32_t kRequestAnnounceDownload = 0;  // TransferHeader "edit_db.dat", PC to receiver
inline constexpr uint32_t kRequestChunkToReceiver = 1;   // ChunkRequest ahead of a "PIPE03" write
inline constexpr uint32_t kRequestChunkFromReceiver = 2; // ChunkRequest ahead of a "PIPE02" read
inline constexpr uint32_t kRequestAnnounceUpload = 3;    // TransferHeader "db.dat", receiver to PC
inline constexpr uint32_t kRequestDatabaseSize = 6;      // 4 bytes, big-endian
inline constexpr uint32_t kRequestFirmware = 1138;       // 1 byte, the probe

inline constexpr const char* kPipeFromReceiver = "PIPE02";
inline constexpr const char* kPipeToReceiver = "PIPE03";

// Largest chunk the transfer workers move per chunk request.
inline constexpr uint32_t kMaxChunkLength = 8192;

inline constexpr uint8_t kTransferKind = 3;
inline constexpr uint8_t kTransferFlag = 1;

namespace byteorder {
constexpr uint32_t Swap32(uint32_t v) {
    return __builtin_bswap32(v);
}
constexpr uint16_t Swap16(uint16_t v) {
    return __builtin_bswap16(v);
}
constexpr uint32_t HostToLe32(uint32_t v) {
    return std::endian::native == std::endian::little ? v : Swap32(v);
}
constexpr uint16_t HostToLe16(uint16_t v) {
    return std::endian::native == std::endian::little ? v : Swap16(v);
}
constexpr uint32_t HostToBe32(uint32_t v) {
    return std::endian::native == std::endian::big ? v : Swap32(v);
}
// The conversions are their own inverses.
constexpr uint32_t Le32ToHost(uint32_t v) {
    return HostToLe32(v);
}
constexpr uint16_t Le16ToHost(uint16_t v) {
    return HostToLe16(v);
}
constexpr uint32_t Be32ToHost(uint32_t v) {
    return HostToBe32(v);
}
} // namespace byteorder

#pragma pack(push, 1)

// Input buffer of every device request. All fields little-endian.
struct UsbRequestBlock {
    uint32_t reserved;
    uint32_t length;      // bytes in the data stage
    uint32_t dataAddress; // low 32 bits of the caller's buffer address; the device never dereferences it
    uint32_t requestCode;
};

// Sent with the announcements (request codes 0 and 3).
struct TransferHeader {
    char name[256]; // NUL-terminated; bytes after the NUL are left as they were
    uint32_t size;  // big-endian
    uint8_t kind;   // always kTransferKind
    uint8_t flag;   // always kTransferFlag
    uint8_t spare;  // not set by SaveHeader
};

// Sent with request codes 1 and 2 ahead of every pipe chunk.
struct ChunkRequest {
    uint16_t reserved0;
    uint8_t reserved1;
    uint16_t chunkLength; // little-endian, at the odd offset 3 where the receiver expects it
    uint8_t reserved2;
};

#pragma pack(pop)

static_assert(sizeof(UsbRequestBlock) == 16);
static_assert(offsetof(UsbRequestBlock, reserved) == 0);
static_assert(offsetof(UsbRequestBlock, length) == 4);
static_assert(offsetof(UsbRequestBlock, dataAddress) == 8);
static_assert(offsetof(UsbRequestBlock, requestCode) == 12);

static_assert(sizeof(TransferHeader) == 263);
static_assert(offsetof(TransferHeader, name) == 0);
static_assert(offsetof(TransferHeader, size) == 256);
static_assert(offsetof(TransferHeader, kind) == 260);
static_assert(offsetof(TransferHeader, flag) == 261);
static_assert(offsetof(TransferHeader, spare) == 262);

static_assert(sizeof(ChunkRequest) == 6);
static_assert(offsetof(ChunkRequest, chunkLength) == 3);
static_assert(offsetof(ChunkRequest, reserved2) == 5);

// A request block in the receiver's byte order.
UsbRequestBlock MakeRequestBlock(uint32_t requestCode, uint32_t length, const void* data);

// A chunk request announcing `length` bytes on the pipe.
ChunkRequest MakeChunkRequest(uint16_t length);
