#include "MainWindowFixture.h"
class ResetTest : public QObject { Q_OBJECT };
QTEST_MAIN(ResetTest)
#include "ResetTest.moc"
