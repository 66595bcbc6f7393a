// SPDX-License-Identifier: MIT
// An access key on a digit answers to the key that carries the digit on the
// user's keyboard layout, with or without Shift; typing stays as it is. The
// keys come from the X server as a keyboard's do, on the French layout, where
// the digits are the shifted level of their keys.
#include "TestForm.h"

#include <QProcess>
#include <QStandardPaths>

namespace {

bool run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    return process.waitForFinished(10000) && process.exitStatus() == QProcess::NormalExit &&
           process.exitCode() == 0;
}

} // namespace

class KeyboardLayoutTest : public QObject
{
    Q_OBJECT

    TestForm* form = nullptr;

private slots:
    void initTestCase()
    {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            QSKIP("the layout is the X server's");
        for (const char* tool : {"setxkbmap", "xdotool"}) {
            if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
                QSKIP(qPrintable(QStringLiteral("%1 is missing").arg(QLatin1String(tool))));
        }
        QVERIFY(
            run(QStringLiteral("setxkbmap"), {QStringLiteral("-layout"), QStringLiteral("fr")}));
    }
    void init()
    {
        form = new TestForm;
        form->options[3]->setText(QStringLiteral("&6 Dog"));
        QVERIFY(form->showActive());
        form->txtDigits->setFocus(Qt::TabFocusReason);
        form->txtDigits->setCursorPosition(2);
        form->log.clear();
    }
    void cleanup()
    {
        delete form;
        form = nullptr;
    }

    void digitKeysOnTheLayout_data()
    {
        QTest::addColumn<QString>("keys"); // as xdotool names them; Enter follows
        QTest::addColumn<QStringList>("log");
        QTest::addColumn<QString>("field");
        QTest::newRow("alt and the key with 6") << "alt+minus" << QStringList{"Option 3"} << "12";
        QTest::newRow("alt, shift and the key with 6")
            << "alt+shift+minus" << QStringList{"Option 3"} << "12";
        QTest::newRow("alt and a digit no access key has") << "alt+eacute" << QStringList{} << "12";
        QTest::newRow("the key with 6 types its minus")
            << "minus" << QStringList{"KeyPress txtDigits 45"} << "12";
        QTest::newRow("shift and the key with 6 types 6")
            << "shift+minus" << QStringList{"KeyPress txtDigits 54"} << "126";
    }
    void digitKeysOnTheLayout()
    {
        QFETCH(QString, keys);
        QFETCH(QStringList, log);
        QFETCH(QString, field);
        // Back to back, as a fast typist types them; Enter tells when all
        // have arrived.
        QVERIFY(
            run(QStringLiteral("xdotool"), {QStringLiteral("key"), QStringLiteral("--delay"),
                                            QStringLiteral("15"), keys, QStringLiteral("Return")}));
        const QString enter = QStringLiteral("Click cmdDefault");
        QTRY_VERIFY_WITH_TIMEOUT(form->log.contains(enter), 3000);
        QCOMPARE(form->log, log + QStringList{enter});
        QCOMPARE(form->txtDigits->text(), field);
    }
};

QTEST_MAIN(KeyboardLayoutTest)
#include "KeyboardLayoutTest.moc"
