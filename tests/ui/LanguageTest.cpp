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

    void oneLanguagePerWindow_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("rollCaption");
        QTest::addColumn<QString>("qtText");
        // Right-to-left languages first: Qt keeps the first direction a
        // translation gave it.
        QTest::newRow("Hebrew") << "he_IL"
                                << ""
                                << "&Roll Dice"
                                << "&Undo";
        QTest::newRow("Arabic") << "ar_EG"
                                << ""
                                << "&Roll Dice"
                                << "&Undo";
        QTest::newRow("French, which Qt speaks") << "fr_FR"
                                                 << ""
                                                 << "&Roll Dice"
                                                 << "&Undo";
        QTest::newRow("German") << "de_DE"
                                << "de"
                                << "&Würfeln"
                                << "&Rückgängig";
        QTest::newRow("Austrian German") << "de_AT"
                                         << "de"
                                         << "&Würfeln"
                                         << "&Rückgängig";
        QTest::newRow("English after German") << "en_US"
                                              << ""
                                              << "&Roll Dice"
                                              << "&Undo";
    }

    void oneLanguagePerWindow()
    {
        QFETCH(QString, locale);
        QFETCH(QString, language);
        QFETCH(QString, rollCaption);
        QFETCH(QString, qtText);
        QLocale::setDefault(QLocale(locale));
        Translations::load();
        QVERIFY(m_main.start());
        const QString caption = m_main.button("cmdRoll")->text();
        const QString qt = qtMenuText();
        const Qt::LayoutDirection direction = m_main.window->layoutDirection();
        m_main.stop();

        QCOMPARE(Translations::language(), language);
        QCOMPARE(caption, rollCaption);
        QCOMPARE(qt, qtText);
        QCOMPARE(direction, Qt::LeftToRight);
    }
};

QTEST_MAIN(LanguageTest)
#include "LanguageTest.moc"
