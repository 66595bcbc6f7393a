// SPDX-License-Identifier: MIT
// Every shipped language, as compiled into the program:
// in each window every access key leads to one place (but the two the
// English gives Alt+A, About and the Action menu), every key a button shows
// presses it unless a menu shares it, every caption fits its control at
// the window's fixed size, and a message about a modifier names it by its
// label's words.
#include <ui/info/frmAbout.h>
#include <ui/info/frmReadMe.h>

#include "MainWindowFixture.h"
#include "WindowChecks.h"

#include <QDir>
#include <QTranslator>

#include <algorithm>
#include <memory>

namespace {

// The windows' captions as the user sees them in the installed language.
struct Findings
{
    QStringList sharedKeys;
    // Buttons showing an access key that does not press them.
    QStringList deadKeys;
    QStringList clipped;
    // Fields whose message does not name them by their label's words.
    QStringList unnamedFields;
    QString rollCaption;
};

Findings inspect()
{
    Findings found;
    const auto note = [&](QWidget* window, const QString& name) {
        const QStringList shared = WindowChecks::sharedAccessKeys(window);
        for (const QString& keys : shared)
            found.sharedKeys.append(name + QStringLiteral(" ") + keys);
        for (auto* button : window->findChildren<QAbstractButton*>()) {
            const QChar key = WindowChecks::accessKey(button->text());
            const bool resolved =
                std::any_of(shared.cbegin(), shared.cend(), [&](const QString& s) {
                    return s.startsWith(key) &&
                           s.split(QLatin1Char(' ')).contains(button->objectName());
                });
            if (!key.isNull() && !resolved &&
                button->shortcut() != QKeySequence::mnemonic(button->text()))
                found.deadKeys.append(name + QStringLiteral(" ") + button->objectName());
        }
        for (const QString& control : WindowChecks::clippedCaptions(window))
            found.clipped.append(name + QStringLiteral(" ") + control);
    };
    MainWindowFixture main;
    if (!main.start()) {
        found.clipped.append(QStringLiteral("the main window did not start"));
        return found;
    }
    // The custom die's frame shows its fields too.
    QTest::mouseClick(main.find<QRadioButton>("optDieType_11"), Qt::LeftButton);
    note(main.window, QStringLiteral("frmDice"));
    found.rollCaption = main.find<QPushButton>("cmdRoll")->text();
    main.chooseDieType(4);
    for (const auto& [field, label] : {std::pair("cmbRollModifier", "lblRollModifier"),
                                       std::pair("cmbDieModifier", "lblDieModifier")}) {
        main.list("cmbRollModifier")->setEditText(QStringLiteral("0"));
        main.list(field)->setEditText(QStringLiteral("5000"));
        main.boxes.clear();
        QTest::mouseClick(main.find<QPushButton>("cmdRoll"), Qt::LeftButton);
        const QString words = WindowChecks::plain(main.find<QLabel>(label)->text()).simplified();
        if (main.boxes.size() != 1 || !main.boxes[0].text.contains(words))
            found.unnamedFields.append(QString::fromLatin1(field));
    }
    {
        frmAbout about(main.window);
        about.Form_Load();
        about.show();
        note(&about, QStringLiteral("frmAbout"));
        frmReadMe readMe(main.window);
        readMe.Form_Load();
        readMe.show();
        note(&readMe, QStringLiteral("frmReadMe"));
    }
    main.stop();
    return found;
}

} // namespace

class TranslationTest : public QObject
{
    Q_OBJECT

    Findings m_english;

private slots:
    void initTestCase()
    {
        QVERIFY(QDir(QStringLiteral(ROLLWRIGHT_TRANSLATIONS))
                    .exists(QStringLiteral("rollwright_de.qm"))); // the build made them
        m_english = inspect();
        QCOMPARE(m_english.clipped.join(QLatin1String(", ")), QString());
        QCOMPARE(m_english.deadKeys.join(QLatin1String(", ")), QString());
        QCOMPARE(m_english.unnamedFields.join(QLatin1String(", ")), QString());
    }

    void everyLanguage_data()
    {
        QTest::addColumn<QString>("file");
        const QDir folder(QStringLiteral(ROLLWRIGHT_TRANSLATIONS));
        for (const QString& file : folder.entryList({QStringLiteral("rollwright_*.qm")}))
            QTest::newRow(qPrintable(file)) << folder.filePath(file);
    }

    void everyLanguage()
    {
        QFETCH(QString, file);
        QTranslator translator;
        QVERIFY(translator.load(file));
        QCoreApplication::installTranslator(&translator);
        const Findings found = inspect();
        QCoreApplication::removeTranslator(&translator);

        QVERIFY(found.rollCaption != m_english.rollCaption); // the file was read
        for (const QString& shared : found.sharedKeys)
            QVERIFY2(m_english.sharedKeys.contains(shared), qPrintable(shared));
        QCOMPARE(found.clipped.join(QLatin1String(", ")), QString());
        QCOMPARE(found.deadKeys.join(QLatin1String(", ")), QString());
        QCOMPARE(found.unnamedFields.join(QLatin1String(", ")), QString());
    }
};

QTEST_MAIN(TranslationTest)
#include "TranslationTest.moc"
