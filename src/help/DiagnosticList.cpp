// SPDX-License-Identifier: MIT
#include <help/DiagnosticList.h>

#include <algorithm>

namespace Help {
namespace {

template <typename Entry> bool earlier(const Entry& a, const Entry& b)
{
    return a.diagnostic.line != b.diagnostic.line ? a.diagnostic.line < b.diagnostic.line
                                                  : a.sequence < b.sequence;
}

} // namespace

bool DiagnosticList::Kept::isFullBefore(int line) const
{
    return heap.size() >= static_cast<size_t>(Limits::ListedProblems) &&
           line >= heap.front().diagnostic.line;
}

void DiagnosticList::Kept::insert(Entry entry)
{
    if (heap.size() >= static_cast<size_t>(Limits::ListedProblems)) {
        std::pop_heap(heap.begin(), heap.end(), earlier<Entry>);
        heap.pop_back();
        ++unlisted;
    }
    heap.push_back(std::move(entry));
    std::push_heap(heap.begin(), heap.end(), earlier<Entry>);
}

bool DiagnosticList::hasErrors() const
{
    const Kept& errors = m_kept[static_cast<size_t>(Severity::Error)];
    return !errors.heap.empty() || errors.unlisted > 0;
}

QList<HelpDiagnostic> DiagnosticList::take()
{
    std::vector<Entry> all;
    qint64 unlisted = 0;
    for (Kept& kept : m_kept) {
        std::move(kept.heap.begin(), kept.heap.end(), std::back_inserter(all));
        unlisted += kept.unlisted;
    }
    std::sort(all.begin(), all.end(), earlier<Entry>);

    QList<HelpDiagnostic> diagnostics;
    diagnostics.reserve(static_cast<qsizetype>(all.size()) + 1);
    if (unlisted > 0) {
        const bool errors = m_kept[static_cast<size_t>(Severity::Error)].unlisted > 0;
        diagnostics.append({errors ? Severity::Error : Severity::Warning, 0,
                            QStringLiteral("%1 more problems are not listed: only the first %2 "
                                           "errors and %2 warnings are")
                                .arg(unlisted)
                                .arg(Limits::ListedProblems)});
    }
    for (Entry& entry : all)
        diagnostics.append(std::move(entry.diagnostic));
    *this = {};
    return diagnostics;
}

} // namespace Help
