// SPDX-License-Identifier: MIT
#include <settings/Translations.h>

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QTranslator>

namespace {

constexpr QLatin1StringView Name("rollwright");

struct Installed
{
    QPointer<QTranslator> program;
    QPointer<QTranslator> qt;
    QString language;
};

Installed& installed()
{
    static Installed state;
    return state;
}

QTranslator* install(const QLocale& locale, const QString& name, const QString& folder)
{
    auto* translator = new QTranslator(QCoreApplication::instance());
    // Tries each of the locale's languages in turn: de_DE, then de.
    if (translator->load(locale, name, QStringLiteral("_"), folder)) {
        QCoreApplication::installTranslator(translator);
        return translator;
    }
    delete translator;
    return nullptr;
}

} // namespace

namespace Translations {

void load()
{
    Installed& state = installed();
    // Deleting a translator takes it out of the application.
    delete state.program;
    delete state.qt;
    state = {};

    state.program = install(QLocale(), Name, QStringLiteral(ROLLWRIGHT_TRANSLATIONS));
    if (!state.program)
        return;
    // rollwright_de_AT.qm speaks "de_AT": the name after "rollwright_".
    state.language = QFileInfo(state.program->filePath()).completeBaseName().mid(Name.size() + 1);
    state.qt = install(QLocale(state.language), QStringLiteral("qtbase"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

QString language()
{
    return installed().language;
}

} // namespace Translations
