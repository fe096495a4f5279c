// The four exports of libkivra.so against the receiver simulator.
#include "SimulatorHarness.h"
#include "usblib/Kivra.h"

#include <sys/stat.h>

#include <array>
#include <filesystem>

class KivraExports : public UsbTest {};

TEST_F(KivraExports, NoReceiverGivesZeroAndMinusOne) {
    uint8_t buffer[4] = {};
    const TransferHeader header = Header("edit_db.dat", 10);
    EXPECT_EQ(GetFirmVer(), 0);
    EXPECT_EQ(USBRead(kRequestDatabaseSize, 4, buffer), -1);
    EXPECT_EQ(USBWrite(kRequestAnnounceDownload, sizeof header, &header), -1);

    // A folder holding only an interface nobody serves is no receiver either.
    MakeDeadSocket(ClassFolder() + "/receiver0");
    EXPECT_EQ(GetFirmVer(), 0);
    EXPECT_EQ(USBRead(kRequestDatabaseSize, 4, buffer), -1);
}

TEST_F(KivraExports, ProbeSizeQueryAndAnnouncementsRoundTrip) {
    StartSimulator();
    EXPECT_EQ(GetFirmVer(), 1);

    std::array<uint8_t, 4> size{};
    ASSERT_EQ(USBRead(kRequestDatabaseSize, 4, size.data()), 4);
    struct stat info {};
    ASSERT_EQ(::stat(m_dbPath.c_str(), &info), 0);
    const uint32_t expected = static_cast<uint32_t>(info.st_size);
    EXPECT_EQ(size, (std::array<uint8_t, 4>{uint8_t(expected >> 24), uint8_t(expected >> 16), uint8_t(expected >> 8),
                                            uint8_t(expected)}));
    // A negative length went out as a 4 GB read into the caller's four bytes.
    EXPECT_EQ(USBRead(kRequestDatabaseSize, -1, size.data()), -2);
    EXPECT_TRUE(LogLinesStarting("control code=6 dir=read length=4294967295").empty());

    const TransferHeader upload = Header("db.dat", expected);
    EXPECT_EQ(USBWrite(kRequestAnnounceUpload, sizeof upload, &upload), 263);
    const TransferHeader download = Header("edit_db.dat", 20000);
    EXPECT_EQ(USBWrite(kRequestAnnounceDownload, sizeof download, &download), 263);

    EXPECT_FALSE(LogLinesStarting("control code=1138 dir=read length=1 result=ok").empty());
    EXPECT_TRUE(LogHas("control code=3 dir=write length=263 result=ok count=263 name=db.dat size=" +
                       std::to_string(expected) + " kind=3 flag=1"));
    EXPECT_TRUE(LogHas("control code=0 dir=write length=263 result=ok count=263 name=edit_db.dat size=20000"));
}

TEST_F(KivraExports, RejectedRequestsGiveMinusTwoAndProbeZero) {
    SimulatorOptions options = Options();
    options.refusedCodes = {kRequestFirmware, kRequestDatabaseSize, kRequestAnnounceDownload};
    StartSimulator(options);
    uint8_t buffer[4] = {};
    const TransferHeader header = Header("edit_db.dat", 1);
    EXPECT_EQ(GetFirmVer(), 0);
    EXPECT_EQ(USBRead(kRequestDatabaseSize, 4, buffer), -2);
    EXPECT_EQ(USBWrite(kRequestAnnounceDownload, sizeof header, &header), -2);
    EXPECT_TRUE(LogHas("control code=6 dir=read length=4 result=refused reason=told"));

    // Codes the receiver does not know, a size query through the wrong control, a
    // header of the wrong kind, a negative length.
    EXPECT_EQ(USBRead(99, 4, buffer), -2);
    EXPECT_EQ(USBWrite(kRequestDatabaseSize, 4, buffer), -2);
    TransferHeader wrongKind = Header("db.dat", 1);
    wrongKind.kind = 2;
    EXPECT_EQ(USBWrite(kRequestAnnounceUpload, sizeof wrongKind, &wrongKind), -2);
    EXPECT_TRUE(LogHas("reason=header"));
    EXPECT_EQ(USBRead(kRequestDatabaseSize, -1, buffer), -2);
    EXPECT_EQ(USBWrite(kRequestAnnounceUpload, 100, &wrongKind), -2);
}

TEST_F(KivraExports, SizeQueryFailsWhenTheReceiverHoldsNoDatabase) {
    std::filesystem::remove(m_dbPath);
    StartSimulator();
    uint8_t buffer[4] = {};
    EXPECT_EQ(USBRead(kRequestDatabaseSize, 4, buffer), -2);
    const TransferHeader upload = Header("db.dat", 1);
    EXPECT_EQ(USBWrite(kRequestAnnounceUpload, sizeof upload, &upload), -2);
}
