// SPDX-License-Identifier: MIT
#include <settings/Translations.h>

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

QString& loaded()
{
    static QString language;
    return language;
}

QString install(const QString& name, const QString& folder)
{
    auto* translator = new QTranslator(QCoreApplication::instance());
    // Tries each of the user's languages in turn: de_DE, then de.
    if (translator->load(QLocale(), name, QStringLiteral("_"), folder)) {
        QCoreApplication::installTranslator(translator);
        return translator->language();
    }
    delete translator;
    return {};
}

} // namespace

namespace Translations {

QString folder()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/translations");
}

void load()
{
    install(QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    loaded() = install(QStringLiteral("rollwright"), folder()).section(QLatin1Char('_'), 0, 0);
}

QString language()
{
    return loaded();
}

} // namespace Translations
