#pragma once
// Writes a file that replaces its target only when complete: the bytes go to a
// temporary file beside the target, which Commit syncs and renames over it. Until
// then, and whenever the writer is dropped uncommitted, the target stays as it was.
#include "usblib/platform/UniqueFd.h"

#include <cstdint>
#include <span>
#include <string>

class CAtomicFileWriter {
public:
    CAtomicFileWriter() = default;
    CAtomicFileWriter(const CAtomicFileWriter&) = delete;
    CAtomicFileWriter& operator=(const CAtomicFileWriter&) = delete;
    ~CAtomicFileWriter() { Discard(); }

    bool Open(const std::string& target);
    bool Write(std::span<const uint8_t> data);
    bool Commit();
    void Discard();
    bool IsOpen() const { return m_file.IsValid(); }

private:
    platform::CUniqueFd m_file;
    std::string m_target;
    std::string m_tempPath;
};
