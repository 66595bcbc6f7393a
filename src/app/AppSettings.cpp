#include "AppSettings.h"

#include <QCoreApplication>

AppSettings& AppSettings::get()
{
    static AppSettings settings{
        QStringLiteral("Rollwright"),
        ROLLWRIGHT_VERSION_MAJOR,
        ROLLWRIGHT_VERSION_MINOR,
        ROLLWRIGHT_VERSION_PATCH,
        QStringLiteral(ROLLWRIGHT_DESCRIPTION),
        // The help file ships beside the program.
        QCoreApplication::applicationDirPath() + QStringLiteral("/Rollwright.hlp"),
    };
    return settings;
}
