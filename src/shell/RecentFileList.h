#pragma once
// The File menu's list of the last files used, newest first, kept in the per-user
// settings store under "Recent File List" (File1 .. File4).
#include <QStringList>

class CRecentFileList {
public:
    explicit CRecentFileList(int size = 4);

    void Load();
    void Save() const;
    // Moves (or puts) the path to the front, dropping the oldest past the size.
    void Add(const QString& path);
    void Remove(const QString& path);
    const QStringList& Files() const { return m_files; }

private:
    int m_size;
    QStringList m_files;
};
