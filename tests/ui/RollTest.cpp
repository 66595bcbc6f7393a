// SPDX-License-Identifier: MIT
// The Roll Dice command through the real window: refused settings with their
// boxes and focus moves, and the display of good rolls.
#include "MainWindowFixture.h"

class RollTest : public QObject
{
    Q_OBJECT

    MainWindowFixture f;

    void setField(const QString& name, const QString& text)
    {
        if (auto* list = f.window->findChild<QComboBox*>(name))
            list->setEditText(text);
        else
            f.window->findChild<QLineEdit*>(name)->setText(text);
    }

private slots:
    void init() { QVERIFY(f.start()); }
    void cleanup() { f.stop(); }

    void refusedRolls_data()
    {
        QTest::addColumn<int>("dieType");
        QTest::addColumn<QStringList>("fields"); // name=text pairs
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("focus"); // empty: not moved from txtNumDice
        const QString custom = QStringLiteral("Custom Die Roll Error");
        QTest::newRow("no die type") << -1 << QStringList{} << "You must select a Die Type."
                                     << "Die Roll Error"
                                     << "";
        QTest::newRow("lower 1000")
            << 11 << QStringList{"txtCustomDieLow=1000", "txtCustomDieHigh=6"}
            << "Your Lower Limit must be less than 1000" << custom << "txtCustomDieLow";
        QTest::newRow("upper 1001")
            << 11 << QStringList{"txtCustomDieLow=1", "txtCustomDieHigh=1001"}
            << "Your Upper Limit must be 1000 or less!" << custom << "txtCustomDieHigh";
        QTest::newRow("pasted negative lower")
            << 11 << QStringList{"txtCustomDieLow=-99999", "txtCustomDieHigh=6"}
            << "The Lower Limit for your Custom Die Type must be 0 or greater." << custom
            << "txtCustomDieLow";
        QTest::newRow("upper 0") << 11 << QStringList{"txtCustomDieLow=1", "txtCustomDieHigh=0"}
                                 << "You must select an Upper Limit for your Custom Die Type."
                                 << custom << "txtCustomDieHigh";
        QTest::newRow("6..5") << 11 << QStringList{"txtCustomDieLow=6", "txtCustomDieHigh=5"}
                              << "Your Lower Limit is higher than your Upper Limit!" << custom
                              << "txtCustomDieLow";
        QTest::newRow("5..5") << 11 << QStringList{"txtCustomDieLow=5", "txtCustomDieHigh=5"}
                              << "Your Lower Limit is the same as your Upper Limit!" << custom
                              << "txtCustomDieLow";
        QTest::newRow("roll modifier")
            << 4 << QStringList{"cmbRollModifier=1001", "cmbDieModifier=101"}
            << "Roll Modifier must be between -1000 and 1000." << custom << "cmbRollModifier";
        QTest::newRow("die modifier")
            << 4 << QStringList{"cmbDieModifier=-101", "txtNumDice=5000"}
            << "Die Modifier must be between -100 and 100." << custom << "cmbDieModifier";
        QTest::newRow("1001 dice")
            << 4 << QStringList{"txtNumDice=1001"}
            << "Sorry you only have 1000 dice in your dice bag!" << custom << "";
        QTest::newRow("400 digits of dice")
            << 4 << QStringList{"txtNumDice=" + QString(400, QChar('9'))}
            << "Sorry you only have 1000 dice in your dice bag!" << custom << "";
    }
    void refusedRolls()
    {
        QFETCH(int, dieType);
        QFETCH(QStringList, fields);
        QFETCH(QString, message);
        QFETCH(QString, title);
        QFETCH(QString, focus);
        if (dieType >= 0)
            f.chooseDieType(dieType);
        for (const QString& field : fields)
            setField(field.section('=', 0, 0), field.section('=', 1));
        f.source = ScriptedSource({0.5f});
        f.edit("txtNumDice")->setFocus(Qt::OtherFocusReason);

        QTest::keyClick(f.edit("txtNumDice"), Qt::Key_Return);
        QCOMPARE(f.boxes.size(), 1);
        QCOMPARE(f.boxes[0].text, message);
        QCOMPARE(f.boxes[0].title, title);
        QCOMPARE(f.boxes[0].style, int(MessageBox::Exclamation));
        QCOMPARE(f.focusName(), focus.isEmpty() ? QStringLiteral("txtNumDice") : focus);
        QCOMPARE(f.source.draws(), std::size_t{0});
        if (auto* box = f.window->findChild<QLineEdit*>(focus); box && !focus.isEmpty())
            QCOMPARE(box->selectedText(), box->text());
    }

    void emptyLowerLimitBecomesZeroWhateverTheOutcome()
    {
        f.chooseDieType(11);
        f.edit("txtCustomDieLow")->clear();
        f.edit("txtCustomDieHigh")->setText(QStringLiteral("1001"));
        f.button("cmdRoll")->click();
        QCOMPARE(f.boxes.size(), 1);
        QCOMPARE(f.edit("txtCustomDieLow")->text(), QStringLiteral("0"));

        f.edit("txtCustomDieLow")->clear();
        f.edit("txtCustomDieHigh")->setText(QStringLiteral("6"));
        f.source = ScriptedSource({0.0f});
        f.button("cmdRoll")->click();
        QCOMPARE(f.boxes.size(), 1);
        QCOMPARE(f.edit("txtCustomDieLow")->text(), QStringLiteral("0"));
        QCOMPARE(f.box("txtIndivRolls")->toPlainText(), QStringLiteral("0"));
    }

    void aRefusalKeepsResultsUnlessTheFocusGoesToAList()
    {
        f.chooseDieType(11);
        f.edit("txtCustomDieHigh")->setText(QStringLiteral("6"));
        f.button("cmdRoll")->click();
        const QStringList results = f.results();
        f.edit("txtCustomDieLow")->setText(QStringLiteral("1000"));
        f.button("cmdRoll")->click();
        QCOMPARE(f.results(), results);

        f.edit("txtCustomDieLow")->setText(QStringLiteral("0"));
        f.list("cmbRollModifier")->setEditText(QStringLiteral("2000"));
        f.button("cmdClear")->setFocus(Qt::OtherFocusReason);
        f.window->cmdRoll_Click();
        QCOMPARE(f.focusName(), QStringLiteral("cmbRollModifier"));
        QVERIFY(f.resultsEmpty());
    }

    void aGoodRollFillsBothBoxesOfEachPair()
    {
        f.chooseDieType(4);
        f.edit("txtNumDice")->setText(QStringLiteral("3"));
        f.list("cmbDieModifier")->setEditText(QStringLiteral("2"));
        f.list("cmbRollModifier")->setEditText(QStringLiteral("-1"));
        f.source = ScriptedSource({0.0f, 0.5f, std::nextafter(1.0f, 0.0f)});
        f.button("cmdRoll")->click();
        QCOMPARE(f.box("txtIndivRolls")->toPlainText(), QStringLiteral("1, 4, 6"));
        QCOMPARE(f.box("txtIndivRollsMulti")->toPlainText(), QStringLiteral("1, 4, 6"));
        QCOMPARE(f.box("txtModRolls")->toPlainText(), QStringLiteral("3, 6, 8"));
        QCOMPARE(f.box("txtModRollsMulti")->toPlainText(), QStringLiteral("3, 6, 8"));
        QCOMPARE(f.edit("txtTotalResult")->text(), QStringLiteral("16"));
        QCOMPARE(f.focusName(), QStringLiteral("cmdClear"));
        QVERIFY(f.boxes.isEmpty());
    }

    void eachListChoosesItsBoxByLength_data()
    {
        QTest::addColumn<int>("dice");
        QTest::addColumn<QString>("dieModifier");
        QTest::addColumn<bool>("indivLong");
        QTest::addColumn<bool>("modLong");
        QTest::newRow("16 digits: 46 characters") << 16 << "0" << false << false;
        QTest::newRow("17 digits: 49 characters") << 17 << "0" << true << true;
        QTest::newRow("12 d6 +100: only modified long") << 12 << "100" << false << true;
        QTest::newRow("no dice") << 0 << "0" << false << false;
    }
    void eachListChoosesItsBoxByLength()
    {
        QFETCH(int, dice);
        QFETCH(QString, dieModifier);
        QFETCH(bool, indivLong);
        QFETCH(bool, modLong);
        f.chooseDieType(4);
        f.list("cmbDieModifier")->setEditText(dieModifier);
        // A long roll first, so each box must also switch back.
        f.edit("txtNumDice")->setText(QStringLiteral("40"));
        f.button("cmdRoll")->click();
        f.edit("txtNumDice")->setText(QString::number(dice));
        f.button("cmdRoll")->click();
        // The modified pair decides even while its frame is hidden.
        QCOMPARE(f.find("txtIndivRollsMulti")->isHidden(), !indivLong);
        QCOMPARE(f.find("txtIndivRolls")->isHidden(), indivLong);
        QCOMPARE(f.find("txtModRollsMulti")->isHidden(), !modLong);
        QCOMPARE(f.find("txtModRolls")->isHidden(), modLong);
    }

    void percentileShowsNoTotal()
    {
        f.chooseDieType(10);
        f.edit("txtNumDice")->setText(QStringLiteral("2"));
        f.source = ScriptedSource({0.0f, std::nextafter(1.0f, 0.0f)});
        f.button("cmdRoll")->click();
        QCOMPARE(f.box("txtIndivRolls")->toPlainText(), QStringLiteral("1, 100"));
        QCOMPARE(f.edit("txtTotalResult")->text(), QString());
    }

    void pastedNegativeDiceDrawNothing()
    {
        f.chooseDieType(4);
        f.edit("txtNumDice")->setText(QStringLiteral("-5"));
        f.list("cmbRollModifier")->setEditText(QStringLiteral("7"));
        f.button("cmdRoll")->click();
        QCOMPARE(f.source.draws(), std::size_t{0});
        QCOMPARE(f.box("txtIndivRolls")->toPlainText(), QString());
        QCOMPARE(f.edit("txtTotalResult")->text(), QStringLiteral("7"));
    }

    void aSecondRollReplacesTheFirst()
    {
        f.chooseDieType(4);
        f.edit("txtNumDice")->setText(QStringLiteral("30"));
        f.button("cmdRoll")->click();
        f.edit("txtNumDice")->setText(QStringLiteral("1"));
        f.source = ScriptedSource({0.0f});
        f.button("cmdRoll")->click();
        QCOMPARE(f.results(), (QStringList{"1", "1", "1", "1", "1"}));
    }
};

QTEST_MAIN(RollTest)
#include "RollTest.moc"
