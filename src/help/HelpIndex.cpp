// SPDX-License-Identifier: MIT
#include <help/HelpIndex.h>

#include <algorithm>

namespace Help {
namespace {

// Case-insensitive first, so that keywords sharing a prefix, whatever their
// case, stand together and a binary search finds the first of them.
bool ordered(const HelpIndex::Entry& a, const HelpIndex::Entry& b)
{
    const int byCase = QString::compare(a.keyword, b.keyword, Qt::CaseInsensitive);
    return byCase != 0 ? byCase < 0 : a.keyword < b.keyword;
}

} // namespace

HelpIndex::HelpIndex(const HelpFile& file)
{
    // Keywords differing only in case are one entry, spelt as first met.
    for (const HelpTopic& topic : file.topics) {
        for (const QString& keyword : topic.keywords) {
            const QString key = keyword.toCaseFolded();
            const auto it = m_rowOfKey.constFind(key);
            if (it == m_rowOfKey.cend()) {
                m_rowOfKey.insert(key, m_entries.size());
                m_entries.append({keyword, {topic.id}});
            } else if (m_entries[*it].topicIds.constLast() != topic.id) {
                // Topics come in file order: an entry this topic joined already ends with it.
                m_entries[*it].topicIds.append(topic.id);
            }
        }
    }
    std::sort(m_entries.begin(), m_entries.end(), ordered);
    for (qsizetype row = 0; row < m_entries.size(); ++row)
        m_rowOfKey[m_entries[row].keyword.toCaseFolded()] = row;
}

qsizetype HelpIndex::firstMatch(QStringView prefix) const
{
    if (prefix.isEmpty())
        return -1;
    const auto it = std::lower_bound(
        m_entries.begin(), m_entries.end(), prefix, [](const Entry& e, QStringView p) {
            return QStringView(e.keyword).compare(p, Qt::CaseInsensitive) < 0;
        });
    if (it == m_entries.end() || !it->keyword.startsWith(prefix, Qt::CaseInsensitive))
        return -1;
    return it - m_entries.begin();
}

qsizetype HelpIndex::find(QStringView keyword) const
{
    return m_rowOfKey.value(keyword.toString().toCaseFolded(), -1);
}

} // namespace Help
