#pragma once
// Replaces a file with a byte copy of another so that a crash, a kill or a full disk
// at any moment leaves the target either as it was or complete: the bytes go into a
// temporary file in the target's folder, are flushed to disk, and the temporary is
// renamed over the target. An existing target keeps its permission bits. A target that
// is a symbolic link is written through: the file it names is replaced and the link
// stays. A journal or WAL left beside the target by an earlier writer is resolved
// before the rename, so SQLite never applies it to the new contents.
#include <cstdint>
#include <string>

#include <sys/stat.h>
#include <sys/types.h>

namespace filecopy {

// Which of the two paths are the editor's own files, never followed through a link: a
// link planted there is refused (source) or never written through (target).
// With kDatabasePages the source is an SQLite database and only the pages its header
// counts are copied: bytes past them (a sparse or padded file) are no part of it.
enum OwnFile { kNoOwnFile = 0, kOwnSource = 1, kOwnTarget = 2, kDatabasePages = 4 };

// What a copy read and wrote, learnt in its one pass over the bytes.
struct CopyInfo {
    struct stat source {};  // the source as it was opened
    struct stat written {}; // the new target, flushed, as the rename put it in place
    std::uint64_t hash = 0; // FNV-1a 64 of the bytes copied
    off_t bytes = 0;        // how many were copied
};

// True on success; otherwise false with a short reason in *error. `info`, when given,
// receives what was copied.
bool ReplaceWithCopy(const std::string& source, const std::string& target, std::string* error,
                     int ownFiles = kNoOwnFile, CopyInfo* info = nullptr);

// FNV-1a 64 of the first `limit` bytes of the open file `fd` read from its start
// (fewer when it ends first), continuing from `hash`; cheap, and enough to tell a
// rewrite that kept size and time.
inline constexpr std::uint64_t kHashStart = 14695981039346656037ULL;
std::uint64_t HashFile(int fd, off_t limit, std::uint64_t hash = kHashStart);

// How many bytes of an SQLite database file with these first bytes SQLite reads: the
// page size times the page count its header holds, or -1 when the header does not say
// (too short, not a database, a count older versions of SQLite left stale).
off_t DatabaseBytes(const unsigned char* header, size_t size);

// The file a path finally names once every symbolic link on the way is followed (the
// last one may dangle); `path` itself when it is no link.
std::string FollowLinks(const std::string& path);

// True when `path` (followed through links) exists and must not be replaced: the
// process may not write it, or no one may (no write bit at all, which even root's
// writes must respect, since the replace by rename would ignore the bits).
bool IsReadOnlyFile(const std::string& path);

// ---- test seams -------------------------------------------------------------------
// The system calls behind every disk step, called through this table so that a test
// can record the real calls (which file was flushed, what was renamed) and make any
// one fail. The defaults are the system's own.
struct SystemCalls {
    int (*open)(const char* path, int flags, mode_t mode);
    int (*mkostemp)(char* pattern, int flags);
    ssize_t (*read)(int fd, void* data, size_t size);
    ssize_t (*write)(int fd, const void* data, size_t size);
    int (*fsync)(int fd);
    int (*rename)(const char* from, const char* to);
};
SystemCalls& Calls();
const SystemCalls& SystemDefaults();

// The steps of ReplaceWithCopy that touch the disk, in the order they run:
//   Open     creating the temporary file in the target's folder
//   Write    each write() of a block into it (a 64 KiB block per call)
//   Flush    fsync() of the temporary file
//   Rename   rename() of the temporary over the target
//   DirSync  fsync() of the target's folder
// Every call of a step is counted (from 1 after ResetSteps), so a test can prove that
// the flush ran, and any one call can be made to fail with a chosen errno as if the
// system had refused it. Process-wide, for one thread; off until a test arms it.
enum class Step { Open, Write, Flush, Rename, DirSync };
inline constexpr int kStepCount = 5;

// Makes call number `nthCall` of `step` fail with `errorNumber` (ENOSPC, EIO, ...).
void FailStep(Step step, int nthCall, int errorNumber);
// How often `step` ran (failed calls included) since the last ResetSteps.
int StepCalls(Step step);
// Zeroes the counts and disarms every failure.
void ResetSteps();
// Called just before each step runs, with its call number; a test pauses there.
using StepHook = void (*)(Step step, int call);
void SetStepHook(StepHook hook);

} // namespace filecopy
