// SPDX-License-Identifier: MIT
#pragma once

#include <help/HelpFile.h>

#include <QList>

#include <array>
#include <vector>

namespace Help {

// Collects a file's problems: of each severity the first Limits::ListedProblems
// by line, and a count of the rest, so that a file of nothing but problems
// costs no more than its lines.
class DiagnosticList
{
public:
    using Severity = HelpDiagnostic::Severity;

    // makeMessage() runs only for a problem that is listed.
    template <typename MakeMessage> void add(Severity severity, int line, MakeMessage makeMessage)
    {
        Kept& kept = m_kept[static_cast<size_t>(severity)];
        if (kept.isFullBefore(line)) {
            ++kept.unlisted;
            return;
        }
        kept.insert({{severity, line, makeMessage()}, m_sequence++});
    }

    bool hasErrors() const;
    // In line order, problems of one line in the order they were found; a
    // count of those not listed comes first.
    QList<HelpDiagnostic> take();

private:
    struct Entry
    {
        HelpDiagnostic diagnostic;
        qint64 sequence = 0;
    };
    struct Kept
    {
        std::vector<Entry> heap; // the latest listed problem on top
        qint64 unlisted = 0;

        bool isFullBefore(int line) const;
        void insert(Entry entry);
    };

    std::array<Kept, 2> m_kept;
    qint64 m_sequence = 0;
};

} // namespace Help
