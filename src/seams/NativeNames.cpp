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

std::string RawOptionValue(const std::string& name, const QString& value, const std::vector<std::string>& raw) {
    const std::string option = "--" + name;
    std::string found = QFile::encodeName(value).toStdString();
    // "--" ends the options: what follows is positional, whatever it looks like.
    for (size_t i = 1; i < raw.size() && raw[i] != "--"; ++i) {
        std::string given;
        if (raw[i] == option && i + 1 < raw.size()) {
            given = raw[++i];
        } else if (raw[i].starts_with(option + "=")) {
            given = raw[i].substr(option.size() + 1);
        } else {
            continue;
        }
        if (QString::fromLocal8Bit(given) == value) {
            found = given;
        }
    }
    return found;
}

bool RoundTrips(const std::string& name) {
    return QFile::encodeName(QFile::decodeName(QByteArray::fromStdString(name))).toStdString() == name;
}

} // namespace nativenames
