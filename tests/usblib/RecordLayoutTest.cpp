// Byte layouts of the records the receiver reads as raw bytes.
#include "usblib/Kivra.h"
#include "usblib/UsbRecords.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

template <typename Record> std::vector<uint8_t> Bytes(const Record& record) {
    const auto* p = reinterpret_cast<const uint8_t*>(&record);
    return {p, p + sizeof record};
}

TransferHeader FilledHeader(uint8_t fill) {
    TransferHeader header;
    std::memset(&header, fill, sizeof header);
    return header;
}

} // namespace

TEST(RecordLayout, SaveHeaderStoresNameSizeBigEndianKindAndFlag) {
    TransferHeader header = FilledHeader(0xAA);
    SaveHeader(&header, "db.dat", 70000);
    const std::vector<uint8_t> bytes = Bytes(header);
    ASSERT_EQ(bytes.size(), 263u);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(bytes.data()), 7), std::string("db.dat\0", 7));
    EXPECT_EQ(std::vector<uint8_t>(bytes.begin() + 256, bytes.begin() + 260),
              (std::vector<uint8_t>{0x00, 0x01, 0x11, 0x70}));
    EXPECT_EQ(bytes[260], 3);
    EXPECT_EQ(bytes[261], 1);
    // The spare byte and the name bytes after the NUL keep what the caller had there.
    EXPECT_EQ(bytes[262], 0xAA);
    EXPECT_EQ(bytes[7], 0xAA);
    EXPECT_EQ(bytes[255], 0xAA);
}

TEST(RecordLayout, SaveHeaderCutsALongNameInsideTheNameField) {
    // Guards against a long file name running over the size, kind and flag fields.
    TransferHeader header = FilledHeader(0);
    const std::string longName(300, 'x');
    SaveHeader(&header, longName.c_str(), 0x01020304);
    const std::vector<uint8_t> bytes = Bytes(header);
    EXPECT_EQ(std::strlen(header.name), 255u);
    EXPECT_EQ(bytes[255], 0);
    EXPECT_EQ(std::vector<uint8_t>(bytes.begin() + 256, bytes.begin() + 260), (std::vector<uint8_t>{1, 2, 3, 4}));
    EXPECT_EQ(bytes[260], 3);
    EXPECT_EQ(bytes[261], 1);
}

TEST(RecordLayout, SaveHeaderTakesNullNameAsEmptyAndIgnoresNullHeader) {
    TransferHeader header = FilledHeader(0x55);
    SaveHeader(&header, nullptr, 0);
    EXPECT_EQ(header.name[0], '\0');
    EXPECT_EQ(header.size, 0u);
    SaveHeader(nullptr, "db.dat", 1); // must not crash
}

TEST(RecordLayout, ChunkRequestCarriesLittleEndianLengthAtOffsetThree) {
    EXPECT_EQ(Bytes(MakeChunkRequest(8192)), (std::vector<uint8_t>{0, 0, 0, 0x00, 0x20, 0}));
    EXPECT_EQ(Bytes(MakeChunkRequest(3616)), (std::vector<uint8_t>{0, 0, 0, 0x20, 0x0E, 0}));
}

TEST(RecordLayout, RequestBlockIsFourLittleEndianFields) {
    const UsbRequestBlock block = MakeRequestBlock(kRequestFirmware, 263, nullptr);
    EXPECT_EQ(Bytes(block), (std::vector<uint8_t>{0, 0, 0, 0, 0x07, 0x01, 0, 0, 0, 0, 0, 0, 0x72, 0x04, 0, 0}));
}
