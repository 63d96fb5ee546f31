#pragma once

#include <QCoreApplication>
#include <QFile>
#include <QString>

#include <string>

#include "base/translation.h"

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

/// Where the catalogues keep the program's texts: one scope for all.
constexpr const char* translation_scope = "Cuedeck";

/// A text marked with UI_TEXT, in the user's language.
inline QString ui_text(const char* english)
{
    return QCoreApplication::translate(translation_scope, english);
}

} // namespace cuedeck
