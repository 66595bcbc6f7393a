// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

// Alt that has pressed an access key is spent: releasing it must not also
// hand the keyboard to the menu bar. Qt's accessibility bridge breaks this:
// it holds each key press back until the screen readers have seen it and
// then delivers it again, so a slow reply lets Alt arrive a second time after
// its access key and arm the menu bar anew. One filter for the program.
class AccessKeys : public QObject
{
    Q_OBJECT

public:
    static void install();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using QObject::QObject;
    bool m_altSpent = false;
};
