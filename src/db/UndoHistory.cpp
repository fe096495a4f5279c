#include "UndoHistory.h"

#include "ChannelDB.h"
#include "ReceiverConnection.h"

#include <algorithm>
#include <cstring>
#include <unordered_set>

namespace {

// Frees what sqlite3_serialize returned.
struct SqliteFree {
    void operator()(unsigned char* bytes) const { sqlite3_free(bytes); }
};

// A connection closed on every path.
struct ConnectionCloser {
    void operator()(sqlite3* db) const { sqlite3_close(db); }
};

// The size of the main database from its pages, without reading them; 0 if unknown.
sqlite3_int64 DatabaseBytes(sqlite3* db) {
    const char* const sql = "SELECT page_count * page_size FROM pragma_page_count(), pragma_page_size()";
    dbutil::PreparedStatement statement;
    if (dbutil::Prepare(db, sql, statement) == SQLITE_OK && sqlite3_step(statement.get()) == SQLITE_ROW) {
        return sqlite3_column_int64(statement.get(), 0);
    }
    return 0;
}

} // namespace

// ---- CDbImage ------------------------------------------------------------------

int CDbImage::Take(sqlite3* db, const CDbImage* previous) {
    sqlite3_int64 size = 0;
    const std::unique_ptr<unsigned char, SqliteFree> bytes(sqlite3_serialize(db, "main", &size, 0));
    if (bytes == nullptr) {
        const int rc = sqlite3_errcode(db);
        return rc != SQLITE_OK ? -rc : -SQLITE_NOMEM;
    }
    m_chunks.clear();
    m_bytes = static_cast<size_t>(size);
    m_chunks.reserve((m_bytes + kChunkBytes - 1) / kChunkBytes);
    for (size_t offset = 0; offset < m_bytes; offset += kChunkBytes) {
        const size_t length = std::min(kChunkBytes, m_bytes - offset);
        const unsigned char* from = bytes.get() + offset;
        const size_t index = offset / kChunkBytes;
        if (previous != nullptr && index < previous->m_chunks.size()) {
            const std::shared_ptr<const Chunk>& same = previous->m_chunks[index];
            if (same->size() == length && std::memcmp(same->data(), from, length) == 0) {
                m_chunks.push_back(same);
                continue;
            }
        }
        m_chunks.push_back(std::make_shared<const Chunk>(from, from + length));
    }
    return 0;
}

int CDbImage::RestoreInto(sqlite3* db) const {
    sqlite3* opened = nullptr;
    const int openRc = dbconn::Open(":memory:", SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, &opened);
    const std::unique_ptr<sqlite3, ConnectionCloser> source(opened);
    if (openRc != SQLITE_OK) {
        return -openRc;
    }
    auto* bytes = static_cast<unsigned char*>(sqlite3_malloc64(std::max<size_t>(m_bytes, 1)));
    if (bytes == nullptr) {
        return -SQLITE_NOMEM;
    }
    size_t offset = 0;
    for (const std::shared_ptr<const Chunk>& chunk : m_chunks) {
        std::memcpy(bytes + offset, chunk->data(), chunk->size());
        offset += chunk->size();
    }
    // SQLite frees the bytes with the connection, also when it refuses them.
    const auto size = static_cast<sqlite3_int64>(m_bytes);
    if (const int rc = sqlite3_deserialize(source.get(), "main", bytes, size, size,
                                           SQLITE_DESERIALIZE_FREEONCLOSE | SQLITE_DESERIALIZE_READONLY);
        rc != SQLITE_OK) {
        return -rc;
    }
    // The backup copies every page inside one write transaction of `db`: an error
    // before it is done rolls that transaction back, so the file is never half restored.
    sqlite3_backup* backup = sqlite3_backup_init(db, "main", source.get(), "main");
    if (backup == nullptr) {
        const int rc = sqlite3_errcode(db);
        return rc != SQLITE_OK ? -rc : -SQLITE_ERROR;
    }
    const int stepRc = sqlite3_backup_step(backup, -1);
    const int finishRc = sqlite3_backup_finish(backup);
    if (stepRc != SQLITE_DONE) {
        return stepRc != SQLITE_OK ? -stepRc : -SQLITE_ERROR;
    }
    return finishRc == SQLITE_OK ? 0 : -finishRc;
}

void CDbImage::ForEachChunk(const std::function<void(const void*, size_t)>& visit) const {
    for (const std::shared_ptr<const Chunk>& chunk : m_chunks) {
        visit(chunk.get(), chunk->size());
    }
}

// ---- CUndoHistory ----------------------------------------------------------------

CUndoHistory::CUndoHistory() {
    m_currentState = m_nextState++;
    m_savedState = m_currentState;
}

CUndoHistory::~CUndoHistory() = default;

std::string CUndoHistory::UndoName() const {
    return m_undo.empty() ? std::string() : m_undo.back().name;
}

std::string CUndoHistory::RedoName() const {
    return m_redo.empty() ? std::string() : m_redo.back().name;
}

void CUndoHistory::Clear() {
    m_undo.clear();
    m_redo.clear();
    m_currentState = m_nextState++;
    m_savedState = m_currentState;
    Changed();
}

void CUndoHistory::SetByteLimit(size_t bytes) {
    m_byteLimit = bytes;
    Trim();
    Changed();
}

size_t CUndoHistory::MemoryBytes() const {
    std::unordered_set<const void*> counted;
    size_t bytes = 0;
    const auto count = [&](const void* chunk, size_t size) {
        if (counted.insert(chunk).second) {
            bytes += size;
        }
    };
    for (const std::vector<Entry>* entries : {&m_undo, &m_redo}) {
        for (const Entry& entry : *entries) {
            entry.image.ForEachChunk(count);
        }
    }
    return bytes;
}

const CDbImage* CUndoHistory::NewestImage() const {
    // The last snapshot taken lies on top of one of the two stacks; sharing chunks
    // with it is what keeps a run of small edits cheap.
    if (!m_undo.empty()) {
        return &m_undo.back().image;
    }
    return m_redo.empty() ? nullptr : &m_redo.back().image;
}

void CUndoHistory::Trim() {
    while (!m_undo.empty() && MemoryBytes() > m_byteLimit) {
        m_undo.erase(m_undo.begin());
    }
    while (!m_redo.empty() && MemoryBytes() > m_byteLimit) {
        m_redo.erase(m_redo.begin());
    }
}

void CUndoHistory::Changed() {
    if (m_listener) {
        m_listener();
    }
}

int CUndoHistory::Undo() {
    return Travel(m_undo, m_redo);
}

int CUndoHistory::Redo() {
    return Travel(m_redo, m_undo);
}

int CUndoHistory::Travel(std::vector<Entry>& from, std::vector<Entry>& to) {
    if (g_db == nullptr || m_depth > 0 || from.empty() || sqlite3_get_autocommit(g_db) == 0) {
        return -SQLITE_MISUSE;
    }
    // The contents being left, so that the opposite command can come back to them.
    Entry back{from.back().name, {}, m_currentState};
    if (const int rc = back.image.Take(g_db, &from.back().image); rc != 0) {
        return rc;
    }
    if (const int rc = from.back().image.RestoreInto(g_db); rc != 0) {
        return rc;
    }
    m_currentState = from.back().state;
    to.push_back(std::move(back));
    from.pop_back();
    Trim();
    Changed();
    return 0;
}

// ---- steps ----------------------------------------------------------------------

void CUndoHistory::WriteHook() {
    UndoHistory().BeforeWrite();
}

void CUndoHistory::BeginStep(const std::string& name) {
    if (m_depth++ > 0) {
        return;
    }
    SetDbWriteHook(&CUndoHistory::WriteHook);
    m_stepName = name;
    m_stepTaken = false;
    m_stepFailed = false;
}

void CUndoHistory::RenameStep(const std::string& name) {
    if (m_depth > 0) {
        m_stepName = name;
    }
}

void CUndoHistory::BeforeWrite() {
    if (m_depth == 0) {
        // A write no step covers: an undo would take it back under another step's
        // name, so the steps before it are given up.
        if (!m_undo.empty() || !m_redo.empty()) {
            m_undo.clear();
            m_redo.clear();
            Changed();
        }
        m_currentState = m_nextState++;
        return;
    }
    if (m_stepTaken || m_stepFailed) {
        return;
    }
    // The snapshot must show the contents before the command: inside a transaction
    // begun elsewhere it would already hold the command's first changes.
    // A file larger than the whole history could not keep even this step: no copy of
    // it is made (twice its size in memory for each command, for nothing).
    if (sqlite3_get_autocommit(g_db) == 0 || DatabaseBytes(g_db) > static_cast<sqlite3_int64>(m_byteLimit) ||
        m_stepImage.Take(g_db, NewestImage()) != 0) {
        m_stepFailed = true;
        return;
    }
    m_stepTaken = true;
    m_changesAtSnapshot = sqlite3_total_changes64(g_db);
}

void CUndoHistory::EndStep() {
    if (m_depth == 0 || --m_depth > 0) {
        return;
    }
    const bool wrote = g_db != nullptr && (m_stepTaken || m_stepFailed) &&
                       (m_stepFailed || sqlite3_total_changes64(g_db) != m_changesAtSnapshot);
    if (!wrote) {
        m_stepImage = CDbImage();
        return;
    }
    if (m_stepFailed) {
        // No snapshot of the contents before this command: nothing before it can be
        // taken back correctly any more.
        m_stepImage = CDbImage();
        m_undo.clear();
        m_redo.clear();
        m_currentState = m_nextState++;
        Changed();
        return;
    }
    m_redo.clear();
    m_undo.push_back(Entry{m_stepName, std::move(m_stepImage), m_currentState});
    m_stepImage = CDbImage();
    m_currentState = m_nextState++;
    Trim();
    Changed();
}

CUndoHistory& UndoHistory() {
    static CUndoHistory history;
    return history;
}

CUndoStep::CUndoStep(const std::string& name) {
    UndoHistory().BeginStep(name);
}

CUndoStep::~CUndoStep() {
    UndoHistory().EndStep();
}

void CUndoStep::SetName(const std::string& name) {
    UndoHistory().RenameStep(name);
}
