// SPDX-License-Identifier: MIT
#pragma once

#include <forms/FormEvents.h>
#include <forms/OptionGroup.h>
#include <forms/Program.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QVBoxLayout>

// A small window with one control of each kind the runtime serves, and
// handlers that only write down what reached them.
class TestForm : public QMainWindow
{
public:
    QLineEdit* txtDigits = new QLineEdit(QStringLiteral("12"));
    QComboBox* cmbList = new QComboBox;
    QPlainTextEdit* txtNoTyping = new QPlainTextEdit(QStringLiteral("Some text"));
    QPushButton* cmdDefault = new QPushButton(QStringLiteral("&Go"));
    QPushButton* cmdOther = new QPushButton(QStringLiteral("&Other"));
    QPushButton* cmdCancel = new QPushButton(QStringLiteral("Ca&ncel"));
    QList<QAbstractButton*> options;
    QMenu* mnuFile = nullptr;
    QAction* mnuFileReset = nullptr;
    FormEvents* events = nullptr;
    OptionGroup* group = nullptr;

    // What the handlers saw, in order: "GotFocus txtDigits", "KeyPress
    // txtDigits 55", "Click cmdDefault", "Option 2".
    QStringList log;

    TestForm()
    {
        auto* client = new QWidget;
        auto* layout = new QVBoxLayout(client);
        txtDigits->setObjectName(QStringLiteral("txtDigits"));
        cmbList->setObjectName(QStringLiteral("cmbList"));
        cmbList->addItems({QStringLiteral("+1"), QStringLiteral("0"), QStringLiteral("-1")});
        txtNoTyping->setObjectName(QStringLiteral("txtNoTyping"));
        txtNoTyping->setTabChangesFocus(true);
        cmdDefault->setObjectName(QStringLiteral("cmdDefault"));
        cmdOther->setObjectName(QStringLiteral("cmdOther"));
        cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
        for (QWidget* w : std::initializer_list<QWidget*>{txtDigits, cmbList, txtNoTyping})
            layout->addWidget(w);
        // Two columns, so that moving by geometry and by index differ.
        auto* grid = new QGridLayout;
        const QStringList captions{QStringLiteral("&Ant"), QStringLiteral("&Bee"),
                                   QStringLiteral("&Cat"), QStringLiteral("&Dog"),
                                   QStringLiteral("&Eel")};
        for (int i = 0; i < captions.size(); ++i) {
            auto* option = new QRadioButton(captions[i]);
            option->setObjectName(QStringLiteral("opt_%1").arg(i));
            grid->addWidget(option, i % 3, i / 3);
            options << option;
        }
        layout->addLayout(grid);
        for (QWidget* w : std::initializer_list<QWidget*>{cmdDefault, cmdOther, cmdCancel})
            layout->addWidget(w);
        setCentralWidget(client);
        mnuFile = menuBar()->addMenu(QStringLiteral("&File"));
        mnuFile->setObjectName(QStringLiteral("mnuFile"));
        mnuFileReset = mnuFile->addAction(QStringLiteral("&Reset"));

        events = new FormEvents(this);
        group = new OptionGroup(options, this);
        bind();
    }

    void bind()
    {
        events->setDefaultButton(cmdDefault);
        events->setCancelButton(cmdCancel);
        events->makeEditableList(cmbList);
        events->onGotFocus(txtDigits, [this] {
            log << QStringLiteral("GotFocus txtDigits");
            txtDigits->selectAll();
        });
        events->onClick(txtDigits, [this] {
            log << QStringLiteral("Click txtDigits");
            txtDigits->selectAll();
        });
        events->onGotFocus(cmbList, [this] { log << QStringLiteral("GotFocus cmbList"); });
        connect(cmbList, &QComboBox::activated, this,
                [this] { log << QStringLiteral("Click cmbList"); });
        // Digits pass; the list takes "-" too; the box takes nothing.
        events->onKeyPress(txtDigits,
                           [this](int& key) { keyPress(QStringLiteral("txtDigits"), key, false); });
        events->onKeyPress(cmbList,
                           [this](int& key) { keyPress(QStringLiteral("cmbList"), key, true); });
        events->onKeyPress(txtNoTyping, [this](int& key) {
            log << QStringLiteral("KeyPress txtNoTyping %1").arg(key);
            key = 0;
        });
        events->keepEnterIn(txtNoTyping);
        for (QPushButton* b : {cmdDefault, cmdOther, cmdCancel})
            connect(b, &QPushButton::clicked, this,
                    [this, b] { log << QStringLiteral("Click ") + b->objectName(); });
        group->onClick([this](int index) { log << QStringLiteral("Option %1").arg(index); });
        connect(mnuFileReset, &QAction::triggered, this, [this] {
            Program::runHandler([this] {
                txtDigits->setText(QStringLiteral("1"));
                events->moveFocus(txtDigits);
            });
        });
    }

    void keyPress(const QString& name, int& key, bool minusToo)
    {
        log << QStringLiteral("KeyPress %1 %2").arg(name).arg(key);
        const bool digit = key >= '0' && key <= '9';
        if (!digit && key != 8 && !(minusToo && key == '-'))
            key = 0;
    }

    bool showActive()
    {
        show();
        activateWindow();
        return QTest::qWaitForWindowActive(this);
    }
};
