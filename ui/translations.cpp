#include "ui/translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>
#include <vector>

#include "ui/qt_text.h"

namespace cuedeck {

namespace {

/// Where the program's catalogues are built into it.
constexpr const char* catalogue_folder = ":/translations/";

std::string translate_for_core(const char* english)
{
    return ui_text(english).toStdString();
}

/// "de_AT.UTF-8@euro" as "de_AT" and "de"; nothing for C and POSIX.
void add_language(QStringList& languages, QString name)
{
    name = name.section('.', 0, 0).section('@', 0, 0).trimmed();
    if (name.isEmpty() || name == "C" || name == "POSIX")
        return;
    for (const QString& form : {name, name.section('_', 0, 0)}) {
        if (!languages.contains(form))
            languages.append(form);
    }
}

} // namespace

QStringList wanted_languages(const std::function<QString(const char*)>& variable)
{
    QStringList languages;
    for (const QString& name : variable("LANGUAGE").split(':', Qt::SkipEmptyParts))
        add_language(languages, name);
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        if (const QString value = variable(name); !value.isEmpty()) {
            add_language(languages, value);
            break;
        }
    }
    return languages;
}

QStringList catalogue_languages()
{
    QStringList languages;
    for (const QString& name : QDir(catalogue_folder).entryList({"cuedeck_*.qm"}))
        languages.append(name.mid(8, name.size() - 8 - 3));
    return languages;
}

bool use_language(QCoreApplication& application, const QString& language)
{
    // At most ours and Qt's, of one language, at a time.
    static std::vector<QTranslator*> loaded;
    for (QTranslator* translator : loaded) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
    loaded.clear();
    if (language == "en")
        return true;
    auto ours = std::make_unique<QTranslator>(&application);
    if (!ours->load(catalogue_folder + QString("cuedeck_%1.qm").arg(language)))
        return false;
    QCoreApplication::installTranslator(ours.get());
    loaded.push_back(ours.release());
    // Qt's own dialogs and buttons (Yes, No, the file chooser), where
    // Debian's catalogues of Qt are installed.
    auto qt = std::make_unique<QTranslator>(&application);
    if (qt->load("qtbase_" + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt.get());
        loaded.push_back(qt.release());
    }
    install_translator(translate_for_core);
    return true;
}

QString use_user_language(QCoreApplication& application)
{
    const QStringList wanted =
        wanted_languages([](const char* name) { return QString::fromLocal8Bit(qgetenv(name)); });
    const QStringList known = catalogue_languages();
    for (const QString& language : wanted) {
        // English is the program's own: it needs no catalogue, and a later
        // choice is not taken over it.
        if (language == "en" || language.startsWith("en_"))
            return {};
        QString found = known.contains(language) ? language : QString();
        // Portuguese of Portugal reads the Brazilian one rather than English.
        for (const QString& near : known) {
            if (found.isEmpty() && !language.contains('_') && near.startsWith(language + '_'))
                found = near;
        }
        if (!found.isEmpty() && use_language(application, found))
            return found;
    }
    return {};
}

} // namespace cuedeck
