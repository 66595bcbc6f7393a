#include "MainWindowFixture.h"
class MainLayoutTest : public QObject { Q_OBJECT };
QTEST_MAIN(MainLayoutTest)
#include "MainLayoutTest.moc"
