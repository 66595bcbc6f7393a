// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

namespace Help {

struct HelpTopic
{
    QString id;
    QString title;
    QStringList keywords;
    QString body; // Markdown
    int line = 0; // line of the topic's @topic directive
};

struct HelpDiagnostic
{
    enum class Severity
    {
        Error,   // the file cannot be shown
        Warning, // the file can be shown, but something in it is wrong
    };

    Severity severity = Severity::Error;
    int line = 0; // 1-based; 0 when the problem concerns the file as a whole
    QString message;

    friend bool operator==(const HelpDiagnostic&, const HelpDiagnostic&) = default;
};

// What a help file may hold. Beyond these the viewer's work would stop
// growing with the file alone (Qt lays out long lists and long runs of
// formatting in time that grows with their square), so they are errors.
namespace Limits {
inline constexpr qint64 FileBytes = 16 * 1024 * 1024;
inline constexpr int Topics = 100'000;
inline constexpr int LineCharacters = 4'000;
inline constexpr int BodyCharacters = 10'000;
inline constexpr int BodyLines = 1'000;
inline constexpr int KeywordsPerTopic = 100;
inline constexpr int TopicsPerKeyword = 100;
inline constexpr int KeywordListings = 200'000; // keywords of all topics together
inline constexpr int ListedProblems = 1'000;    // of each severity; the rest are counted
} // namespace Limits

// A parsed help file. A file with errors keeps its diagnostics and no topics.
struct HelpFile
{
    QByteArray path; // as the system spells it: bytes, not necessarily UTF-8
    QList<HelpTopic> topics;
    QList<HelpDiagnostic> diagnostics;

    bool hasErrors() const;
    // Constant time; they rely on indexTopics() since topics last changed.
    const HelpTopic* topic(const QString& id) const;
    qsizetype topicRow(const QString& id) const; // -1 if there is none
    void indexTopics();

private:
    QHash<QString, qsizetype> m_rowOfId;
};

// "path:line: error: message", the form compilers use, so editors can jump to
// it; the path's bytes stand as they are, the rest is UTF-8.
QByteArray formatDiagnostic(const QByteArray& path, const HelpDiagnostic& diagnostic);

// A path's bytes as text to show; bytes that are not UTF-8 show as U+FFFD.
QString displayedPath(const QByteArray& path);

// The scheme of links between topics: [text](topic:some-id).
inline constexpr char16_t topicLinkScheme[] = u"topic";

} // namespace Help
