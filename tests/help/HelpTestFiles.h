// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <functional>

// A small help file: three topics, keywords that overlap in case, and links.
inline const QByteArray sampleHelp = R"(@topic intro
@title Introduction
@keywords start; overview

Welcome. See [Rolling the dice](topic:rolling).

@topic rolling
@title Rolling the dice
@keywords Roll; rolling; dice

Roll them. Back to [Introduction](topic:intro), or on to [Results](topic:results).

@topic results
@title Results
@keywords Results; roll results; Dice

The numbers.
)";

// count topics t0, t1, ..., each linking to the next and the last to the first;
// header(i) adds lines to the header of topic i.
inline QByteArray linkedTopics(int count, const std::function<QByteArray(int)>& header = {})
{
    QByteArray text;
    text.reserve(count * 80);
    for (int i = 0; i < count; ++i) {
        const QByteArray n = QByteArray::number(i);
        text += "@topic t" + n + "\n@title Topic " + n + "\n" +
                (header ? header(i) : QByteArray()) + "\nSee [the next one](topic:t" +
                QByteArray::number((i + 1) % count) + ").\n\n";
    }
    return text;
}

// Bounds on time catch a wait without end (minutes), not a slow machine:
// measured figures are in bench/HelpViewerBench.cpp.
inline constexpr int hangBoundMs = 20'000;

inline QString writeHelpFile(const QTemporaryDir& dir, const QString& name,
                             const QByteArray& content)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        return {};
    return path;
}
