// SPDX-License-Identifier: MIT
// The program started in each of the user's languages, as main() starts it:
// the window and Qt's own texts speak one language, the program's where it
// ships one and English otherwise, and always left to right, as the windows
// are laid out.
#include <settings/Translations.h>

#include "MainWindowFixture.h"

#include <QMenu>

class LanguageTest : public QObject
{
    Q_OBJECT

    MainWindowFixture m_main;

    // The first item of a field's context menu, which Qt writes.
    QString qtMenuText()
    {
        QLineEdit* field = m_main.edit("txtNumDice");
        QContextMenuEvent event(QContextMenuEvent::Keyboard, QPoint(4, 4),
                                field->mapToGlobal(QPoint(4, 4)));
        QApplication::sendEvent(field, &event);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu)
            return QStringLiteral("no context menu");
        const QString text = menu->actions().value(0)->text().section(QLatin1Char('\t'), 0, 0);
        menu->close();
        return text;
    }

private slots:
    void cleanupTestCase()
    {
        QLocale::setDefault(QLocale::system());
        Translations::load();
    }

    // Each row: the user's locale, and whether the program speaks German
    // there; otherwise it and Qt speak English.
    void oneLanguagePerWindow_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<bool>("german");
        // Right-to-left languages first: Qt keeps the first direction a
        // translation gave it.
        QTest::newRow("Hebrew") << "he_IL" << false;
        QTest::newRow("Arabic") << "ar_EG" << false;
        QTest::newRow("French, which Qt speaks") << "fr_FR" << false;
        QTest::newRow("German") << "de_DE" << true;
        QTest::newRow("Austrian German") << "de_AT" << true;
        QTest::newRow("English after German") << "en_US" << false;
    }

    void oneLanguagePerWindow()
    {
        QFETCH(QString, locale);
        QFETCH(bool, german);
        QLocale::setDefault(QLocale(locale));
        Translations::load();
        QVERIFY(m_main.start());
        const QString caption = m_main.button("cmdRoll")->text();
        const QString qt = qtMenuText();
        const Qt::LayoutDirection direction = m_main.window->layoutDirection();
        m_main.stop();

        QCOMPARE(Translations::language(), german ? QStringLiteral("de") : QString());
        QCOMPARE(caption, german ? QStringLiteral("&Würfeln") : QStringLiteral("&Roll Dice"));
        QCOMPARE(qt, german ? QStringLiteral("&Rückgängig") : QStringLiteral("&Undo"));
        QCOMPARE(direction, Qt::LeftToRight);
    }
};

QTEST_MAIN(LanguageTest)
#include "LanguageTest.moc"
