// The channel rows a command would write back from their records: the check compares
// stored integers as numbers and reads every other value as text, and must still find
// every row that does not fit, and name the same value as reading every row did.
#include "DbTestSupport.h"

#include <ostream>
#include <string>

namespace {

struct ChannelFitCase {
    const char* assignment; // SET clause for channel 2 (with `lnb`: for tuner 1's first LNB row)
    const char* value;      // the value named, or "" when every value fits
    bool lnb = false;
};

void PrintTo(const ChannelFitCase& c, std::ostream* out) {
    *out << c.assignment;
}

class ChannelFitTest : public DbTest, public ::testing::WithParamInterface<ChannelFitCase> {
protected:
    void SetUp() override {
        DbTest::SetUp();
        const std::string path = TempPath("c.dat");
        fixtures::WriteDemoDb(path);
        OpenDb(path);
    }
};

TEST_P(ChannelFitTest, FindsEveryRowThatDoesNotFit) {
    const ChannelFitCase& c = GetParam();
    if (c.lnb) {
        Sql(std::string("UPDATE LNBInfo SET ") + c.assignment + " WHERE rowid = 1");
        EXPECT_EQ(m_db.CheckLnbRowsFit(), *c.value != '\0' ? kValueDoesNotFit : 0);
        EXPECT_NE(std::string(LastDbErrorText()).find(c.value), std::string::npos) << LastDbErrorText();
        return;
    }
    Sql(std::string("UPDATE ChannelInfo SET ") + c.assignment + " WHERE ch_id = 2");
    const int32_t ids[] = {1, 2, 3};
    const bool unfit = *c.value != '\0';
    for (const int rc : {m_db.CheckChannelRowsFit(ids), m_db.CheckListedChannelsFit()}) {
        EXPECT_EQ(rc, unfit ? kValueDoesNotFit : 0);
        if (unfit) {
            EXPECT_NE(std::string(LastDbErrorText()).find(c.value), std::string::npos) << LastDbErrorText();
        }
    }
    const int32_t others[] = {1, 3};
    EXPECT_EQ(m_db.CheckChannelRowsFit(others), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Values, ChannelFitTest,
    ::testing::Values(ChannelFitCase{"pg_id = NULL, name = NULL", ""},
                      ChannelFitCase{"name = 'Fifteen letters', audio_mode = -32768, sdt_id = 2147483647", ""},
                      ChannelFitCase{"name = 'Sixteen letters!'", "name Sixteen letters!"},
                      ChannelFitCase{"name = CAST('Abc' AS BLOB)", ""},
                      ChannelFitCase{"video_pid = 512.5", "video_pid 512.5"}, ChannelFitCase{"video_pid = 512.0", ""},
                      ChannelFitCase{"audio_mode = 32768", "audio_mode 32768"},
                      ChannelFitCase{"sdt_id = -2147483649", "SDT_ID -2147483649"},
                      ChannelFitCase{"tuner_id = 'two'", "tuner_id two"}, ChannelFitCase{"\"lock\" = x'31'", ""},
                      ChannelFitCase{"SAT_ID = 65535", "", true},
                      ChannelFitCase{"SAT_ID = 65536", "SAT_ID 65536", true}));

} // namespace
