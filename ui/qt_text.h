#pragma once

#include <QFile>
#include <QString>

#include <string>

namespace cuedeck {

/// Texts and paths between the core, which keeps them as the file system's
/// bytes, and Qt.
inline QString to_qt(const std::string& text)
{
    return QFile::decodeName(QByteArray::fromStdString(text));
}

inline std::string from_qt(const QString& text)
{
    return QFile::encodeName(text).toStdString();
}

} // namespace cuedeck
