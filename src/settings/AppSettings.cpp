// SPDX-License-Identifier: MIT
#include <settings/AppSettings.h>
#include <settings/Identity.h>

#include <QCoreApplication>

namespace {
AppSettings& instance()
{
    static AppSettings settings{
        QString::fromUtf8(Identity::Title),
        Identity::VersionMajor,
        Identity::VersionMinor,
        Identity::VersionRevision,
        // The help file ships beside the program.
        QCoreApplication::applicationDirPath() + QStringLiteral("/Rollwright.hlp"),
    };
    return settings;
}
} // namespace

const AppSettings& AppSettings::get()
{
    return instance();
}

void AppSettings::set(const AppSettings& settings)
{
    instance() = settings;
}
