#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace help {

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

// A parsed help file. A file with errors keeps its diagnostics and no topics.
struct HelpFile
{
    QString path;
    QList<HelpTopic> topics;
    QList<HelpDiagnostic> diagnostics;

    bool hasErrors() const;
    const HelpTopic* topic(const QString& id) const;
};

// "path:line: error: message", the form compilers use, so editors can jump to it.
QString formatDiagnostic(const QString& path, const HelpDiagnostic& diagnostic);

// The scheme of links between topics: [text](topic:some-id).
inline constexpr char16_t topicLinkScheme[] = u"topic";

} // namespace help
