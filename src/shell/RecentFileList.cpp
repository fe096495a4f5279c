#include "shell/RecentFileList.h"

#include <QDir>
#include <QSettings>

namespace {
const char* const kSection = "Recent File List";
}

CRecentFileList::CRecentFileList(int size) : m_size(size) {}

void CRecentFileList::Load() {
    QSettings settings;
    settings.beginGroup(QLatin1String(kSection));
    m_files.clear();
    for (int i = 1; i <= m_size; ++i) {
        const QString path = settings.value(QStringLiteral("File%1").arg(i)).toString();
        if (!path.isEmpty() && !m_files.contains(path)) {
            m_files.append(path);
        }
    }
}

void CRecentFileList::Save() const {
    QSettings settings;
    settings.beginGroup(QLatin1String(kSection));
    for (int i = 1; i <= m_size; ++i) {
        const QString key = QStringLiteral("File%1").arg(i);
        if (i <= m_files.size()) {
            settings.setValue(key, m_files.at(i - 1));
        } else {
            settings.remove(key);
        }
    }
}

void CRecentFileList::Add(const QString& path) {
    const QString clean = QDir::cleanPath(path);
    m_files.removeAll(clean);
    m_files.prepend(clean);
    while (m_files.size() > m_size) {
        m_files.removeLast();
    }
    Save();
}

void CRecentFileList::Remove(const QString& path) {
    m_files.removeAll(QDir::cleanPath(path));
    Save();
}
