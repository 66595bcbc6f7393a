// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// The application's settings, fixed when the program is built; tests may
// change the one instance.
struct AppSettings
{
    QString title;
    int versionMajor = 0;
    int versionMinor = 0;
    int versionRevision = 0;
    QString helpFile; // full path of "Rollwright.hlp"; empty means no help file

    static AppSettings& get();
};
