#include "HelpFile.h"

#include <algorithm>

namespace help {

bool HelpFile::hasErrors() const
{
    return std::any_of(diagnostics.begin(), diagnostics.end(), [](const HelpDiagnostic& d) {
        return d.severity == HelpDiagnostic::Severity::Error;
    });
}

const HelpTopic* HelpFile::topic(const QString& id) const
{
    const auto it = std::find_if(topics.begin(), topics.end(),
                                 [&id](const HelpTopic& t) { return t.id == id; });
    return it == topics.end() ? nullptr : &*it;
}

QString formatDiagnostic(const QString& path, const HelpDiagnostic& diagnostic)
{
    const QString kind = diagnostic.severity == HelpDiagnostic::Severity::Error
                             ? QStringLiteral("error")
                             : QStringLiteral("warning");
    if (diagnostic.line > 0)
        return QStringLiteral("%1:%2: %3: %4").arg(path).arg(diagnostic.line).arg(kind,
                                                                                  diagnostic.message);
    return QStringLiteral("%1: %2: %3").arg(path, kind, diagnostic.message);
}

} // namespace help
