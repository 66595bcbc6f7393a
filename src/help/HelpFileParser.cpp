#include "HelpFileParser.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QStringDecoder>

#include <algorithm>

namespace help {
namespace {

constexpr qint64 maxFileSize = 16 * 1024 * 1024;

using Severity = HelpDiagnostic::Severity;

struct TopicDraft
{
    HelpTopic topic;
    bool hasTitle = false;
    bool inBody = false;
    int bodyStartLine = 0;
    QStringList bodyLines;
};

class Parser
{
public:
    HelpFile parse(const QByteArray& bytes, const QString& path);

private:
    void error(int line, const QString& message)
    {
        m_file.diagnostics.append({Severity::Error, line, message});
    }
    void warning(int line, const QString& message)
    {
        m_file.diagnostics.append({Severity::Warning, line, message});
    }

    void handleLine(int lineNo, const QString& line);
    void handleDirective(int lineNo, const QString& name, const QString& argument);
    void startTopic(int lineNo, const QString& id);
    void finishTopic();
    void checkLinks();

    HelpFile m_file;
    std::optional<TopicDraft> m_draft;
    QHash<QString, int> m_firstLineOfId;
    QList<int> m_bodyStartLines; // parallel to m_file.topics
    bool m_reportedStrayText = false;
};

HelpFile Parser::parse(const QByteArray& bytes, const QString& path)
{
    m_file.path = path;
    QByteArray data = bytes;
    if (data.startsWith("\xEF\xBB\xBF"))
        data.remove(0, 3);
    if (data.isEmpty()) {
        error(0, QStringLiteral("the help file is empty"));
        return std::move(m_file);
    }

    const QList<QByteArray> rawLines = data.split('\n');
    for (qsizetype i = 0; i < rawLines.size(); ++i) {
        const int lineNo = static_cast<int>(i + 1);
        QByteArray raw = rawLines[i];
        if (raw.endsWith('\r'))
            raw.chop(1);
        QStringDecoder decoder(QStringDecoder::Utf8);
        const QString line = decoder(raw);
        if (decoder.hasError()) {
            error(lineNo, QStringLiteral("the line is not valid UTF-8 text"));
            continue;
        }
        handleLine(lineNo, line);
    }
    finishTopic();

    if (m_file.topics.isEmpty() && !m_file.hasErrors())
        error(0, QStringLiteral("the help file holds no topics (a topic starts with @topic)"));
    checkLinks();

    std::stable_sort(m_file.diagnostics.begin(), m_file.diagnostics.end(),
                     [](const HelpDiagnostic& a, const HelpDiagnostic& b) { return a.line < b.line; });
    // Half a help file would hide the rest of the problem from its author.
    if (m_file.hasErrors())
        m_file.topics.clear();
    return std::move(m_file);
}

void Parser::handleLine(int lineNo, const QString& line)
{
    if (line.startsWith(QLatin1Char('@')) && !line.startsWith(QLatin1String("@@"))) {
        const qsizetype end = line.indexOf(QRegularExpression(QStringLiteral("\\s")));
        const QString name = line.mid(1, end < 0 ? -1 : end - 1);
        const QString argument = end < 0 ? QString() : line.mid(end).trimmed();
        handleDirective(lineNo, name, argument);
        return;
    }
    const QString text = line.startsWith(QLatin1String("@@")) ? line.mid(1) : line;

    if (!m_draft) {
        if (!text.trimmed().isEmpty() && !m_reportedStrayText) {
            error(lineNo, QStringLiteral("text before the first @topic"));
            m_reportedStrayText = true;
        }
        return;
    }
    if (!m_draft->inBody) {
        if (text.trimmed().isEmpty())
            return;
        m_draft->inBody = true;
        m_draft->bodyStartLine = lineNo;
    }
    m_draft->bodyLines.append(text);
}

void Parser::handleDirective(int lineNo, const QString& name, const QString& argument)
{
    if (name == QLatin1String("topic")) {
        startTopic(lineNo, argument);
        return;
    }
    if (name != QLatin1String("title") && name != QLatin1String("keywords")) {
        error(lineNo, QStringLiteral("unknown directive \"@%1\"").arg(name));
        return;
    }
    if (!m_draft) {
        error(lineNo, QStringLiteral("@%1 before the first @topic").arg(name));
        return;
    }
    if (m_draft->inBody) {
        error(lineNo, QStringLiteral("@%1 must come before the text of topic \"%2\"")
                          .arg(name, m_draft->topic.id));
        return;
    }

    if (name == QLatin1String("title")) {
        if (m_draft->hasTitle)
            error(lineNo, QStringLiteral("second @title in topic \"%1\"").arg(m_draft->topic.id));
        else if (argument.isEmpty())
            error(lineNo, QStringLiteral("@title needs a text"));
        m_draft->hasTitle = true; // an empty title is reported once, here
        m_draft->topic.title = argument;
        return;
    }

    int added = 0;
    for (const QString& part : argument.split(QLatin1Char(';'))) {
        const QString keyword = part.simplified();
        if (keyword.isEmpty())
            continue;
        ++added;
        if (!m_draft->topic.keywords.contains(keyword))
            m_draft->topic.keywords.append(keyword);
    }
    if (added == 0)
        error(lineNo, QStringLiteral("@keywords needs at least one keyword"));
}

void Parser::startTopic(int lineNo, const QString& id)
{
    finishTopic();
    static const QRegularExpression validId(QStringLiteral("^[A-Za-z0-9][A-Za-z0-9_.-]*$"));
    if (id.isEmpty()) {
        error(lineNo, QStringLiteral("@topic needs an id"));
    } else if (!validId.match(id).hasMatch()) {
        error(lineNo, QStringLiteral("topic id \"%1\" may hold only letters, digits, "
                                     "'-', '_' and '.'")
                          .arg(id));
    } else if (const auto it = m_firstLineOfId.constFind(id); it != m_firstLineOfId.cend()) {
        error(lineNo,
              QStringLiteral("duplicate topic id \"%1\" (first used on line %2)").arg(id).arg(*it));
    } else {
        m_firstLineOfId.insert(id, lineNo);
    }
    m_draft.emplace();
    m_draft->topic.id = id;
    m_draft->topic.line = lineNo;
}

void Parser::finishTopic()
{
    if (!m_draft)
        return;
    TopicDraft draft = std::move(*m_draft);
    m_draft.reset();

    if (!draft.hasTitle)
        error(draft.topic.line, QStringLiteral("topic \"%1\" has no @title").arg(draft.topic.id));
    while (!draft.bodyLines.isEmpty() && draft.bodyLines.constLast().trimmed().isEmpty())
        draft.bodyLines.removeLast();
    if (draft.bodyLines.isEmpty())
        warning(draft.topic.line, QStringLiteral("topic \"%1\" has no text").arg(draft.topic.id));
    draft.topic.body = draft.bodyLines.join(QLatin1Char('\n'));
    m_file.topics.append(std::move(draft.topic));
    m_bodyStartLines.append(draft.bodyStartLine);
}

void Parser::checkLinks()
{
    // The target of a Markdown link: "](target)" or "](<target>)", up to a blank or ")".
    static const QRegularExpression linkTarget(QStringLiteral("\\]\\(\\s*<?([^\\s)>]+)"));
    static const QRegularExpression webAddress(QStringLiteral("^(https?|mailto):"),
                                               QRegularExpression::CaseInsensitiveOption);
    const QString topicPrefix = QString::fromUtf16(topicLinkScheme) + QLatin1Char(':');

    for (qsizetype t = 0; t < m_file.topics.size(); ++t) {
        const QStringList lines = m_file.topics[t].body.split(QLatin1Char('\n'));
        for (qsizetype i = 0; i < lines.size(); ++i) {
            const int lineNo = m_bodyStartLines[t] + static_cast<int>(i);
            auto matches = linkTarget.globalMatch(lines[i]);
            while (matches.hasNext()) {
                const QString target = matches.next().captured(1);
                if (target.startsWith(topicPrefix)) {
                    const QString id = target.mid(topicPrefix.size());
                    if (!m_file.topic(id))
                        warning(lineNo, QStringLiteral("link to unknown topic \"%1\"").arg(id));
                } else if (!webAddress.match(target).hasMatch()) {
                    warning(lineNo, QStringLiteral("link \"%1\" is neither a topic: link nor a "
                                                   "web address")
                                        .arg(target));
                }
            }
        }
    }
}

} // namespace

HelpFile parseHelpText(const QByteArray& bytes, const QString& path)
{
    return Parser().parse(bytes, path);
}

HelpFile loadHelpFile(const QString& path)
{
    HelpFile failed;
    failed.path = path;
    const QFileInfo info(path);
    if (!info.exists()) {
        failed.diagnostics.append({Severity::Error, 0, QStringLiteral("the help file does not exist")});
        return failed;
    }
    if (info.isDir()) {
        failed.diagnostics.append({Severity::Error, 0, QStringLiteral("this is a folder, not a help file")});
        return failed;
    }
    if (info.size() > maxFileSize) {
        failed.diagnostics.append({Severity::Error, 0, QStringLiteral("the file is too large for a help file")});
        return failed;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        failed.diagnostics.append(
            {Severity::Error, 0, QStringLiteral("the help file cannot be read: %1").arg(file.errorString())});
        return failed;
    }
    return parseHelpText(file.readAll(), path);
}

} // namespace help
