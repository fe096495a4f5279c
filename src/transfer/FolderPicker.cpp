#include "FolderPicker.h"

#include "seams/FileChooser.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <cstring>

void CFolderPicker::SetTitle(const char* title) {
    if (title == nullptr) {
        return;
    }
    QString text = QCoreApplication::translate("FolderPicker", title);
    // The receiver editor's title buffer holds 259 characters.
    text.truncate(static_cast<qsizetype>(kFolderPathSize - 1));
    m_title = text;
}

CFolderPicker::Result CFolderPicker::Choose(QWidget* owner, std::span<char, kFolderPathSize> result) {
    const QString chosen = FileChooser::GetExistingDirectory(owner, m_title);
    if (chosen.isEmpty()) {
        return Cancelled;
    }
    const QFileInfo info(chosen);
    if (!info.isDir()) {
        return NoPath;
    }
    const QByteArray path = QFile::encodeName(info.absoluteFilePath());
    if (static_cast<std::size_t>(path.size()) >= result.size()) {
        return NoPath;
    }
    std::memcpy(result.data(), path.constData(), static_cast<std::size_t>(path.size()) + 1);
    m_displayName = info.fileName();
    return PathWritten;
}
