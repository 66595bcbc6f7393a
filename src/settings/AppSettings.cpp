// SPDX-License-Identifier: MIT
#include <settings/AppSettings.h>
#include <settings/Identity.h>
#include <settings/ProgramDirectory.h>
#include <settings/Translations.h>

namespace {

// The help ships beside the program: English there, each other language in a
// folder of its own, chosen as the program's texts are.
QByteArray helpFile()
{
    const QString language = Translations::language();
    return inProgramDirectory(programDirectory(), language.isEmpty()
                                                      ? QByteArray("Rollwright.hlp")
                                                      : language.toUtf8() + "/Rollwright.hlp");
}

AppSettings& instance()
{
    static AppSettings settings{
        QString::fromUtf8(Identity::Title),
        Identity::VersionMajor,
        Identity::VersionMinor,
        Identity::VersionRevision,
        helpFile(),
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
