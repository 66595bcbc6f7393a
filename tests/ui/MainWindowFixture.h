// SPDX-License-Identifier: MIT
#pragma once

#include <app/Startup.h>
#include <dice/RollRequest.h>
#include <forms/MessageBox.h>
#include <forms/Program.h>
#include <ui/main/frmDice.h>

#include "ScriptedSource.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <memory>

// Starts the main window as the program does, with a scripted random source,
// message boxes recorded instead of shown and the window active.
class MainWindowFixture
{
public:
    ScriptedSource source{{0.0f}};
    QList<MessageBox::Shown> boxes;
    frmDice* window = nullptr;

    bool start()
    {
        MessageBox::setRecorder([this](const MessageBox::Shown& shown) { boxes.append(shown); });
        Program::setHost({.quit = [this](int status) { quitStatus = status; }});
        quitStatus = -1;
        source = ScriptedSource({0.0f});
        boxes.clear();
        window = startMainWindow(source);
        window->activateWindow();
        return QTest::qWaitForWindowActive(window);
    }

    void stop()
    {
        delete window;
        window = nullptr;
        MessageBox::setRecorder({});
        Program::setHost({});
    }

    int quitStatus = -1;

    template <class T = QWidget> T* find(const char* name) const
    {
        return window->findChild<T*>(QString::fromLatin1(name));
    }

    QLineEdit* edit(const char* name) const { return find<QLineEdit>(name); }
    QComboBox* list(const char* name) const { return find<QComboBox>(name); }
    QPlainTextEdit* box(const char* name) const { return find<QPlainTextEdit>(name); }
    QPushButton* button(const char* name) const { return find<QPushButton>(name); }
    QRadioButton* dieType(int index) const
    {
        return window->findChild<QRadioButton*>(QStringLiteral("optDieType_%1").arg(index));
    }
    QString focusName() const
    {
        const QWidget* focus = QApplication::focusWidget();
        return focus ? focus->objectName() : QString();
    }

    // Chooses a die type as the user does, by clicking its button.
    void chooseDieType(int index) const { QTest::mouseClick(dieType(index), Qt::LeftButton); }

    void typeInto(QWidget* field, const QString& text) const
    {
        field->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(field, text);
    }

    // All five result texts, for checks that they stay or go together.
    QStringList results() const
    {
        return {box("txtIndivRolls")->toPlainText(), box("txtIndivRollsMulti")->toPlainText(),
                box("txtModRolls")->toPlainText(), box("txtModRollsMulti")->toPlainText(),
                edit("txtTotalResult")->text()};
    }
    bool resultsEmpty() const
    {
        for (const QString& text : results())
            if (!text.isEmpty())
                return false;
        return true;
    }
};
