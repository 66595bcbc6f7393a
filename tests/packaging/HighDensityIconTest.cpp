// SPDX-License-Identifier: MIT
// On a screen of scale 2 the windows' icons must be drawn from the 64-pixel
// artwork, not from the 32-pixel icon scaled up.
#include <dice/RandomSource.h>
#include <ui/info/frmAbout.h>
#include <ui/main/frmDice.h>

#include <QApplication>
#include <QIcon>
#include <QImage>
#include <QTest>

namespace {

// Alpha edges survive a premultiplying round trip only in this form.
QImage comparable(QImage image)
{
    image.setDevicePixelRatio(1);
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

QImage artwork(int size)
{
    return comparable(QImage(
        QStringLiteral(ROLLWRIGHT_HICOLOR_DIR "/%1x%1/apps/" ROLLWRIGHT_APP_ID ".png").arg(size)));
}

} // namespace

class HighDensityIconTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QCOMPARE(qApp->devicePixelRatio(), 2.0); }

    void mainWindowIconIsDrawnAt64Pixels()
    {
        Dice::EntropySeededSource source(1);
        frmDice window(source);
        const QPixmap icon = window.windowIcon().pixmap(QSize(32, 32));
        QCOMPARE(icon.size(), QSize(64, 64));
        QCOMPARE(comparable(icon.toImage()), artwork(64));
    }

    void aboutWindowIconIsDrawnAt64Pixels()
    {
        frmAbout about(nullptr);
        const QPixmap icon = about.windowIcon().pixmap(QSize(32, 32));
        QCOMPARE(icon.size(), QSize(64, 64));
        QCOMPARE(comparable(icon.toImage()), artwork(64));
    }

    // Window managers choose from these for title bars and task switchers.
    void mainWindowOffersEveryRenderedSize()
    {
        Dice::EntropySeededSource source(1);
        frmDice window(source);
        const QList<QSize> sizes = window.windowIcon().availableSizes();
        for (int size : {16, 22, 24, 32, 48, 64, 128})
            QVERIFY2(sizes.contains(QSize(size, size)), qPrintable(QString::number(size)));
    }
};

int main(int argc, char* argv[])
{
    // Before the application exists, as a desktop session would set it.
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    HighDensityIconTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "HighDensityIconTest.moc"
