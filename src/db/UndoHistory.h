#pragma once
// Undo and redo of the user's stored commands, over the working copy that g_db edits.
//
// HOW A COMMAND JOINS. Open one CUndoStep at the start of every user command that
// may write to the database, before its first CChannelDB write:
//
//     void CSomeView::OnEditDelete() {
//         CUndoStep step("Delete 3 channels");   // nothing is copied yet
//         ... dialogs, CChannelDB writes, transactions, messages ...
//     }                                           // recorded here if anything was stored
//
// - One user command is one step, however many statements and transactions it runs.
// - The step costs nothing until the command writes: the first CChannelDB write of the
//   step (BEGIN included) first takes a snapshot of the whole working copy.
// - Steps nest: a step opened while another one is open joins the outer one (a
//   dialog's own step inside a view's command), and the outer name is the one shown.
// - A command that stored nothing (a cancelled dialog, refused input) leaves no step.
// - SetName() renames the step once the command knows what it did.
// - A CChannelDB write outside any step cannot be undone on its own; rather than let a
//   later undo take it back unnamed, it empties the history.
//
// The history keeps whole snapshots of the database file, cut in chunks that are
// shared with the snapshot taken before, so a small change costs little memory. It is
// bounded by a byte limit (64 MB unless set); the oldest steps go first. Undo writes a
// snapshot back into the working copy in one transaction (SQLite's backup API), so
// the file is either fully restored or left exactly as it was. Callers refill their
// views afterwards; this class knows no views and shows nothing.
#include <sqlite3.h>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

// The bytes of one database file, as sqlite3_serialize gives them, in shared chunks.
class CDbImage {
public:
    static constexpr size_t kChunkBytes = 4096;

    // Reads the main database of `db`. Chunks equal to those of `previous` at the same
    // offset are shared with it. 0, or the negated SQLite code.
    int Take(sqlite3* db, const CDbImage* previous);
    // Writes the image back over the main database of `db` in one transaction; on any
    // failure `db` keeps its contents. 0, or the negated SQLite code.
    int RestoreInto(sqlite3* db) const;

    size_t Bytes() const { return m_bytes; }
    bool Empty() const { return m_chunks.empty(); }
    // Adds each chunk's address and size to `visit`, for counting shared memory once.
    void ForEachChunk(const std::function<void(const void* chunk, size_t bytes)>& visit) const;

private:
    using Chunk = std::vector<unsigned char>;
    std::vector<std::shared_ptr<const Chunk>> m_chunks;
    size_t m_bytes = 0;
};

class CUndoHistory {
public:
    static constexpr size_t kDefaultByteLimit = 64u * 1024u * 1024u;

    CUndoHistory();
    ~CUndoHistory();
    CUndoHistory(const CUndoHistory&) = delete;
    CUndoHistory& operator=(const CUndoHistory&) = delete;

    bool CanUndo() const { return !m_undo.empty(); }
    bool CanRedo() const { return !m_redo.empty(); }
    // The names of the steps that Undo and Redo would take back or do again.
    std::string UndoName() const;
    std::string RedoName() const;
    size_t UndoCount() const { return m_undo.size(); }
    size_t RedoCount() const { return m_redo.size(); }

    // Restore the working copy to before the last step (or after the last undone one).
    // 0 on success; otherwise the negated SQLite code, with the working copy and the
    // history as they were. Refused (-SQLITE_MISUSE) while no database is open, while a
    // step is open or a transaction is running.
    int Undo();
    int Redo();

    // Forgets every step: a file was opened, created or closed.
    void Clear();

    // Memory held by the snapshots, chunks shared between them counted once.
    size_t MemoryBytes() const;
    size_t ByteLimit() const { return m_byteLimit; }
    void SetByteLimit(size_t bytes);

    // The working copy's contents equal what was last saved (or opened). Writes outside
    // a step make that unknown, which reads as "not saved".
    void MarkSaved() { m_savedState = m_currentState; }
    bool AtSavedState() const { return m_savedState == m_currentState; }
    // Names the working copy's contents: it changes with every step recorded, undone or
    // redone and every write outside a step.
    uint64_t CurrentState() const { return m_currentState; }

    // Called after each change of the steps (recorded, undone, redone, cleared), so
    // menus can follow.
    void SetChangeListener(std::function<void()> listener) { m_listener = std::move(listener); }

    // The open step's nesting depth; 0 outside any command.
    int OpenSteps() const { return m_depth; }

private:
    friend class CUndoStep;
    struct Entry {
        std::string name;
        CDbImage image;
        uint64_t state = 0; // which contents the image holds
    };

    void BeginStep(const std::string& name);
    void RenameStep(const std::string& name);
    void EndStep();
    void BeforeWrite();
    static void WriteHook();
    int Travel(std::vector<Entry>& from, std::vector<Entry>& to);
    const CDbImage* NewestImage() const;
    void Trim();
    void Changed();

    std::vector<Entry> m_undo; // oldest first
    std::vector<Entry> m_redo; // the next redo last
    size_t m_byteLimit = kDefaultByteLimit;
    std::function<void()> m_listener;

    // The step being run.
    int m_depth = 0;
    std::string m_stepName;
    CDbImage m_stepImage;
    bool m_stepTaken = false;
    bool m_stepFailed = false;
    sqlite3_int64 m_changesAtSnapshot = 0;

    uint64_t m_nextState = 1;
    uint64_t m_currentState = 0;
    uint64_t m_savedState = 0;
};

// The process-wide history of the working copy g_db.
CUndoHistory& UndoHistory();

// One user command: see the top of this file.
class CUndoStep {
public:
    explicit CUndoStep(const std::string& name);
    ~CUndoStep();
    CUndoStep(const CUndoStep&) = delete;
    CUndoStep& operator=(const CUndoStep&) = delete;

    void SetName(const std::string& name);
};
