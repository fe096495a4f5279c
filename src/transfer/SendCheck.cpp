#include "SendCheck.h"

#include "db/ChannelDB.h"
#include "db/ReceiverConnection.h"
#include "db/SchemaGate.h"
#include "match/ChannelSet.h"

namespace transfer {

const char* const kReceiverTables[11] = {"SATInfo",     "NITInfo",      "LNBInfo",      "ChannelInfo",
                                         "SDTInfo",     "ScheduleInfo", "ScrambleInfo", "FAVGRPInfo",
                                         "FAVListInfo", "OptionInfo",   "options"};

std::vector<std::string> ReceiverDbProblems(sqlite3* handle) {
    const match::CScopedConnection use(handle);
    std::vector<std::string> problems;
    // A file that is no database at all (a CSV, say) fails every check below for that
    // one reason: it is said once.
    if (const int rc = sqlite3_exec(handle, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr);
        rc != SQLITE_OK) {
        problems.push_back(std::string("not a receiver database (sqlite3 error ") + std::to_string(rc) + ": " +
                           sqlite3_errstr(rc) + ")");
        return problems;
    }
    CChannelDB db;
    if (db.CheckSchemaRevision() != 0) {
        problems.push_back(std::string("the schema revision is not ") + kSchemaRevision);
    }
    const std::string layout = dbschema::CheckTableLayout(handle);
    if (!layout.empty()) {
        problems.push_back(layout);
    }
    if (const int rc = db.CheckIntegrity(problems); rc < 0) {
        problems.push_back("the integrity check failed (sqlite3 error " + std::to_string(-rc) + ")");
    }
    if (!layout.empty()) {
        return problems;
    }
    for (const char* table : kReceiverTables) {
        if (const int rows = db.CountTableRows(table); rows < 0) {
            problems.push_back(std::string(table) + ": cannot be counted (sqlite3 error " + std::to_string(-rows) +
                               ")");
        }
    }
    const auto fits = [&](int rc, const char* table) {
        if (rc == kValueDoesNotFit) {
            problems.push_back(std::string("a row of ") + table +
                               " holds a value that does not fit the receiver's record");
        } else if (rc < 0) {
            problems.push_back(std::string(table) + ": cannot be read (sqlite3 error " + std::to_string(-rc) + ")");
        }
    };
    fits(db.CheckListedChannelsFit(), "ChannelInfo");
    fits(db.CheckLnbRowsFit(), "LNBInfo");
    return problems;
}

std::vector<std::string> ReceiverFileProblems(const std::string& path) {
    // The file to send runs none of its triggers or views while it is checked, and
    // nothing is left beside it.
    std::vector<std::string> problems;
    std::string ignored;
    match::ReadCheckedFileWith(path, &ReceiverDbProblems, nullptr, problems, ignored);
    return problems;
}

} // namespace transfer
