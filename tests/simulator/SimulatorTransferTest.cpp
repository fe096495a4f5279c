// Whole transfers through the receiver simulator, driven the way the transfer workers
// drive them: announcement through Kivra, then chunk requests on the device handle and
// pipe reads or writes on the pipe, over the program's own lookup.
#include "FixtureBuilder.h"
#include "SimulatorHarness.h"
#include "transfer/ReadBack.h"
#include "transfer/ReceiverBackups.h"
#include "transfer/UsbDevice.h"
#include "usblib/Kivra.h"

#include <sqlite3.h>

#include <algorithm>
#include <filesystem>

class SimulatorTransfer : public UsbTest {
protected:
    // Sends `bytes` as the download of a database, in chunks of at most 8192; returns
    // the number of bytes the pipe took before the first failure.
    std::size_t Send(const std::vector<uint8_t>& bytes, std::size_t stopAfter = SIZE_MAX) {
        const TransferHeader header = Header("edit_db.dat", static_cast<uint32_t>(bytes.size()));
        EXPECT_EQ(USBWrite(kRequestAnnounceDownload, sizeof header, &header), 263);
        const CDeviceHandle pipe = OpenDevicePipe(kPipeToReceiver);
        const CDeviceHandle device = OpenUsbDevice();
        EXPECT_TRUE(pipe && device);
        std::size_t sent = 0;
        while (sent < std::min(bytes.size(), stopAfter)) {
            const auto chunk = static_cast<uint16_t>(std::min<std::size_t>(bytes.size() - sent, kMaxChunkLength));
            uint32_t written = 0;
            if (!SendChunkRequest(device, kRequestChunkToReceiver, chunk)) {
                break;
            }
            if (!platform::WritePipe(pipe, {bytes.data() + sent, chunk}, written)) {
                RecoverPipe(pipe);
                break;
            }
            sent += written;
        }
        return sent;
    }

    // Fetches the receiver's database as the upload worker does; stops at the first failure.
    std::vector<uint8_t> Fetch(bool* failed = nullptr) {
        uint8_t sizeBytes[4] = {};
        EXPECT_EQ(USBRead(kRequestDatabaseSize, 4, sizeBytes), 4);
        const uint32_t size =
            uint32_t(sizeBytes[0]) << 24 | uint32_t(sizeBytes[1]) << 16 | uint32_t(sizeBytes[2]) << 8 | sizeBytes[3];
        const TransferHeader header = Header("db.dat", size);
        EXPECT_EQ(USBWrite(kRequestAnnounceUpload, sizeof header, &header), 263);
        const CDeviceHandle pipe = OpenDevicePipe(kPipeFromReceiver);
        const CDeviceHandle device = OpenUsbDevice();
        EXPECT_TRUE(pipe && device);
        std::vector<uint8_t> received;
        std::vector<uint8_t> buffer(kMaxChunkLength);
        bool stopped = false;
        while (received.size() < size && !stopped) {
            const auto chunk = static_cast<uint16_t>(std::min<std::size_t>(size - received.size(), kMaxChunkLength));
            uint32_t read = 0;
            stopped = !SendChunkRequest(device, kRequestChunkFromReceiver, chunk) ||
                      !platform::ReadPipe(pipe, {buffer.data(), chunk}, read) || read == 0;
            received.insert(received.end(), buffer.begin(), buffer.begin() + read);
        }
        if (failed != nullptr) {
            *failed = stopped;
        }
        return received;
    }

    std::vector<uint8_t> NewDatabase() {
        const std::string path = TempPath("edit_db.dat");
        fixtures::WriteLargeDb(path, 300);
        return ReadBytes(path);
    }

    bool NoTemporaryFilesLeft() const {
        for (const auto& entry : std::filesystem::directory_iterator(std::filesystem::path(m_dbPath).parent_path())) {
            if (entry.path() != m_dbPath) {
                return false;
            }
        }
        return true;
    }

    std::vector<std::string> ChunkLines(uint32_t code) const {
        return LogLinesStarting("control code=" + std::to_string(code) + " dir=write length=6 result=ok");
    }
};

TEST_F(SimulatorTransfer, ACompleteDownloadIsInstalledByteForByte) {
    StartSimulator();
    const std::vector<uint8_t> database = NewDatabase();
    ASSERT_GT(database.size(), 2 * kMaxChunkLength);
    EXPECT_EQ(Send(database), database.size());
    EXPECT_EQ(ReadBytes(m_dbPath), database);
    EXPECT_TRUE(LogHas("install size=" + std::to_string(database.size()) + " result=ok"));
    EXPECT_TRUE(NoTemporaryFilesLeft());

    const std::vector<std::string> chunks = ChunkLines(kRequestChunkToReceiver);
    ASSERT_EQ(chunks.size(), (database.size() + kMaxChunkLength - 1) / kMaxChunkLength);
    EXPECT_NE(chunks.front().find("chunk=8192"), std::string::npos);
    const std::size_t last = database.size() - (chunks.size() - 1) * kMaxChunkLength;
    EXPECT_NE(chunks.back().find("chunk=" + std::to_string(last)), std::string::npos);
}

TEST_F(SimulatorTransfer, AnUnfinishedDownloadLeavesTheOldDatabaseIntact) {
    // Guards against the receiver installing a partly received database.
    StartSimulator();
    const std::vector<uint8_t> original = ReadBytes(m_dbPath);
    const std::vector<uint8_t> database = NewDatabase();
    EXPECT_EQ(Send(database, kMaxChunkLength), kMaxChunkLength);
    EXPECT_EQ(ReadBytes(m_dbPath), original);

    // A new announcement drops the partial file; the next complete download installs.
    EXPECT_EQ(Send(database), database.size());
    EXPECT_TRUE(LogHas("discard received=8192 announced=" + std::to_string(database.size())));
    EXPECT_EQ(ReadBytes(m_dbPath), database);
    EXPECT_TRUE(NoTemporaryFilesLeft());
}

TEST_F(SimulatorTransfer, APartialDownloadIsDroppedWhenTheSimulatorStops) {
    const std::vector<uint8_t> original = ReadBytes(m_dbPath);
    StartSimulator();
    EXPECT_EQ(Send(NewDatabase(), 1), kMaxChunkLength);
    m_simulators.clear();
    EXPECT_EQ(ReadBytes(m_dbPath), original);
    EXPECT_TRUE(NoTemporaryFilesLeft());
}

TEST_F(SimulatorTransfer, AFailingPipeStopsTheDownloadBeforeInstall) {
    SimulatorOptions options = Options();
    options.failPipeAfter = 10000;
    StartSimulator(options);
    const std::vector<uint8_t> original = ReadBytes(m_dbPath);
    EXPECT_EQ(Send(NewDatabase()), kMaxChunkLength);
    EXPECT_TRUE(LogHas("pipe name=PIPE03 op=write length=8192 result=refused reason=told"));
    EXPECT_TRUE(LogHas("recover pipe=PIPE03"));
    EXPECT_EQ(ReadBytes(m_dbPath), original);
}

TEST_F(SimulatorTransfer, PipeBytesMustBeAnnouncedAndRequested) {
    StartSimulator();
    const CDeviceHandle device = OpenUsbDevice();
    ASSERT_TRUE(device);
    EXPECT_FALSE(SendChunkRequest(device, kRequestChunkToReceiver, 100)); // no announcement
    EXPECT_FALSE(SendChunkRequest(device, kRequestChunkFromReceiver, 100));

    const TransferHeader header = Header("edit_db.dat", 100);
    ASSERT_EQ(USBWrite(kRequestAnnounceDownload, sizeof header, &header), 263);
    const CDeviceHandle pipe = OpenDevicePipe(kPipeToReceiver);
    const std::vector<uint8_t> bytes(100, 7);
    uint32_t written = 0;
    EXPECT_FALSE(platform::WritePipe(pipe, bytes, written));              // no chunk request
    EXPECT_FALSE(SendChunkRequest(device, kRequestChunkToReceiver, 101)); // beyond the announced size
    EXPECT_FALSE(SendChunkRequest(device, kRequestChunkToReceiver, 0));
    ASSERT_TRUE(SendChunkRequest(device, kRequestChunkToReceiver, 60));
    EXPECT_FALSE(platform::WritePipe(pipe, bytes, written)); // more than requested
    EXPECT_TRUE(LogHas("reason=not-requested"));
    EXPECT_TRUE(LogHas("reason=beyond-announced"));

    // Reading the pipe that goes the other way is refused too.
    uint8_t buffer[10];
    uint32_t read = 0;
    EXPECT_FALSE(platform::ReadPipe(pipe, buffer, read));
}

TEST_F(SimulatorTransfer, AnEmptyDownloadKeepsTheReceiversDatabase) {
    StartSimulator();
    const std::vector<uint8_t> original = ReadBytes(m_dbPath);
    EXPECT_EQ(Send({}), 0u);
    EXPECT_TRUE(LogHas("install skipped size=0"));
    EXPECT_EQ(ReadBytes(m_dbPath), original);
    EXPECT_TRUE(ChunkLines(kRequestChunkToReceiver).empty());
}

TEST_F(SimulatorTransfer, AnUploadDeliversTheReceiversDatabaseInChunks) {
    SimulatorOptions options = Options();
    options.chunkDelayMs = 1;
    StartSimulator(options);
    const std::vector<uint8_t> original = ReadBytes(m_dbPath);
    EXPECT_EQ(Fetch(), original);
    const std::vector<std::string> chunks = ChunkLines(kRequestChunkFromReceiver);
    EXPECT_EQ(chunks.size(), (original.size() + kMaxChunkLength - 1) / kMaxChunkLength);
    EXPECT_EQ(LogLinesStarting("pipe name=PIPE02 op=read").size(), chunks.size());
}

TEST_F(SimulatorTransfer, AnUploadServesTheFileAsItWasAnnounced) {
    StartSimulator();
    const std::vector<uint8_t> original = ReadBytes(m_dbPath);
    uint8_t sizeBytes[4];
    ASSERT_EQ(USBRead(kRequestDatabaseSize, 4, sizeBytes), 4);
    const TransferHeader header = Header("db.dat", static_cast<uint32_t>(original.size()));
    ASSERT_EQ(USBWrite(kRequestAnnounceUpload, sizeof header, &header), 263);
    // The receiver's database changes under the transfer (a download installs a new one).
    std::filesystem::rename(m_dbPath, m_dbPath + ".old");
    fixtures::WriteEmptyDb(m_dbPath);
    const CDeviceHandle pipe = OpenDevicePipe(kPipeFromReceiver);
    const CDeviceHandle device = OpenUsbDevice();
    ASSERT_TRUE(SendChunkRequest(device, kRequestChunkFromReceiver, 100));
    std::vector<uint8_t> buffer(100);
    uint32_t read = 0;
    ASSERT_TRUE(platform::ReadPipe(pipe, buffer, read));
    EXPECT_EQ(read, 100u);
    EXPECT_TRUE(std::equal(buffer.begin(), buffer.end(), original.begin()));
}

TEST_F(SimulatorTransfer, UploadMisbehaviours) {
    {
        SimulatorOptions options = Options();
        options.zeroReads = true;
        StartSimulator(options);
        bool failed = false;
        EXPECT_TRUE(Fetch(&failed).empty());
        EXPECT_TRUE(failed);
        EXPECT_TRUE(LogHas("pipe name=PIPE02 op=read length=8192 result=ok count=0 reason=told"));
        m_simulators.clear();
    }
    {
        SimulatorOptions options = Options();
        options.failPipeAfter = 8192;
        StartSimulator(options);
        bool failed = false;
        EXPECT_EQ(Fetch(&failed).size(), kMaxChunkLength);
        EXPECT_TRUE(failed);
        m_simulators.clear();
    }
    {
        SimulatorOptions options = Options();
        options.refusedCodes = {kRequestChunkFromReceiver};
        StartSimulator(options);
        bool failed = false;
        EXPECT_TRUE(Fetch(&failed).empty());
        EXPECT_TRUE(failed);
        EXPECT_TRUE(LogHas("control code=2 dir=write length=6 result=refused reason=told"));
    }
}

TEST_F(SimulatorTransfer, UnpluggedAfterTheAnnouncementNoPipeOpens) {
    SimulatorOptions options = Options();
    options.unplugAfter = kRequestAnnounceUpload;
    StartSimulator(options);
    const TransferHeader header = Header("db.dat", 10);
    EXPECT_EQ(USBWrite(kRequestAnnounceUpload, sizeof header, &header), 263);
    EXPECT_FALSE(OpenDevicePipe(kPipeFromReceiver));
    EXPECT_EQ(GetFirmVer(), 0);
    EXPECT_TRUE(LogHas("unplug"));
}

TEST_F(SimulatorTransfer, BusyWhileAPipeIsOpenTheDeviceDoesNotOpen) {
    SimulatorOptions options = Options();
    options.busyWhilePipeOpen = true;
    StartSimulator(options);
    EXPECT_EQ(GetFirmVer(), 1);
    {
        const CDeviceHandle pipe = OpenDevicePipe(kPipeToReceiver);
        ASSERT_TRUE(pipe);
        EXPECT_FALSE(OpenUsbDevice());
        EXPECT_TRUE(LogHas("open target=device result=refused"));
    }
    EXPECT_TRUE(OpenUsbDevice());
}

// The read-back's comparison and the backup folder, on files the simulator's options
// would make: one table of cases, each a change made to a copy of the sent file.
struct ReadBackCase {
    const char* name;
    const char* sql; // run on the copy; empty: the copy stays byte for byte
    const char* said;
};

class ReadBackCompare : public UsbTest, public ::testing::WithParamInterface<ReadBackCase> {};

TEST_P(ReadBackCompare, NamesTheOutcome) {
    const std::string sent = TempPath("sent.dat");
    const std::string read = TempPath("read.dat");
    fixtures::WriteDemoDb(sent);
    std::filesystem::copy_file(sent, read);
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(read.c_str(), &db), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(db, GetParam().sql, nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(db);
    EXPECT_EQ(transfer::DescribeReadBack(transfer::CompareDatabases(sent, read)), GetParam().said);
}

INSTANTIATE_TEST_SUITE_P(
    Outcomes, ReadBackCompare,
    ::testing::Values(ReadBackCase{"identical", "", "identical"},
                      ReadBackCase{"rewritten", "PRAGMA page_size = 1024; VACUUM",
                                   "same rows in every table (the receiver stored the file in its own way)"},
                      ReadBackCase{"changed", "UPDATE SATInfo SET Name = 'X' WHERE SAT_ID = 2",
                                   "differs in table SATInfo, row 2: the row holds other values"},
                      ReadBackCase{"same bytes as blobs", "UPDATE SATInfo SET Name = CAST(Name AS BLOB)",
                                   "differs in table SATInfo, row 1: the row holds other values"},
                      ReadBackCase{"row gone", "DELETE FROM SATInfo WHERE SAT_ID = 2",
                                   "differs in table SATInfo, row 2: the row is missing"},
                      ReadBackCase{"table gone", "DROP TABLE ScrambleInfo",
                                   "differs in table ScrambleInfo: the table is missing"}),
    [](const ::testing::TestParamInfo<ReadBackCase>& info) {
        std::string name = info.param.name;
        std::replace(name.begin(), name.end(), ' ', '_');
        return name;
    });

TEST_F(UsbTest, OnlyTheNewestBackupsAreKeptAndListedNewestFirst) {
    const std::string folder = TempPath("backups");
    std::filesystem::create_directories(folder);
    for (int day = 1; day <= 12; ++day) {
        const std::string name =
            folder + "/receiver-202612" + (day < 10 ? "0" : "") + std::to_string(day) + "-010000.dat";
        fixtures::WriteDemoDb(name);
    }
    WriteBytes(folder + "/notes.txt", {1});
    transfer::PruneBackups(folder);
    const std::vector<transfer::ReceiverBackup> backups = transfer::ListBackups(folder);
    ASSERT_EQ(backups.size(), transfer::kKeptBackups);
    EXPECT_EQ(backups.front().date, "2026-12-12 01:00:00");
    EXPECT_EQ(backups.back().date, "2026-12-03 01:00:00");
    EXPECT_GT(backups.front().channels, 0);
    EXPECT_TRUE(std::filesystem::exists(folder + "/notes.txt"));
}
