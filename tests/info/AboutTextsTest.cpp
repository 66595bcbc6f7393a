// SPDX-License-Identifier: MIT
// The About window's four texts, character for character, and how its
// labels show them.
#include <settings/AppSettings.h>
#include <settings/Identity.h>
#include <settings/Translations.h>
#include <ui/info/frmAbout.h>

#include <QFontMetrics>
#include <QLabel>
#include <QScopeGuard>
#include <QTest>

namespace {

const QString Pair = QStringLiteral("\n\r");

QString lines(const QStringList& parts)
{
    return parts.join(Pair);
}

QString text(const char* identity)
{
    return QString::fromUtf8(identity);
}

// The lines a label of the window shows.
QStringList shownLines(const QWidget& window, const char* label)
{
    const auto* shown = window.findChild<QLabel*>(QString::fromLatin1(label));
    return shown ? shown->text().split(QLatin1Char('\n')) : QStringList();
}

} // namespace

class AboutTextsTest : public QObject
{
    Q_OBJECT

    AppSettings m_saved;

private slots:
    void initTestCase() { m_saved = AppSettings::get(); }
    void cleanup() { AppSettings::set(m_saved); }

    void title_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("major");
        QTest::addColumn<int>("minor");
        QTest::addColumn<int>("revision");
        QTest::addColumn<QString>("firstLine");
        QTest::newRow("this release")
            << "Rollwright" << 1 << 2 << 5 << "Rollwright       Version 1.25";
        QTest::newRow("revision 0")
            << "Rollwright" << 1 << 2 << 0 << "Rollwright       Version 1.20";
        QTest::newRow("revision 12")
            << "Rollwright" << 1 << 2 << 12 << "Rollwright       Version 1.212";
        QTest::newRow("two-digit major, minor 0")
            << "Dice Box" << 10 << 0 << 3 << "Dice Box       Version 10.03";
    }

    void title()
    {
        QFETCH(QString, title);
        QFETCH(int, major);
        QFETCH(int, minor);
        QFETCH(int, revision);
        QFETCH(QString, firstLine);
        AppSettings app = AppSettings::get();
        app.title = title;
        app.versionMajor = major;
        app.versionMinor = minor;
        app.versionRevision = revision;
        AppSettings::set(app);

        frmAbout about(nullptr);
        about.Form_Load();
        QCOMPARE(about.TitleText(), lines({firstLine, QString(), text(Identity::Copyright)}));
    }

    // The maker's lines, each after its word, as the label shows them; the
    // second programmer stands under the first in the label's font, in every
    // language (German's word is longer).
    void credits_data()
    {
        QTest::addColumn<QString>("language");
        QTest::newRow("English") << "en";
        QTest::newRow("German") << "de";
    }
    void credits()
    {
        QFETCH(QString, language);
        QLocale::setDefault(QLocale(language));
        Translations::load();
        const auto english = qScopeGuard([] {
            QLocale::setDefault(QLocale(QLocale::English));
            Translations::load();
        });
        QCOMPARE(Translations::language(), language == QLatin1String("en") ? QString() : language);
        frmAbout about(nullptr);
        about.Form_Load();
        const QStringList shown = shownLines(about, "lblCredits");
        QCOMPARE(shown.size(), 7);
        QVERIFY(shown[0].startsWith(frmAbout::tr("E-Mail:")));
        QVERIFY(shown[0].endsWith(QStringLiteral(" ") + text(Identity::Email)));
        QVERIFY(shown[1].isEmpty());
        QVERIFY(shown[2].startsWith(frmAbout::tr("Webpage:")));
        QVERIFY(shown[2].endsWith(QStringLiteral(" ") + text(Identity::Homepage)));
        QVERIFY(shown[3].isEmpty() && shown[4].isEmpty());
        QVERIFY(shown[5].startsWith(frmAbout::tr("Programmers:")));
        QVERIFY(shown[5].endsWith(QStringLiteral(" ") + text(Identity::Vendor)));

        const QString second = shown[6].trimmed();
        QVERIFY(!second.isEmpty());
        const QFontMetrics metrics(about.findChild<QLabel*>(QStringLiteral("lblCredits"))->font());
        const int firstStart =
            metrics.horizontalAdvance(shown[5].chopped(text(Identity::Vendor).size()));
        const int secondStart = metrics.horizontalAdvance(shown[6].chopped(second.size()));
        QVERIFY2(qAbs(firstStart - secondStart) <= metrics.horizontalAdvance(QLatin1Char(' ')),
                 qPrintable(QStringLiteral("first name at %1 px, second at %2 px")
                                .arg(firstStart)
                                .arg(secondStart)));
    }

    void disclaimerAndDiceCredit()
    {
        frmAbout about(nullptr);
        about.Form_Load();
        const QStringList disclaimer = shownLines(about, "lblDisclaimer");
        QCOMPARE(disclaimer.size(), 2);
        QVERIFY(disclaimer[0].startsWith(text(Identity::Title) + QLatin1Char(' ')));
        QVERIFY(disclaimer[0].contains(QStringLiteral("MIT License")));
        QVERIFY(disclaimer[1].contains(QStringLiteral("without any warranty")));

        const QStringList diceCredit = shownLines(about, "lblDiceCredit");
        QCOMPARE(diceCredit.size(), 2);
        QVERIFY(diceCredit[0].startsWith(QStringLiteral("Dice images by ")));
        QVERIFY(diceCredit[1].startsWith(QStringLiteral("Contact:")));
        QVERIFY(diceCredit[1].contains(QLatin1Char('@')));
    }

    void caption_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<int>("lineCount");
        QTest::addColumn<int>("linesOnScreen"); // after wrapping at the label's width
        QTest::newRow("title") << "lblTitle" << 3 << 3;
        QTest::newRow("credits") << "lblCredits" << 7 << 7;
        QTest::newRow("disclaimer") << "lblDisclaimer" << 2 << 2;
        QTest::newRow("dice credit") << "lblDiceCredit" << 2 << 3;
    }

    // Each pair is one line break on screen, and the text fits its label:
    // no line wider than it, no more lines than it holds.
    void caption()
    {
        QFETCH(QString, label);
        QFETCH(int, lineCount);
        QFETCH(int, linesOnScreen);
        frmAbout about(nullptr);
        about.Form_Load();
        const auto* shown = about.findChild<QLabel*>(label);
        QVERIFY(shown);

        const QString text = shown->text();
        QVERIFY(!text.contains(QChar(13)));
        QCOMPARE(text.split(QChar(10)).size(), lineCount);

        const QFontMetrics metrics(shown->font());
        const QRect box = shown->contentsRect();
        const int flags = Qt::AlignLeft | Qt::AlignTop;
        const QRect needed = metrics.boundingRect(QRect(box.topLeft(), QSize(box.width(), 10000)),
                                                  flags | Qt::TextWordWrap, text);
        const QRect lines =
            metrics.boundingRect(QRect(0, 0, 10000, 10000), flags,
                                 QStringList(linesOnScreen, QStringLiteral("X")).join(QChar(10)));
        QVERIFY2(needed.width() <= box.width(),
                 qPrintable(QStringLiteral("%1 px wide").arg(needed.width())));
        QCOMPARE(needed.height(), lines.height());
        QVERIFY2(needed.height() <= box.height(),
                 qPrintable(QStringLiteral("%1 px high").arg(needed.height())));
    }
};

QTEST_MAIN(AboutTextsTest)
#include "AboutTextsTest.moc"
