// SPDX-License-Identifier: MIT
#include <help/HelpFile.h>

#include <QFile>

#include <algorithm>

namespace Help {

bool HelpFile::hasErrors() const
{
    return std::any_of(diagnostics.begin(), diagnostics.end(), [](const HelpDiagnostic& d) {
        return d.severity == HelpDiagnostic::Severity::Error;
    });
}

const HelpTopic* HelpFile::topic(const QString& id) const
{
    const qsizetype row = topicRow(id);
    return row < 0 ? nullptr : &topics[row];
}

qsizetype HelpFile::topicRow(const QString& id) const
{
    return m_rowOfId.value(id, -1);
}

void HelpFile::indexTopics()
{
    m_rowOfId.clear();
    m_rowOfId.reserve(topics.size());
    for (qsizetype row = 0; row < topics.size(); ++row)
        m_rowOfId.insert(topics[row].id, row);
}

QByteArray formatDiagnostic(const QByteArray& path, const HelpDiagnostic& diagnostic)
{
    const QString kind = diagnostic.severity == HelpDiagnostic::Severity::Error
                             ? QStringLiteral("error")
                             : QStringLiteral("warning");
    const QString rest =
        diagnostic.line > 0
            ? QStringLiteral(":%1: %2: %3").arg(diagnostic.line).arg(kind, diagnostic.message)
            : QStringLiteral(": %1: %2").arg(kind, diagnostic.message);
    return path + rest.toUtf8();
}

QString displayedPath(const QByteArray& path)
{
    return QFile::decodeName(path);
}

} // namespace Help
