// CSV: the record format, and the channel export and import over real files.
#include "match/Csv.h"
#include "HostileFiles.h"
#include "MatchTestSupport.h"
#include "match/ChannelCsv.h"

#include <fstream>

using match::CsvImportPlan;

TEST(Csv, FieldsWithCommasQuotesLineBreaksAndNonAsciiSurviveARoundTrip) {
    const csv::Record record{"plain", "a,b", "say \"hi\"", "two\r\nlines", "Ö1 Ünïcödé", "", "x\ny"};
    const std::string line = csv::FormatRecord(record);
    EXPECT_EQ(line, "plain,\"a,b\",\"say \"\"hi\"\"\",\"two\r\nlines\",Ö1 Ünïcödé,,\"x\ny\"\r\n");
    const csv::ParseResult parsed = csv::Parse(line + line);
    ASSERT_EQ(parsed.error, "");
    ASSERT_EQ(parsed.records.size(), 2u);
    EXPECT_EQ(parsed.records[0], record);
    EXPECT_EQ(parsed.lines, (std::vector<int>{1, 4}));
}

// A spreadsheet runs a cell that begins with =, +, -, @, TAB or CR as a formula.
TEST(Csv, FormulaLikeTextGetsOneApostropheThatTheImportRemovesAgain) {
    const std::pair<std::string, std::string> cases[] = {
        {"=1+2", "'=1+2"}, {"+SUM(A1:A9)", "'+SUM(A1:A9)"},
        {"-2+3", "'-2+3"}, {"@cmd", "'@cmd"},
        {"\tx", "'\tx"},   {"\rx", "'\rx"},
        {"'=x", "''=x"},   {"'plain", "'plain"},
        {"ZDF", "ZDF"},    {"", ""},
    };
    for (const auto& [stored, written] : cases) {
        EXPECT_EQ(csv::GuardFormula(stored), written);
        EXPECT_EQ(csv::UnguardFormula(written), stored);
    }
}

TEST(Csv, MalformedTextIsRefusedWithItsLine) {
    EXPECT_EQ(csv::Parse("a,b\n\"open,c\n").error, "line 2: a quoted field is not closed");
    EXPECT_EQ(csv::Parse("a\n\"q\"x,b\n").error, "line 2: text after a closing quote");
    EXPECT_TRUE(csv::IsUtf8("Ö1"));
    EXPECT_FALSE(csv::IsUtf8("\xD6"
                             "1"));        // Latin-1
    EXPECT_FALSE(csv::IsUtf8("\xC3"));     // cut short
    EXPECT_FALSE(csv::IsUtf8("\xC0\xAF")); // overlong
    // The smallest character of each length, and the largest overlong form below it.
    EXPECT_TRUE(csv::IsUtf8("\xC2\x80"));
    EXPECT_FALSE(csv::IsUtf8("\xC1\xBF"));
    EXPECT_TRUE(csv::IsUtf8("\xE0\xA0\x80"));
    EXPECT_FALSE(csv::IsUtf8("\xE0\x9F\xBF"));
}

class CsvImportTest : public MatchTest {
protected:
    void SetUp() override {
        MatchTest::SetUp();
        WriteOldFile(TempPath("db.dat"));
        OpenDb(TempPath("db.dat"));
    }
    std::string Exported() { return match::ExportCsv(ReadOpen()); }
    CsvImportPlan Plan(const std::string& text) { return match::PlanCsvImport(text, ReadOpen()); }
    // The export with `from` replaced by `to` once.
    std::string Edited(const std::string& from, const std::string& to) {
        std::string text = Exported();
        const size_t at = text.find(from);
        EXPECT_NE(at, std::string::npos) << from;
        return text.replace(at, from.size(), to);
    }
    std::string FileBytes() {
        CloseDb();
        std::ifstream in(TempPath("db.dat"), std::ios::binary);
        std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        OpenDb(TempPath("db.dat"));
        return bytes;
    }
};

TEST_F(CsvImportTest, AnUnchangedExportImportsWithoutAnyChange) {
    Sql("UPDATE ChannelInfo SET name = 'Ö1, \"Kultur\"' WHERE ch_id = 6");
    // Formulas, line breaks, a negative number, Latin-1 longer than the field in UTF-8,
    // and group names holding the separator, a quote, or nothing, or shared.
    Sql("UPDATE ChannelInfo SET name = '=HYPERLINK(A1)' WHERE ch_id = 1; UPDATE ChannelInfo SET name = '-2+3', "
        "ch_order = -5 WHERE ch_id = 2; UPDATE ChannelInfo SET name = 'two' || char(13, 10) || 'lines' WHERE ch_id = "
        "3; UPDATE ChannelInfo SET name = CAST(X'C4D6DCC4D6DCC4D6DCC4D6DC' AS TEXT) WHERE ch_id = 4; UPDATE FAVGRPInfo "
        "SET name = '@News;Sport'; INSERT INTO FAVGRPInfo VALUES (2, '\"Q\"', 2), (3, '', 3), (4, '@News;Sport', 4); "
        "INSERT INTO FAVListInfo VALUES (2, 3, 'ZDF', 1, 2, 0, 1), (3, 4, 'ZDF', 1, 2, 0, 1), (4, 5, 'arte', 1, 3, 0, "
        "1)");
    // A number two channels already share is the file's own, not the import's doing.
    Sql("UPDATE ChannelInfo SET ch_order = 0 WHERE ch_id IN (4, 5)");
    Sql("UPDATE NITInfo SET Frequency = -500 WHERE NIT_ID = 2"); // arte's and Old Shop's
    const std::string before = FileBytes();
    const match::ChannelSet set = ReadOpen();
    const std::string exported = Exported();
    EXPECT_NE(exported.find(",'=HYPERLINK(A1),"), std::string::npos) << exported;
    EXPECT_NE(exported.find(",-0.5,"), std::string::npos) << exported;
    const CsvImportPlan plan = match::PlanCsvImport(exported, set);
    ASSERT_FALSE(plan.Refused()) << plan.error;
    EXPECT_EQ(plan.changes, std::vector<std::string>());
    ASSERT_EQ(match::ApplyCsvImport(m_db, set, plan), 0);
    EXPECT_EQ(FileBytes(), before);
}

TEST_F(CsvImportTest, EveryHostileFileThatOpensExportsAndImportsWithoutAChange) {
    for (const fixtures::HostileFile& file : fixtures::HostileFiles()) {
        using Outcome = fixtures::HostileFile::Outcome;
        if (file.outcome != Outcome::Opens && file.outcome != Outcome::OpensTold) {
            continue;
        }
        fixtures::WriteHostileFile(file, TempPath("hostile.dat"));
        match::ChannelSet set;
        std::string error;
        ASSERT_TRUE(match::ReadChannelSetFromFile(TempPath("hostile.dat"), set, error)) << file.name << error;
        const CsvImportPlan plan = match::PlanCsvImport(match::ExportCsv(set), set);
        EXPECT_EQ(plan.error, "") << file.name;
        EXPECT_EQ(plan.changes, std::vector<std::string>()) << file.name;
    }
}

TEST_F(CsvImportTest, ImportRenamesMovesFlagsAndRegroupsMatchedChannels) {
    std::string text = Edited("2,ZDF,TV", "7,ZDF neu exact15,TV"); // the name field's 15 bytes
    const size_t arte = text.find("3,arte,TV");
    const size_t lineEnd = text.find("\r\n", arte);
    // arte: locked and out of "News"; last two columns are scrambled and favourites.
    text.replace(text.rfind("0,0,0,News", lineEnd), 10, "1,0,0,");
    const match::ChannelSet set = ReadOpen();
    const CsvImportPlan plan = match::PlanCsvImport(text, set);
    ASSERT_FALSE(plan.Refused()) << plan.error;
    EXPECT_EQ(plan.changes, (std::vector<std::string>{"renamed 2 ZDF -> ZDF neu exact15", "moved 2 ZDF -> 7",
                                                      "lock on 3 arte", "removed from News: 3 arte"}));
    ASSERT_EQ(match::ApplyCsvImport(m_db, set, plan), 0);
    EXPECT_EQ(SqlText("SELECT name || '/' || ch_order FROM ChannelInfo WHERE ch_id = 2"), "ZDF neu exact15/7");
    EXPECT_EQ(SqlInt("SELECT lock FROM ChannelInfo WHERE ch_id = 3"), 1);
    EXPECT_EQ(SqlInt("SELECT count(*) FROM FAVListInfo WHERE ch_id = 3"), 0);
}

// An import writes each changed channel back whole: it stored these values cut.
TEST_F(CsvImportTest, AChannelHoldingAValueItsRecordWouldCutIsRefused) {
    // Exactly one past each limit too: a name of 16 bytes, a number followed by text.
    for (const char* stored : {"tuner_id = 70000", "name = 'ZDF with a much longer name'", "name = 'ZDF sixteen byte'",
                               "pmt_pid = '12abc'"}) {
        CloseDb();
        WriteOldFile(TempPath("db.dat"));
        OpenDb(TempPath("db.dat"));
        Sql(std::string("UPDATE ChannelInfo SET ") + stored + " WHERE ch_id = 2");
        const std::string before = FileBytes();
        const match::ChannelSet set = ReadOpen();
        std::string text = Exported();
        const size_t lineEnd = text.find("\r\n", text.find(",28006,"));
        text.replace(text.rfind(",0,0,", lineEnd), 5, ",1,0,"); // hidden from now on
        const CsvImportPlan plan = match::PlanCsvImport(text, set);
        ASSERT_EQ(plan.changes.size(), 1u) << stored;
        EXPECT_EQ(match::ApplyCsvImport(m_db, set, plan), kValueDoesNotFit) << stored;
        EXPECT_EQ(FileBytes(), before) << stored;
    }
}

TEST_F(CsvImportTest, BadInputIsRefusedWithAClearMessageAndNothingChanges) {
    struct Case {
        std::string text;
        std::string message;
    };
    const std::string header = Exported().substr(0, Exported().find("\r\n") + 2);
    const Case cases[] = {
        {Edited("ZDF,TV,Astra 1,19.2E,11494,H,22000,28006", "ZDF2,TV,Astra 1,19.2E,11494,H,22000,28007"),
         "line 3: no channel of the file matches ZDF2 (sid 28007, 19.2E 11494 H)"},
        {"number,name,type\r\n1,A,TV\r\n", "missing columns: position, frequency, polarity, sid, network_id, ts_id"},
        {Edited("2,ZDF,TV", "two,ZDF,TV"), "line 3: bad number \"two\""},
        {Edited("2,ZDF,TV", "1,ZDF,TV"), "number 1 would be given to both Das Erste and ZDF"},
        {Edited("1,Das Erste", "2,Das Erste"), "number 2 would be given to both Das Erste and ZDF"},
        {Edited("1,Das Erste", "1,Das Erste is far too long"), "line 2: bad name \"Das Erste is far too long\""},
        {Edited("1,Das Erste", "1,Das Erste 16 byt"), "line 2: bad name \"Das Erste 16 byt\""},
        {Edited(",News\r\n", ",Sport\r\n"), "line 2: no favourite group is named \"Sport\""},
        {header + "1,x\r\n", "line 2: 2 fields where the header has 16"},
        {"\xD6"
         "1",
         "the file is not UTF-8 text"},
    };
    const std::string before = FileBytes();
    for (const Case& c : cases) {
        const CsvImportPlan plan = Plan(c.text);
        EXPECT_EQ(plan.error, c.message + "\n") << c.text;
        EXPECT_TRUE(plan.changes.empty());
    }
    EXPECT_EQ(FileBytes(), before);
}
