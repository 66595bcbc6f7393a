#include "HelpCommandLine.h"

namespace help {
namespace {

HelpCommandLine invalid(const QString& error)
{
    HelpCommandLine result;
    result.error = error;
    return result;
}

std::optional<quint64> parseWindowId(const QString& text)
{
    bool ok = false;
    const quint64 value = text.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)
                              ? text.mid(2).toULongLong(&ok, 16)
                              : text.toULongLong(&ok, 10);
    return ok ? std::optional<quint64>(value) : std::nullopt;
}

} // namespace

HelpCommandLine parseHelpCommandLine(const QStringList& arguments)
{
    std::optional<HelpCommandLine::Action> action;
    HelpCommandLine result;
    QStringList files;
    bool optionsEnded = false;

    const auto setAction = [&action](HelpCommandLine::Action wanted) {
        if (action)
            return false;
        action = wanted;
        return true;
    };

    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& arg = arguments[i];
        if (optionsEnded || !arg.startsWith(QLatin1Char('-')) || arg == QLatin1String("-")) {
            files.append(arg);
            continue;
        }
        const bool hasValue = i + 1 < arguments.size();
        if (arg == QLatin1String("--")) {
            optionsEnded = true;
        } else if (arg == QLatin1String("--contents")) {
            if (!setAction(HelpCommandLine::Action::Show))
                return invalid(QStringLiteral("--contents cannot be combined with another request"));
            result.request.mode = HelpRequest::Mode::Contents;
        } else if (arg == QLatin1String("--partial-key")) {
            if (!hasValue)
                return invalid(QStringLiteral("--partial-key needs a keyword (it may be \"\")"));
            if (!setAction(HelpCommandLine::Action::Show))
                return invalid(QStringLiteral("--partial-key cannot be combined with another request"));
            result.request.mode = HelpRequest::Mode::Index;
            result.request.keyword = arguments[++i];
        } else if (arg == QLatin1String("--owner")) {
            if (!hasValue)
                return invalid(QStringLiteral("--owner needs a window id"));
            if (result.request.owner)
                return invalid(QStringLiteral("--owner is given twice"));
            result.request.owner = parseWindowId(arguments[++i]);
            if (!result.request.owner)
                return invalid(QStringLiteral("--owner needs a window id, not \"%1\"").arg(arguments[i]));
        } else if (arg == QLatin1String("--check")) {
            if (!setAction(HelpCommandLine::Action::Check))
                return invalid(QStringLiteral("--check cannot be combined with another request"));
        } else if (arg == QLatin1String("--help") || arg == QLatin1String("-h")) {
            result.action = HelpCommandLine::Action::Usage;
            return result;
        } else if (arg == QLatin1String("--version")) {
            result.action = HelpCommandLine::Action::Version;
            return result;
        } else {
            return invalid(QStringLiteral("unknown option \"%1\"").arg(arg));
        }
    }

    if (!action)
        return invalid(QStringLiteral("say what to show: --contents or --partial-key"));
    if (files.isEmpty())
        return invalid(QStringLiteral("no help file given"));
    if (files.size() > 1)
        return invalid(QStringLiteral("only one help file can be given, not %1").arg(files.size()));
    if (files.constFirst().isEmpty())
        return invalid(QStringLiteral("the help file's name is empty"));

    result.action = *action;
    result.request.file = files.constFirst();
    return result;
}

QString helpUsageText(const QString& program)
{
    return QStringLiteral(
               "Usage: %1 --contents FILE [--owner WINDOWID]\n"
               "       %1 --partial-key KEYWORD FILE [--owner WINDOWID]\n"
               "       %1 --check FILE\n"
               "\n"
               "  --contents           show the help file's contents and its first topic\n"
               "  --partial-key KEYWORD\n"
               "                       show the index, its keyword field holding KEYWORD\n"
               "                       (which may be \"\")\n"
               "  --owner WINDOWID     the asking window's native id (decimal or 0x...)\n"
               "  --check              list the problems of FILE; exit 1 if there are any\n"
               "  --help, --version    print this text or the version\n"
               "\n"
               "A help file that is already open in a viewer is shown by that viewer.\n")
        .arg(program);
}

} // namespace help
