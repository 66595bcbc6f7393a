// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>

// The application's settings, fixed when the program is built.
struct AppSettings
{
    QString title;
    int versionMajor = 0;
    int versionMinor = 0;
    int versionRevision = 0;
    // Full path of "Rollwright.hlp", in the system's bytes; empty means no help file.
    QByteArray helpFile;

    static const AppSettings& get();
    // The seam for tests: the settings the program reads from now on.
    static void set(const AppSettings& settings);
};
