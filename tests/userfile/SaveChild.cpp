// save_child: a process that leaves files the way a test needs them, or that a test
// kills or holds at a chosen moment.
//   save_child copy SOURCE TARGET [STEP]   replaces TARGET with SOURCE the way Save does;
//                                          with STEP, prints "paused" before the STEP-th
//                                          disk step and waits there to be killed
//   save_child hot-journal DB NAME         renames satellite 1 to NAME and dies mid-write,
//                                          leaving DB half-written beside a hot journal
//   save_child wal DB NAME                 renames satellite 1 to NAME in WAL mode and dies
//                                          before any checkpoint, the change only in DB-wal
//   save_child hold-read DB                holds a read transaction on DB until stdin ends
//   save_child lock PATH                   holds the editor lock PATH until stdin ends
#include "userfile/AtomicFileCopy.h"
#include "userfile/EditorLock.h"

#include <sqlite3.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

int g_pauseAt = 0;
int g_stepsSeen = 0;

void PauseAtStep(filecopy::Step, int) {
    if (++g_stepsSeen == g_pauseAt) {
        std::printf("paused\n");
        std::fflush(stdout);
        for (;;) {
            ::pause();
        }
    }
}

void Ready(const char* word) {
    std::printf("%s\n", word);
    std::fflush(stdout);
}

void WaitForStdinEnd() {
    char byte = 0;
    while (::read(STDIN_FILENO, &byte, 1) > 0) {
    }
}

sqlite3* Open(const char* path) {
    sqlite3* db = nullptr;
    if (sqlite3_open(path, &db) != SQLITE_OK) {
        std::fprintf(stderr, "cannot open %s\n", path);
        std::_Exit(3);
    }
    return db;
}

void Exec(sqlite3* db, const std::string& sql) {
    if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK) {
        std::fprintf(stderr, "%s: %s\n", sql.c_str(), sqlite3_errmsg(db));
        std::_Exit(3);
    }
}

std::string RenameSql(const char* name) {
    char* sql = sqlite3_mprintf("UPDATE SATInfo SET Name = '%q' WHERE SAT_ID = 1", name);
    std::string text = sql;
    sqlite3_free(sql);
    return text;
}

int Copy(int argc, char** argv) {
    if (argc == 5) {
        g_pauseAt = std::atoi(argv[4]);
        filecopy::SetStepHook(&PauseAtStep);
    }
    std::string error;
    if (!filecopy::ReplaceWithCopy(argv[2], argv[3], &error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    const std::string mode = argc > 2 ? argv[1] : "";
    if (mode == "copy" && (argc == 4 || argc == 5)) {
        return Copy(argc, argv);
    }
    if (mode == "hot-journal" && argc == 4) {
        sqlite3* db = Open(argv[2]);
        // A one-page cache makes SQLite spill the changed pages into the file before
        // the commit, as a large transaction would.
        Exec(db, "PRAGMA cache_size=1; BEGIN; CREATE TABLE Spill(x);" + RenameSql(argv[3]) +
                     "; INSERT INTO Spill WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n "
                     "WHERE i < 400) SELECT randomblob(900) FROM n;" +
                     RenameSql(argv[3]));
        std::_Exit(0);
    }
    if (mode == "wal" && argc == 4) {
        sqlite3* db = Open(argv[2]);
        Exec(db, "PRAGMA journal_mode=WAL; PRAGMA wal_autocheckpoint=0;" + RenameSql(argv[3]));
        std::_Exit(0);
    }
    if (mode == "hold-read" && argc == 3) {
        sqlite3* db = Open(argv[2]);
        Exec(db, "BEGIN; SELECT count(*) FROM SATInfo;");
        Ready("ready");
        WaitForStdinEnd();
        sqlite3_close(db);
        return 0;
    }
    if (mode == "lock" && argc == 3) {
        CEditorLock::Result result = CEditorLock::Result::Failed;
        const auto lock = CEditorLock::Take(argv[2], &result);
        if (!lock) {
            return 1;
        }
        Ready("locked");
        WaitForStdinEnd();
        return 0;
    }
    std::fprintf(stderr, "usage: see the head of SaveChild.cpp\n");
    return 2;
}
