#include "MainWindowFixture.h"
class FieldsTest : public QObject { Q_OBJECT };
QTEST_MAIN(FieldsTest)
#include "FieldsTest.moc"
