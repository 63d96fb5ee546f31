// Checks the catalogues against the program: every text marked UI_TEXT in the
// sources has a finished translation in every catalogue, none is left over,
// each keeps the placeholders, key names, options and file patterns of its
// text, and the mnemonics of one menu stay apart. With --missing it writes
// the messages a catalogue lacks, ready to be translated and pasted in.
//
//   catalogue_check SOURCE_DIR CATALOGUE.ts...
//   catalogue_check --missing SOURCE_DIR CATALOGUE.ts

#include <QCoreApplication>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QRegularExpression>
#include <QSet>
#include <QTextStream>
#include <QXmlStreamReader>

#include <cstdio>
#include <map>
#include <span>

#include "control/commands/commands.h"

namespace {

/// The C escapes the marked texts use.
QByteArray unescaped(const QByteArray& literal, bool& ok)
{
    QByteArray text;
    for (qsizetype i = 0; i < literal.size(); ++i) {
        const char c = literal[i];
        if (c != '\\') {
            text += c;
            continue;
        }
        if (++i >= literal.size())
            break;
        switch (literal[i]) {
        case 'n':
            text += '\n';
            break;
        case 't':
            text += '\t';
            break;
        case '"':
        case '\\':
        case '\'':
            text += literal[i];
            break;
        case 'u': {
            const uint code = literal.mid(i + 1, 4).toUInt(&ok, 16);
            text += QString(QChar(char16_t(code))).toUtf8();
            i += 4;
            break;
        }
        default:
            ok = false;
        }
    }
    return text;
}

/// Every text marked UI_TEXT("...") (adjacent literals joined) in one file.
void collect(const QString& path, QMap<QString, QString>& texts, int& faults)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QByteArray code = file.readAll();
    static const QByteArray mark = "UI_TEXT(";
    for (qsizetype at = code.indexOf(mark); at >= 0; at = code.indexOf(mark, at + 1)) {
        if (at > 0 &&
            (std::isalnum(static_cast<unsigned char>(code[at - 1])) || code[at - 1] == '_'))
            continue;
        qsizetype i = at + mark.size();
        QByteArray text;
        bool literal_found = false;
        bool ok = true;
        while (i < code.size()) {
            while (i < code.size() && std::isspace(static_cast<unsigned char>(code[i])))
                ++i;
            if (i >= code.size() || code[i] != '"')
                break;
            qsizetype end = i + 1;
            while (end < code.size() && code[end] != '"')
                end += code[end] == '\\' ? 2 : 1;
            text += unescaped(code.mid(i + 1, end - i - 1), ok);
            literal_found = true;
            i = end + 1;
        }
        if (!literal_found)
            continue; // the mark's own definition
        const int line = int(code.left(at).count('\n')) + 1;
        if (!ok || i >= code.size() || code[i] != ')') {
            std::fprintf(stderr, "%s:%d: a marked text must be string literals alone\n",
                         qPrintable(path), line);
            ++faults;
            continue;
        }
        texts.insert(QString::fromUtf8(text), QString("%1:%2").arg(path).arg(line));
    }
}

struct Message
{
    QString translation;
    QString type;
};

QMap<QString, Message> read_catalogue(const QString& path, QString& language, int& faults)
{
    QMap<QString, Message> messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "%s: cannot be read\n", qPrintable(path));
        ++faults;
        return messages;
    }
    QXmlStreamReader xml(&file);
    QString context, source;
    Message message;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == u"TS") {
            language = xml.attributes().value("language").toString();
        } else if (xml.name() == u"name") {
            context = xml.readElementText();
            if (context != "Cuedeck") {
                std::fprintf(stderr, "%s: the scope %s is not the program's (Cuedeck)\n",
                             qPrintable(path), qPrintable(context));
                ++faults;
            }
        } else if (xml.name() == u"source") {
            source = xml.readElementText();
        } else if (xml.name() == u"translation") {
            message.type = xml.attributes().value("type").toString();
            message.translation = xml.readElementText();
            if (messages.contains(source)) {
                std::fprintf(stderr, "%s: \"%s\" is translated twice\n", qPrintable(path),
                             qPrintable(source));
                ++faults;
            }
            messages.insert(source, message);
        }
    }
    if (xml.hasError()) {
        std::fprintf(stderr, "%s:%lld: %s\n", qPrintable(path), xml.lineNumber(),
                     qPrintable(xml.errorString()));
        ++faults;
    }
    return messages;
}

/// What a translation must keep as its text has it: placeholders, function
/// keys, command-line options, file patterns, and a file filter's patterns
/// (in "Description (*.a)|*.a||" every second part).
QStringList kept_words(const QString& text)
{
    static const QRegularExpression words(R"(%[1-9]|\bF[0-9]+\b|--[a-z][a-z-]*|\*\.[a-z0-9]+)");
    QStringList kept;
    for (auto match = words.globalMatch(text); match.hasNext();)
        kept.append(match.next().captured());
    kept.sort();
    const QStringList parts = text.split('|');
    for (qsizetype i = 1; i < parts.size(); i += 2)
        kept.append('|' + parts[i]);
    return kept;
}

/// The letter after a lone '&', lowercased; none when there is none.
QChar mnemonic(const QString& text)
{
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] == '&') {
            if (text[i + 1] != '&')
                return text[i + 1].toLower();
            ++i;
        }
    }
    return {};
}

int check(const QString& path, const QMap<QString, QString>& texts)
{
    int faults = 0;
    QString language;
    const QMap<QString, Message> messages = read_catalogue(path, language, faults);
    const auto fault = [&](const QString& what) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(path), qPrintable(what));
        ++faults;
    };
    for (auto text = texts.begin(); text != texts.end(); ++text) {
        const auto found = messages.find(text.key());
        if (found == messages.end()) {
            fault(QString("lacks \"%1\" (%2)").arg(text.key(), text.value()));
            continue;
        }
        const Message& message = found.value();
        if (!message.type.isEmpty() || message.translation.isEmpty()) {
            fault(QString("\"%1\" is not finished").arg(text.key()));
            continue;
        }
        if (kept_words(text.key()) != kept_words(message.translation))
            fault(QString("\"%1\" does not keep %2")
                      .arg(message.translation, kept_words(text.key()).join(' ')));
        if (mnemonic(text.key()).isNull() != mnemonic(message.translation).isNull())
            fault(QString("\"%1\" and \"%2\" differ in their shortcut letter")
                      .arg(text.key(), message.translation));
    }
    for (auto message = messages.begin(); message != messages.end(); ++message) {
        if (!texts.contains(message.key()))
            fault(QString("\"%1\" is no text of the program any more").arg(message.key()));
    }

    // One menu's items, and the menu bar's titles, each with a letter of its own.
    std::map<QString, QMap<QChar, QString>> menus;
    const auto translation = [&](const char* english) {
        const auto found = messages.find(QString::fromUtf8(english));
        return found == messages.end() ? QString::fromUtf8(english) : found->translation;
    };
    const auto take_letter = [&](const QString& menu, const QString& text) {
        const QChar letter = mnemonic(text);
        if (letter.isNull())
            return;
        QMap<QChar, QString>& letters = menus[menu];
        if (letters.contains(letter) && letters[letter] != text)
            fault(QString("in %1, \"%2\" and \"%3\" share the letter %4")
                      .arg(menu, letters[letter], text, letter));
        letters.insert(letter, text);
    };
    for (const auto table :
         {cuedeck::menu_table(), cuedeck::speed_menu_table(), cuedeck::loop_menu_table(),
          cuedeck::aids_menu_table(), cuedeck::phrase_menu_table()}) {
        for (const cuedeck::MenuItem& item : table) {
            take_letter("the menu bar", translation(item.menu));
            take_letter(translation(item.menu), translation(item.label));
        }
    }
    std::printf("%s: %s, %lld texts\n", qPrintable(QFileInfo(path).fileName()),
                faults == 0 ? "complete" : "faulty", static_cast<long long>(texts.size()));
    return faults;
}

QString escaped(const QString& text)
{
    return text.toHtmlEscaped();
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    QStringList arguments = application.arguments().mid(1);
    const bool missing = !arguments.isEmpty() && arguments.first() == "--missing";
    if (missing)
        arguments.removeFirst();
    if (arguments.size() < 2) {
        std::fprintf(stderr, "usage: catalogue_check [--missing] SOURCE_DIR CATALOGUE.ts...\n");
        return 2;
    }
    const QString root = arguments.takeFirst();
    QMap<QString, QString> texts;
    int faults = 0;
    for (const char* folder :
         {"base", "files", "player", "system", "control", "front", "ui", "desktop", "app"}) {
        QDirIterator files(root + "/" + folder, {"*.h", "*.cpp"}, QDir::Files,
                           QDirIterator::Subdirectories);
        while (files.hasNext())
            collect(files.next(), texts, faults);
    }
    if (texts.isEmpty()) {
        std::fprintf(stderr, "no marked text found under %s\n", qPrintable(root));
        return 1;
    }
    if (missing) {
        QString language;
        const auto messages = read_catalogue(arguments.first(), language, faults);
        QTextStream out(stdout);
        for (auto text = texts.begin(); text != texts.end(); ++text) {
            if (!messages.contains(text.key()))
                out << "    <message>\n        <source>" << escaped(text.key())
                    << "</source>\n        <translation type=\"unfinished\"></translation>\n"
                       "    </message>\n";
        }
        return 0;
    }
    for (const QString& catalogue : arguments)
        faults += check(catalogue, texts);
    return faults == 0 ? 0 : 1;
}
