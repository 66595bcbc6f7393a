// SPDX-License-Identifier: MIT
#include <settings/AppSettings.h>
#include <settings/Identity.h>
#include <settings/ProgramDirectory.h>

namespace {

QByteArray besideTheProgram(const char* name)
{
    // Without the program's folder there is no such file: never one in the
    // working folder, nor in the root.
    const QByteArray folder = programDirectory();
    return folder.isEmpty() ? QByteArray() : folder + '/' + name;
}

AppSettings& instance()
{
    static AppSettings settings{
        QString::fromUtf8(Identity::Title),
        Identity::VersionMajor,
        Identity::VersionMinor,
        Identity::VersionRevision,
        // The help file ships beside the program.
        besideTheProgram("Rollwright.hlp"),
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
