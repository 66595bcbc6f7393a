// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

class QKeyEvent;
class QShortcutEvent;

// Alt that has pressed an access key is spent: releasing it must not also
// hand the keyboard to the menu bar. Qt's accessibility bridge breaks this:
// it holds each key press and release back until the screen readers have
// seen it and then delivers it again, in order, so a slow reply lets Alt
// arrive a second time after its access key, even after the real release,
// and arm the menu bar anew. An access key presses its button at once, before
// the next key is read, and one on a digit answers to the key that carries
// the digit on the user's layout. One filter for the program.
class AccessKeys : public QObject
{
    Q_OBJECT

public:
    static void install();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using QObject::QObject;
    bool pressAtOnce(QObject* watched, const QShortcutEvent* event);
    bool pressDigitOfKey(QObject* watched, const QKeyEvent* event);
    bool m_altSpent = false;
    // The bridge may still hand back the press of the Alt held down.
    bool m_altHeldBack = false;
    const QEvent* m_digitAgain = nullptr;
};
