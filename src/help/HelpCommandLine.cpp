// SPDX-License-Identifier: MIT
#include <help/HelpCommandLine.h>

#include <QCommandLineParser>
#include <QFile>

#include <optional>

namespace Help {
namespace {

HelpCommandLine invalid(const QString& error)
{
    HelpCommandLine result;
    result.error = error;
    return result;
}

QString dashed(const QString& name)
{
    return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
}

} // namespace

HelpCommandLine parseHelpCommandLine(const QStringList& arguments)
{
    const QCommandLineOption contents(QStringLiteral("contents"));
    const QCommandLineOption partialKey(QStringLiteral("partial-key"), QString(),
                                        QStringLiteral("KEYWORD"));
    const QCommandLineOption check(QStringLiteral("check"));
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringLiteral("version"));
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOptions({contents, partialKey, check, help, version});

    if (!parser.parse(arguments)) {
        const QStringList unknown = parser.unknownOptionNames();
        if (!unknown.isEmpty())
            return invalid(
                QStringLiteral("unknown option \"%1\"").arg(dashed(unknown.constFirst())));
        // The one option with a value.
        return invalid(QStringLiteral("--partial-key needs a keyword (it may be \"\")"));
    }

    HelpCommandLine result;
    if (parser.isSet(help)) {
        result.action = HelpCommandLine::Action::Usage;
        return result;
    }
    if (parser.isSet(version)) {
        result.action = HelpCommandLine::Action::Version;
        return result;
    }

    // One request, once.
    const QStringList given = parser.optionNames();
    const qsizetype requests = given.count(QStringLiteral("contents")) +
                               given.count(QStringLiteral("partial-key")) +
                               given.count(QStringLiteral("check"));
    if (requests == 0)
        return invalid(QStringLiteral("say what to show: --contents or --partial-key"));
    if (requests > 1) {
        const QString first = given.constFirst();
        return invalid(QStringLiteral("--%1 cannot be combined with another request").arg(first));
    }
    if (parser.isSet(check)) {
        result.action = HelpCommandLine::Action::Check;
    } else {
        result.action = HelpCommandLine::Action::Show;
        if (parser.isSet(partialKey)) {
            result.request.mode = HelpRequest::Mode::Index;
            result.request.keyword = parser.value(partialKey);
        }
    }

    const QStringList files = parser.positionalArguments();
    if (files.isEmpty())
        return invalid(QStringLiteral("no help file given"));
    if (files.size() > 1)
        return invalid(QStringLiteral("only one help file can be given, not %1").arg(files.size()));
    if (files.constFirst().isEmpty())
        return invalid(QStringLiteral("the help file's name is empty"));
    result.request.file = QFile::encodeName(files.constFirst());
    return result;
}

HelpCommandLine parseHelpCommandLine(const QList<QByteArray>& arguments)
{
    // An argument that the way to text and back would change stands in the
    // text as a mark that no text argument can be: U+FFFF and its index.
    constexpr QChar mark = QChar(0xFFFF);
    QStringList texts;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString text = QFile::decodeName(arguments[i]);
        if (QFile::encodeName(text) == arguments[i] && !text.startsWith(mark)) {
            texts << text;
        } else {
            texts << mark + QString::number(i);
        }
    }
    const auto original = [&](const QString& text) -> std::optional<QByteArray> {
        if (!text.startsWith(mark))
            return std::nullopt;
        return arguments.value(text.mid(1).toLongLong());
    };

    HelpCommandLine result = parseHelpCommandLine(texts);
    if (const std::optional<QByteArray> file = original(QFile::decodeName(result.request.file)))
        result.request.file = *file;
    if (const std::optional<QByteArray> keyword = original(result.request.keyword))
        result.request.keyword = QString::fromUtf8(*keyword);
    return result;
}

QString helpUsageText(const QString& program)
{
    return QStringLiteral(
               "Usage: %1 --contents FILE\n"
               "       %1 --partial-key KEYWORD FILE\n"
               "       %1 --check FILE\n"
               "\n"
               "  --contents           show the help file's contents and its first topic\n"
               "  --partial-key KEYWORD\n"
               "                       show the index, its keyword field holding KEYWORD\n"
               "                       (which may be \"\")\n"
               "  --check              list the problems of FILE; exit 1 if there are any\n"
               "  --help, --version    print this text or the version\n"
               "\n"
               "A help file that is already open in a viewer is shown by that viewer.\n")
        .arg(program);
}

} // namespace Help
