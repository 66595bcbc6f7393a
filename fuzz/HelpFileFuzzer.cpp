// SPDX-License-Identifier: MIT
// Parses arbitrary bytes as a help file, builds its Index and searches it,
// and aborts when a result breaks one of the format's promises:
// - problems come in line order, each on a line of the file (or 0, the file);
// - a line is reported as broken UTF-8 exactly when it is;
// - a file with errors keeps no topics; one without has topics with unique
//   ids, titles, and bodies within the limits;
// - written back, the topics read back the same, without errors;
// - every keyword finds its topic, and the prefix search finds what a
//   linear search finds;
// - the link targets of a line are the ones a regular expression finds.

#include <help/HelpFileParser.h>
#include <help/HelpIndex.h>

#include <QRegularExpression>
#include <QSet>
#include <QStringList>

#include <support/HelpFileWriter.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

using Help::HelpDiagnostic;
using Help::HelpFile;
using Help::HelpIndex;
using Help::HelpTopic;

void require(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "broken: %s\n", what);
        std::abort();
    }
}

// Textbook UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
bool isValidUtf8(QByteArrayView bytes)
{
    qsizetype i = 0;
    while (i < bytes.size()) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        int length = 0;
        char32_t code = 0;
        char32_t least = 0;
        if (lead < 0x80) {
            ++i;
            continue;
        } else if ((lead & 0xE0) == 0xC0) {
            length = 2, code = lead & 0x1F, least = 0x80;
        } else if ((lead & 0xF0) == 0xE0) {
            length = 3, code = lead & 0x0F, least = 0x800;
        } else if ((lead & 0xF8) == 0xF0) {
            length = 4, code = lead & 0x07, least = 0x10000;
        } else {
            return false;
        }
        if (i + length > bytes.size())
            return false;
        for (int k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(bytes[i + k]);
            if ((next & 0xC0) != 0x80)
                return false;
            code = (code << 6) | (next & 0x3F);
        }
        if (code < least || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return false;
        i += length;
    }
    return true;
}

QList<QByteArrayView> linesOf(QByteArrayView bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes = bytes.sliced(3);
    QList<QByteArrayView> lines;
    qsizetype start = 0;
    for (;;) {
        const qsizetype end = bytes.indexOf('\n', start);
        QByteArrayView line = bytes.sliced(start, (end < 0 ? bytes.size() : end) - start);
        if (line.endsWith('\r'))
            line.chop(1);
        lines.append(line);
        if (end < 0)
            return lines;
        start = end + 1;
    }
}

void checkDiagnostics(const HelpFile& file, const QList<QByteArrayView>& lines)
{
    int previous = 0;
    bool unlisted = false;
    QSet<int> utf8Errors;
    for (const HelpDiagnostic& d : file.diagnostics) {
        require(d.line >= previous, "problems out of line order");
        require(d.line <= lines.size(), "problem on a line the file does not have");
        require(!d.message.isEmpty(), "problem without a message");
        previous = d.line;
        if (d.line == 0 && d.message.contains(QLatin1String("not listed")))
            unlisted = true;
        if (d.message == QLatin1String("the line is not valid UTF-8 text"))
            utf8Errors.insert(d.line);
    }
    require(file.diagnostics.size() <= 2 * Help::Limits::ListedProblems + 1,
            "too many problems listed");
    if (unlisted)
        return;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const int lineNo = static_cast<int>(i + 1);
        if (lines[i].size() > 4 * qsizetype(Help::Limits::LineCharacters))
            continue; // reported as too long, undecoded
        require(utf8Errors.contains(lineNo) == !isValidUtf8(lines[i]),
                "UTF-8 error reported on a valid line, or missing on a broken one");
    }
}

void checkTopics(const HelpFile& file)
{
    if (file.hasErrors()) {
        require(file.topics.isEmpty(), "a file with errors keeps topics");
        return;
    }
    require(!file.topics.isEmpty(), "a file without errors has no topics");
    QSet<QString> ids;
    for (qsizetype row = 0; row < file.topics.size(); ++row) {
        const HelpTopic& topic = file.topics[row];
        require(!ids.contains(topic.id), "duplicate topic id");
        ids.insert(topic.id);
        require(file.topicRow(topic.id) == row && file.topic(topic.id) == &topic, "id look-up");
        require(!topic.title.isEmpty(), "topic without title");
        require(topic.keywords.size() <= Help::Limits::KeywordsPerTopic, "too many keywords");
        require(topic.body.size() <= Help::Limits::BodyCharacters, "body too long");
        require(topic.body.count(QLatin1Char('\n')) < Help::Limits::BodyLines,
                "too many body lines");
        require(topic.body.isEmpty() ||
                    !topic.body.split(QLatin1Char('\n')).constLast().trimmed().isEmpty(),
                "body ends in a blank line");
    }
}

void checkRoundTrip(const HelpFile& file)
{
    if (file.hasErrors())
        return;
    const HelpFile again = Help::parseHelpText(Help::writeHelpText(file), "again");
    require(!again.hasErrors(), "the written file has errors");
    require(again.topics.size() == file.topics.size(), "the written file has other topics");
    for (qsizetype row = 0; row < file.topics.size(); ++row) {
        const HelpTopic& a = file.topics[row];
        const HelpTopic& b = again.topics[row];
        require(a.id == b.id && a.title == b.title, "id or title changed on the way back");
        require(a.keywords == b.keywords, "keywords changed on the way back");
        require(a.body == b.body, "body changed on the way back");
    }
}

qsizetype linearFirstMatch(const HelpIndex& index, QStringView prefix)
{
    if (prefix.isEmpty())
        return -1;
    for (qsizetype row = 0; row < index.entries().size(); ++row) {
        if (index.entries()[row].keyword.startsWith(prefix, Qt::CaseInsensitive))
            return row;
    }
    return -1;
}

void checkIndex(const HelpFile& file, QStringView extraPrefix)
{
    const HelpIndex index(file);
    const auto& entries = index.entries();
    for (qsizetype row = 1; row < entries.size(); ++row) {
        require(QString::compare(entries[row - 1].keyword, entries[row].keyword,
                                 Qt::CaseInsensitive) <= 0,
                "index out of order");
    }
    for (const HelpIndex::Entry& entry : entries) {
        require(entry.topicIds.size() <= Help::Limits::TopicsPerKeyword,
                "too many topics per keyword");
        require(QSet<QString>(entry.topicIds.begin(), entry.topicIds.end()).size() ==
                    entry.topicIds.size(),
                "a topic listed twice under one keyword");
    }
    for (const HelpTopic& topic : file.topics) {
        for (const QString& keyword : topic.keywords) {
            const qsizetype row = index.find(keyword);
            require(row >= 0 && entries[row].topicIds.contains(topic.id),
                    "keyword does not find its topic");
            for (const qsizetype length : {qsizetype(1), keyword.size() / 2, keyword.size()}) {
                const QStringView prefix = QStringView(keyword).left(length);
                require(index.firstMatch(prefix) == linearFirstMatch(index, prefix),
                        "prefix search differs from a linear search");
            }
        }
    }
    require(index.firstMatch(extraPrefix) == linearFirstMatch(index, extraPrefix),
            "prefix search differs from a linear search");
}

void checkLinkTargets(const QList<QByteArrayView>& lines)
{
    static const QRegularExpression target(QStringLiteral("\\]\\(\\s*<?([^\\s)>]+)"),
                                           QRegularExpression::UseUnicodePropertiesOption);
    for (const QByteArrayView bytes : lines) {
        if (bytes.size() > 4 * qsizetype(Help::Limits::LineCharacters) || !bytes.contains("]("))
            continue;
        const QString line = QString::fromUtf8(bytes);
        QStringList expected;
        auto matches = target.globalMatch(line);
        while (matches.hasNext())
            expected.append(matches.next().captured(1));
        require(Help::linkTargets(line) == expected,
                "link targets differ from the regular expression's");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const HelpFile file = Help::parseHelpText(bytes, "fuzz.hlp");
    const QList<QByteArrayView> lines = linesOf(bytes);
    checkDiagnostics(file, lines);
    checkTopics(file);
    checkRoundTrip(file);
    // The last line, whatever it holds, is one more prefix to search for.
    checkIndex(file, QString::fromUtf8(lines.constLast()));
    checkLinkTargets(lines);
    return 0;
}
