#pragma once

#include <QString>

// Fixed when the program is built; tests may change the one instance.
struct AppSettings
{
    QString title;
    int versionMajor = 0;
    int versionMinor = 0;
    int versionRevision = 0;
    QString description;
    QString helpFile; // full path of "Rollwright.hlp"; empty means no help file

    static AppSettings& get();
};
