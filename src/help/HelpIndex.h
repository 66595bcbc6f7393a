// SPDX-License-Identifier: MIT
#pragma once

#include <help/HelpFile.h>

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

namespace Help {

// The keywords of a help file in alphabetical order, each with the topics that list it.
class HelpIndex
{
public:
    struct Entry
    {
        QString keyword;
        QStringList topicIds; // in file order
    };

    HelpIndex() = default;
    explicit HelpIndex(const HelpFile& file);

    const QList<Entry>& entries() const { return m_entries; }

    // The first entry whose keyword starts with prefix, ignoring case; -1 for
    // an empty prefix or when none does. Logarithmic time.
    qsizetype firstMatch(QStringView prefix) const;
    // The entry of exactly this keyword, ignoring case; -1 if there is none.
    qsizetype find(QStringView keyword) const;

private:
    QList<Entry> m_entries;
    QHash<QString, qsizetype> m_rowOfKey; // by case-folded keyword
};

} // namespace Help
