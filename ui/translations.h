#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class QCoreApplication;

namespace cuedeck {

/// The languages the user asked for, first choice first, as the desktop's
/// variables give them: LANGUAGE (a list: "de:fr"), then the first of
/// LC_ALL, LC_MESSAGES and LANG that is set. "C" and "POSIX" mean English;
/// a region and a codeset are kept off ("de_AT.UTF-8" gives "de_AT", "de").
QStringList wanted_languages(const std::function<QString(const char*)>& variable);

/// Load the catalogue of the first wanted language Cuedeck has, with Qt's
/// own for its dialogs and buttons, and have the core's texts translated
/// through it. Nothing is loaded for English. Gives the language used
/// ("de", "pt_BR"), empty for English.
QString use_user_language(QCoreApplication& application);

/// Load `language`'s catalogues in place of any loaded before ("en": none);
/// false when Cuedeck has no catalogue for it.
bool use_language(QCoreApplication& application, const QString& language);

/// The languages Cuedeck has catalogues for, besides English.
QStringList catalogue_languages();

} // namespace cuedeck
