#include "seams/NativeNames.h"

#include <QFile>

namespace nativenames {

std::vector<std::string> RawArguments(const QStringList& decoded, const std::vector<std::string>& raw) {
    std::vector<std::string> found;
    for (size_t i = 1; i < raw.size() && found.size() < static_cast<size_t>(decoded.size()); ++i) {
        if (QString::fromLocal8Bit(raw[i]) == decoded.at(static_cast<qsizetype>(found.size()))) {
            found.push_back(raw[i]);
        }
    }
    return found.size() == static_cast<size_t>(decoded.size()) ? found : std::vector<std::string>{};
}

bool RoundTrips(const std::string& name) {
    return QFile::encodeName(QFile::decodeName(QByteArray::fromStdString(name))).toStdString() == name;
}

} // namespace nativenames
