#pragma once
// Steps both transfer dialogs take: the announcement through Kivra, files opened for
// the workers, and the texts the dialogs show.
#include "usblib/platform/UniqueFd.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>

namespace transfer {

inline constexpr const char* kNotConnected = QT_TRANSLATE_NOOP("TransferSteps", "USB is not connected. Try again!");

// What the dialogs say when the receiver does not answer: why the device folder is not
// used when it is not private, otherwise kNotConnected.
QString NotConnectedMessage();

// Announces a transfer with request `code` and a header naming `name` and `size`;
// true when the receiver took it.
bool Announce(uint32_t code, const char* name, uint32_t size);

// The file's size, or nothing when it does not open for reading or does not fit the
// receiver's 32-bit size field.
std::optional<uint32_t> FileSize(const std::string& path);

// Opens `path` for reading (every other reader and writer may keep it open).
platform::CUniqueFd OpenForReading(const std::string& path);

// The path as the file system takes it.
std::string Native(const QString& path);

// The steps of one transfer, each with the seconds since `start` ("  0.12 s  probe: ...").
class CStepLog {
public:
    using Clock = std::chrono::steady_clock;
    explicit CStepLog(QStringList& steps, Clock::time_point start = Clock::now()) : m_steps(steps), m_start(start) {}
    double Seconds() const { return std::chrono::duration<double>(Clock::now() - m_start).count(); }
    void Add(const QString& step) { m_steps << QStringLiteral("%1 s  %2").arg(Seconds(), 6, 'f', 2).arg(step); }

private:
    QStringList& m_steps;
    const Clock::time_point m_start;
};

} // namespace transfer
