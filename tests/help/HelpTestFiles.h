#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

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
