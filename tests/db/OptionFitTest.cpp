// Which stored option values the record would write back changed: those make the
// settings dialog refuse its OK instead of cutting a value the user never edited.
#include "DbTestSupport.h"

#include <ostream>
#include <string>

namespace {

struct FitCase {
    const char* assignment; // SET clause for row 1
    const char* field;      // the field named, or "" when every value fits
    const char* value;
};

void PrintTo(const FitCase& c, std::ostream* out) {
    *out << c.assignment;
}

class OptionRowsTest : public DbTest {
protected:
    void SetUp() override {
        DbTest::SetUp();
        const std::string path = TempPath("o.dat");
        {
            fixtures::FixtureDb db(path);
            db.AddOptionRow(0);
            db.AddOptionRow(1);
        }
        OpenDb(path);
    }
};

class OptionFitTest : public OptionRowsTest, public ::testing::WithParamInterface<FitCase> {};

TEST_P(OptionFitTest, NamesTheFirstFieldWrittenBackChanged) {
    const FitCase& c = GetParam();
    Sql(std::string("UPDATE OptionInfo SET ") + c.assignment + " WHERE option_id = 1");
    std::string field = "-";
    std::string value = "-";
    const bool unfit = *c.field != '\0';
    EXPECT_EQ(m_db.FindUnfitOptionValue(1, field, value), unfit ? 1 : 0);
    if (unfit) {
        EXPECT_EQ(field, c.field);
        EXPECT_EQ(value, c.value);
    }
    // The default row is never looked at for row 1.
    EXPECT_EQ(m_db.FindUnfitOptionValue(0, field, value), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Values, OptionFitTest,
    ::testing::Values(FitCase{"banner_timeout = 65535, opt8_text = 'abcd', opt14 = -32768, opt18 = -2147483648", "",
                              ""},
                      FitCase{"banner_timeout = 70000", "banner_timeout", "70000"}, FitCase{"opt3 = -5", "opt3", "-5"},
                      FitCase{"opt14 = 32768", "opt14", "32768"}, FitCase{"opt19 = 4294967301", "opt19", "4294967301"},
                      FitCase{"opt8_text = 'abcdef'", "opt8_text", "abcdef"}, FitCase{"opt20 = NULL", "opt20", "NULL"},
                      FitCase{"opt8_text = 'abcde'", "opt8_text", "abcde"}, // exactly the field: no room for the NUL
                      FitCase{"timeshift = 'on'", "timeshift", "on"},
                      FitCase{"maturity_age = 1.5", "maturity_age", "1.5"},
                      // Two unfit values: the first in column order is named.
                      FitCase{"banner_type = 2.5, aspect_ratio = -1", "aspect_ratio", "-1"}));

TEST_F(OptionRowsTest, MissingRowAndFailure) {
    std::string field;
    std::string value;
    EXPECT_EQ(m_db.FindUnfitOptionValue(7, field, value), 0);
    Sql("DROP TABLE OptionInfo");
    EXPECT_EQ(m_db.FindUnfitOptionValue(1, field, value), -SQLITE_ERROR);
}

} // namespace
