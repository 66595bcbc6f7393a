// SPDX-License-Identifier: MIT
// A list's popup shows a bounded number of entries and scrolls to the rest,
// whatever the style: a long list never runs past the screen's edge.
#include <forms/ListPopup.h>

#include "TestForm.h"

#include <QAbstractItemView>
#include <QScrollBar>

class ListPopupTest : public QObject
{
    Q_OBJECT

private slots:
    void aListPopsUpAtMostEightEntries_data()
    {
        QTest::addColumn<QString>("style");
        QTest::addColumn<int>("entries");
        QTest::addColumn<int>("shown");
        for (const QString& style : {QStringLiteral("Fusion"), QStringLiteral("Windows")}) {
            QTest::addRow("%s, 3 entries", qPrintable(style)) << style << 3 << 3;
            QTest::addRow("%s, 8 entries", qPrintable(style)) << style << 8 << 8;
            QTest::addRow("%s, 26 entries", qPrintable(style)) << style << 26 << 8;
        }
    }
    void aListPopsUpAtMostEightEntries()
    {
        QFETCH(QString, style);
        QFETCH(int, entries);
        QFETCH(int, shown);
        QApplication::setStyle(style);
        TestForm form;
        form.cmbList->clear();
        for (int i = 0; i < entries; ++i)
            form.cmbList->addItem(QString::number(13 - i));
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));

        form.cmbList->showPopup();
        QAbstractItemView* view = form.cmbList->view();
        QTRY_VERIFY(view->isVisible());
        const int rowHeight = view->sizeHintForRow(0);
        QVERIFY(rowHeight > 0);
        QCOMPARE(view->viewport()->height() / rowHeight, shown);
        QCOMPARE(view->verticalScrollBar()->isVisible(), entries > shown);
        form.cmbList->hidePopup();
    }
};

QTEST_MAIN(ListPopupTest)
#include "ListPopupTest.moc"
