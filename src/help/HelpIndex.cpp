#include "HelpIndex.h"

#include <QHash>

#include <algorithm>

namespace help {

HelpIndex::HelpIndex(const HelpFile& file)
{
    // Keywords differing only in case are one entry, spelt as first met.
    QHash<QString, qsizetype> entryOfKey;
    for (const HelpTopic& topic : file.topics) {
        for (const QString& keyword : topic.keywords) {
            const QString key = keyword.toCaseFolded();
            const auto it = entryOfKey.constFind(key);
            if (it == entryOfKey.cend()) {
                entryOfKey.insert(key, m_entries.size());
                m_entries.append({keyword, {topic.id}});
            } else if (!m_entries[*it].topicIds.contains(topic.id)) {
                m_entries[*it].topicIds.append(topic.id);
            }
        }
    }
    std::sort(m_entries.begin(), m_entries.end(), [](const Entry& a, const Entry& b) {
        const int byCase = QString::compare(a.keyword, b.keyword, Qt::CaseInsensitive);
        return byCase != 0 ? byCase < 0 : a.keyword < b.keyword;
    });
}

qsizetype HelpIndex::firstMatch(QStringView prefix) const
{
    if (prefix.isEmpty())
        return -1;
    const auto it = std::find_if(m_entries.begin(), m_entries.end(), [prefix](const Entry& e) {
        return e.keyword.startsWith(prefix, Qt::CaseInsensitive);
    });
    return it == m_entries.end() ? -1 : it - m_entries.begin();
}

qsizetype HelpIndex::find(QStringView keyword) const
{
    const auto it = std::find_if(m_entries.begin(), m_entries.end(), [keyword](const Entry& e) {
        return e.keyword.compare(keyword, Qt::CaseInsensitive) == 0;
    });
    return it == m_entries.end() ? -1 : it - m_entries.begin();
}

} // namespace help
