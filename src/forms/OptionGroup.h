// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QObject>

#include <functional>

class QAbstractButton;
class QButtonGroup;

// Option buttons that form one group, told apart by their index in the list:
// choosing one clears the others, and Click reports the index of the button
// chosen, by mouse, access key, Space, arrow key or from code.
//
// Tab enters the group at its chosen button, or at the first when none is
// chosen. The arrow keys move the choice in index order, Up and Left to the
// previous button and Down and Right to the next, wrapping at either end and
// skipping hidden and disabled buttons; the button reached is chosen.
class OptionGroup : public QObject
{
    Q_OBJECT

public:
    OptionGroup(const QList<QAbstractButton*>& buttons, QObject* parent);

    using ClickHandler = std::function<void(int index)>;
    void onClick(ClickHandler handler);

    // Index of the chosen button, -1 when none is.
    int chosen() const;
    // Clears every button; no Click is raised.
    void clear();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void updateTabStop();
    void moveChoice(QAbstractButton* from, int step);

    QList<QAbstractButton*> m_buttons;
    QButtonGroup* m_group;
    ClickHandler m_click;
};
