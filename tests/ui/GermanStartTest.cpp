// SPDX-License-Identifier: MIT
// The program started as main() starts it, run with LANG=de_DE.UTF-8: its
// own texts, Qt's and the help are German.
#include <settings/AppSettings.h>
#include <settings/Translations.h>

#include "MainWindowFixture.h"

#include <QAction>
#include <QMenu>

class GermanStartTest : public QObject
{
    Q_OBJECT

    MainWindowFixture m_main;

private slots:
    void initTestCase()
    {
        QCOMPARE(QLocale().language(), QLocale::German);
        Translations::load();
        QCOMPARE(Translations::language(), QStringLiteral("de"));
    }
    void init() { QVERIFY(m_main.start()); }
    void cleanup() { m_main.stop(); }

    void windowAndMessages()
    {
        QCOMPARE(m_main.find<QPushButton>("cmdRoll")->text(), QStringLiteral("&Würfeln"));
        QCOMPARE(m_main.find<QGroupBox>("fraDieType")->title(), QStringLiteral("Würfeltyp"));
        QTest::mouseClick(m_main.find<QPushButton>("cmdRoll"), Qt::LeftButton);
        QCOMPARE(m_main.boxes.size(), 1);
        QCOMPARE(m_main.boxes[0].text, QStringLiteral("Sie müssen einen Würfeltyp wählen."));
        QCOMPARE(m_main.boxes[0].title, QStringLiteral("Fehler beim Würfeln"));
        const QByteArray help = AppSettings::get().helpFile;
        QVERIFY2(help.endsWith("/de/Rollwright.hlp") && QFile::exists(QFile::decodeName(help)),
                 help);
        AppSettings settings = AppSettings::get();
        settings.helpFile.clear();
        AppSettings::set(settings);
        m_main.find<QAction>("mnuHelpContents")->trigger();
        settings.helpFile = help;
        AppSettings::set(settings);
        QCOMPARE(m_main.boxes.size(), 2);
        QCOMPARE(m_main.boxes[1].text,
                 QStringLiteral("Der Hilfeinhalt kann nicht angezeigt werden. "
                                "Die Hilfedatei von Rollwright fehlt."));
    }

    // The fields' own menu comes from Qt, in Qt's translation.
    void contextMenu()
    {
        QLineEdit* field = m_main.edit("txtNumDice");
        QContextMenuEvent event(QContextMenuEvent::Keyboard, QPoint(4, 4),
                                field->mapToGlobal(QPoint(4, 4)));
        QApplication::sendEvent(field, &event);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QVERIFY(menu);
        QStringList items;
        for (QAction* action : menu->actions()) {
            if (!action->isSeparator())
                items.append(action->text().section(QLatin1Char('\t'), 0, 0));
        }
        menu->close();
        QCOMPARE(items, QStringList({"&Rückgängig", "Wieder&herstellen", "&Ausschneiden",
                                     "&Kopieren", "Einf&ügen", "Löschen", "Alles auswählen"}));
    }
};

QTEST_MAIN(GermanStartTest)
#include "GermanStartTest.moc"
