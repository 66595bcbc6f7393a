// SPDX-License-Identifier: MIT
#include <help/DiagnosticList.h>
#include <help/HelpFileParser.h>

#include <QHash>
#include <QSet>
#include <QStringDecoder>

#include <algorithm>
#include <cstring>
#include <optional>

namespace Help {
namespace {

using Severity = HelpDiagnostic::Severity;

bool isBlank(QStringView text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.isSpace(); });
}

// QString::simplified without its two copies for the usual keyword, which has
// nothing to simplify inside.
QString simplified(QStringView text)
{
    text = text.trimmed();
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].isSpace() &&
            (text[i] != u' ' || (i + 1 < text.size() && text[i + 1].isSpace())))
            return text.toString().simplified();
    }
    return text.toString();
}

bool isWebAddress(QStringView target)
{
    return target.startsWith(u"http:", Qt::CaseInsensitive) ||
           target.startsWith(u"https:", Qt::CaseInsensitive) ||
           target.startsWith(u"mailto:", Qt::CaseInsensitive);
}

bool isValidId(QStringView id)
{
    const auto plain = [](QChar c) {
        return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9');
    };
    if (id.isEmpty() || !plain(id.front()))
        return false;
    return std::all_of(id.begin(), id.end(), [&plain](QChar c) {
        return plain(c) || c == u'-' || c == u'_' || c == u'.';
    });
}

struct TopicDraft
{
    HelpTopic topic;
    bool hasTitle = false;
    bool inBody = false;
    QString body;       // the lines up to the last one that is not blank, each ended by '\n'
    QString blankLines; // blank lines since then, kept while they fit
    int bodyLines = 0;  // lines in body
    int blankLineCount = 0;
    bool bodyTooLong = false;  // reported once; nothing more is kept
    QSet<QString> keywords;    // as spelt, to drop repeats
    QSet<QString> keywordKeys; // case-folded, as the index merges them
    bool tooManyKeywords = false;
};

struct TopicLink
{
    int line = 0;
    QString id;
};

class Parser
{
public:
    HelpFile parse(QByteArrayView bytes, const QByteArray& path);

private:
    template <typename MakeMessage> void error(int line, MakeMessage makeMessage)
    {
        m_problems.add(Severity::Error, line, makeMessage);
    }
    template <typename MakeMessage> void warning(int line, MakeMessage makeMessage)
    {
        m_problems.add(Severity::Warning, line, makeMessage);
    }

    void handleLine(int lineNo, QByteArrayView raw);
    void handleText(int lineNo, QStringView text);
    void appendBodyLine(int lineNo, QStringView text);
    void handleDirective(int lineNo, QStringView line);
    void startTopic(int lineNo, const QString& id);
    void setTitle(int lineNo, const QString& title);
    void addKeywords(int lineNo, QStringView argument);
    void countListing(int lineNo, const QString& keyword, const QString& key);
    void finishTopic();
    void checkLinks(int lineNo, QStringView text);

    HelpFile m_file;
    DiagnosticList m_problems;
    // Stateless: a sequence cut off at a line's end is an error, not kept for the next line.
    QStringDecoder m_decoder{QStringDecoder::Utf8, QStringDecoder::Flag::Stateless |
                                                       QStringDecoder::Flag::ConvertInitialBom};
    QString m_lineBuffer;
    std::optional<TopicDraft> m_draft;
    int m_topicCount = 0;
    QHash<QString, int> m_firstLineOfId;
    QHash<QString, int> m_topicsOfKeyword; // by case-folded keyword
    qint64 m_keywordListings = 0;
    QList<TopicLink> m_topicLinks; // checked once every id is known
    bool m_reportedStrayText = false;
    bool m_reportedTopicCount = false;
    bool m_reportedListings = false;
};

HelpFile Parser::parse(QByteArrayView bytes, const QByteArray& path)
{
    m_file.path = path;
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes = bytes.sliced(3);
    if (bytes.isEmpty())
        error(0, [] { return QStringLiteral("the help file is empty"); });

    int lineNo = 0;
    for (qsizetype start = 0; !bytes.isEmpty() && start <= bytes.size();) {
        const auto* newline = static_cast<const char*>(
            std::memchr(bytes.data() + start, '\n', static_cast<size_t>(bytes.size() - start)));
        const qsizetype end = newline ? newline - bytes.data() : bytes.size();
        QByteArrayView raw = bytes.sliced(start, end - start);
        if (raw.endsWith('\r'))
            raw.chop(1);
        handleLine(++lineNo, raw);
        start = end + 1;
    }
    finishTopic();

    if (m_topicCount == 0 && !m_problems.hasErrors()) {
        error(0, [] {
            return QStringLiteral("the help file holds no topics (a topic starts with @topic)");
        });
    }
    for (const TopicLink& link : std::as_const(m_topicLinks)) {
        if (!m_firstLineOfId.contains(link.id))
            warning(link.line,
                    [&] { return QStringLiteral("link to unknown topic \"%1\"").arg(link.id); });
    }

    // Half a help file would hide the rest of the problem from its author.
    if (m_problems.hasErrors())
        m_file.topics.clear();
    m_file.diagnostics = m_problems.take();
    m_file.indexTopics();
    return std::move(m_file);
}

void Parser::handleLine(int lineNo, QByteArrayView raw)
{
    // No UTF-8 character takes more than four bytes: a line this long needs no decoding.
    if (raw.size() > 4 * qsizetype(Limits::LineCharacters)) {
        error(lineNo, [] {
            return QStringLiteral("the line is longer than %1 characters")
                .arg(Limits::LineCharacters);
        });
        return;
    }
    // Into one buffer for all lines: most lines are needed only while they are read.
    m_decoder.resetState();
    if (const qsizetype space = m_decoder.requiredSpace(raw.size()); m_lineBuffer.size() < space)
        m_lineBuffer.resize(space);
    const QChar* end = m_decoder.appendToBuffer(m_lineBuffer.data(), raw);
    const QStringView line(m_lineBuffer.constData(), end - m_lineBuffer.constData());
    if (m_decoder.hasError()) {
        error(lineNo, [] { return QStringLiteral("the line is not valid UTF-8 text"); });
        return;
    }
    if (line.size() > Limits::LineCharacters) {
        error(lineNo, [] {
            return QStringLiteral("the line is longer than %1 characters")
                .arg(Limits::LineCharacters);
        });
        return;
    }

    if (line.startsWith(u'@') && !line.startsWith(u"@@"))
        handleDirective(lineNo, line);
    else
        handleText(lineNo, line.startsWith(u"@@") ? line.sliced(1) : line);
}

void Parser::handleText(int lineNo, QStringView text)
{
    if (!m_draft) {
        if (!m_reportedStrayText && !isBlank(text)) {
            error(lineNo, [] { return QStringLiteral("text before the first @topic"); });
            m_reportedStrayText = true;
        }
        return;
    }
    if (!m_draft->inBody) {
        if (isBlank(text))
            return;
        m_draft->inBody = true;
    }
    appendBodyLine(lineNo, text);
    if (text.contains(u"]("))
        checkLinks(lineNo, text);
}

void Parser::appendBodyLine(int lineNo, QStringView text)
{
    TopicDraft& draft = *m_draft;
    if (isBlank(text)) {
        // Blank lines at the end of a topic are no part of it; keep them only until they
        // could not fit anyway.
        ++draft.blankLineCount;
        if (draft.body.size() + draft.blankLines.size() <= Limits::BodyCharacters) {
            draft.blankLines += text;
            draft.blankLines += QLatin1Char('\n');
        }
        return;
    }
    const int lines = draft.bodyLines + draft.blankLineCount + 1;
    const qsizetype characters = draft.body.size() + draft.blankLines.size() + text.size();
    if (!draft.bodyTooLong && lines > Limits::BodyLines) {
        draft.bodyTooLong = true;
        error(lineNo, [&] {
            return QStringLiteral("topic \"%1\" has more than %2 lines of text")
                .arg(draft.topic.id)
                .arg(Limits::BodyLines);
        });
    } else if (!draft.bodyTooLong && characters > Limits::BodyCharacters) {
        draft.bodyTooLong = true;
        error(lineNo, [&] {
            return QStringLiteral("topic \"%1\" has more than %2 characters of text")
                .arg(draft.topic.id)
                .arg(Limits::BodyCharacters);
        });
    } else if (!draft.bodyTooLong) {
        draft.body += draft.blankLines;
        draft.body += text;
        draft.body += QLatin1Char('\n');
    }
    draft.bodyLines = lines;
    draft.blankLines.clear();
    draft.blankLineCount = 0;
}

void Parser::handleDirective(int lineNo, QStringView line)
{
    qsizetype end = 1;
    while (end < line.size() && !line[end].isSpace())
        ++end;
    const QStringView name = line.sliced(1, end - 1);
    const QStringView argument = line.sliced(end).trimmed();

    if (name == u"topic") {
        startTopic(lineNo, argument.toString());
        return;
    }
    if (name != u"title" && name != u"keywords") {
        error(lineNo, [&] { return QStringLiteral("unknown directive \"@%1\"").arg(name); });
        return;
    }
    if (!m_draft) {
        error(lineNo, [&] { return QStringLiteral("@%1 before the first @topic").arg(name); });
        return;
    }
    if (m_draft->inBody) {
        error(lineNo, [&] {
            return QStringLiteral("@%1 must come before the text of topic \"%2\"")
                .arg(name, m_draft->topic.id);
        });
        return;
    }
    if (name == u"title")
        setTitle(lineNo, argument.toString());
    else
        addKeywords(lineNo, argument);
}

void Parser::startTopic(int lineNo, const QString& id)
{
    finishTopic();
    if (++m_topicCount > Limits::Topics && !m_reportedTopicCount) {
        m_reportedTopicCount = true;
        error(lineNo, [] {
            return QStringLiteral("the help file has more than %1 topics").arg(Limits::Topics);
        });
    }
    if (id.isEmpty()) {
        error(lineNo, [] { return QStringLiteral("@topic needs an id"); });
    } else if (!isValidId(id)) {
        error(lineNo, [&] {
            return QStringLiteral("topic id \"%1\" may hold only letters, digits, "
                                  "'-', '_' and '.'")
                .arg(id);
        });
    } else if (const auto it = m_firstLineOfId.constFind(id); it != m_firstLineOfId.cend()) {
        error(lineNo, [&] {
            return QStringLiteral("duplicate topic id \"%1\" (first used on line %2)")
                .arg(id)
                .arg(*it);
        });
    } else {
        m_firstLineOfId.insert(id, lineNo);
    }
    m_draft.emplace();
    m_draft->topic.id = id;
    m_draft->topic.line = lineNo;
}

void Parser::setTitle(int lineNo, const QString& title)
{
    if (m_draft->hasTitle) {
        error(lineNo, [&] {
            return QStringLiteral("second @title in topic \"%1\"").arg(m_draft->topic.id);
        });
    } else if (title.isEmpty()) {
        error(lineNo, [] { return QStringLiteral("@title needs a text"); });
    }
    m_draft->hasTitle = true; // an empty title is reported once, here
    m_draft->topic.title = title;
}

void Parser::addKeywords(int lineNo, QStringView argument)
{
    TopicDraft& draft = *m_draft;
    int added = 0;
    for (const QStringView part : argument.tokenize(u';')) {
        const QString keyword = simplified(part);
        if (keyword.isEmpty())
            continue;
        ++added;
        if (draft.keywords.contains(keyword))
            continue;
        if (draft.keywords.size() >= Limits::KeywordsPerTopic) {
            if (!draft.tooManyKeywords) {
                error(lineNo, [&] {
                    return QStringLiteral("topic \"%1\" lists more than %2 keywords")
                        .arg(draft.topic.id)
                        .arg(Limits::KeywordsPerTopic);
                });
            }
            draft.tooManyKeywords = true;
            continue;
        }
        draft.keywords.insert(keyword);
        draft.topic.keywords.append(keyword);
        const QString key = keyword.toCaseFolded();
        if (!draft.keywordKeys.contains(key)) {
            draft.keywordKeys.insert(key);
            countListing(lineNo, keyword, key);
        }
    }
    if (added == 0)
        error(lineNo, [] { return QStringLiteral("@keywords needs at least one keyword"); });
}

void Parser::countListing(int lineNo, const QString& keyword, const QString& key)
{
    if (++m_keywordListings > Limits::KeywordListings && !m_reportedListings) {
        m_reportedListings = true;
        error(lineNo, [] {
            return QStringLiteral("the topics list more than %1 keywords in all")
                .arg(Limits::KeywordListings);
        });
    }
    if (++m_topicsOfKeyword[key] == Limits::TopicsPerKeyword + 1) {
        error(lineNo, [&] {
            return QStringLiteral("keyword \"%1\" is listed by more than %2 topics, more than the "
                                  "Index can show")
                .arg(keyword)
                .arg(Limits::TopicsPerKeyword);
        });
    }
}

void Parser::finishTopic()
{
    if (!m_draft)
        return;
    TopicDraft draft = std::move(*m_draft);
    m_draft.reset();

    if (!draft.hasTitle) {
        error(draft.topic.line,
              [&] { return QStringLiteral("topic \"%1\" has no @title").arg(draft.topic.id); });
    }
    if (draft.body.isEmpty()) {
        warning(draft.topic.line,
                [&] { return QStringLiteral("topic \"%1\" has no text").arg(draft.topic.id); });
    }
    // A file with errors shows no topic: keeping them would only cost memory.
    if (m_problems.hasErrors())
        return;
    draft.body.chop(1);
    draft.topic.body = std::move(draft.body);
    m_file.topics.append(std::move(draft.topic));
}

void Parser::checkLinks(int lineNo, QStringView text)
{
    const QString topicPrefix = QString::fromUtf16(topicLinkScheme) + QLatin1Char(':');
    for (const QString& target : linkTargets(text)) {
        if (target.startsWith(topicPrefix)) {
            m_topicLinks.append({lineNo, target.mid(topicPrefix.size())});
        } else if (!isWebAddress(target)) {
            warning(lineNo, [&] {
                return QStringLiteral("link \"%1\" is neither a topic: link nor a web address")
                    .arg(target);
            });
        }
    }
}

} // namespace

HelpFile parseHelpText(QByteArrayView bytes, const QByteArray& path)
{
    return Parser().parse(bytes, path);
}

QStringList linkTargets(QStringView line)
{
    const auto ends = [](QChar c) { return c.isSpace() || c == u')' || c == u'>'; };
    const auto runFrom = [&](qsizetype from) {
        qsizetype end = from;
        while (end < line.size() && !ends(line[end]))
            ++end;
        return end;
    };

    QStringList targets;
    qsizetype from = 0;
    while ((from = line.indexOf(u"](", from)) >= 0) {
        qsizetype start = from + 2;
        while (start < line.size() && line[start].isSpace())
            ++start;
        qsizetype end = start;
        if (start < line.size() && line[start] == u'<') {
            end = runFrom(start + 1);
            if (end > start + 1)
                ++start; // "<target>"; a "<" with nothing after it is the target itself
            else
                end = runFrom(start);
        } else {
            end = runFrom(start);
        }
        if (end > start) {
            targets.append(line.sliced(start, end - start).toString());
            from = end;
        } else {
            from += 2;
        }
    }
    return targets;
}

} // namespace Help
