// SPDX-License-Identifier: MIT
#pragma once

#include <QHash>
#include <QObject>
#include <QSet>

#include <functional>

class QAbstractButton;
class QComboBox;
class QInputMethodEvent;
class QKeyEvent;
class QWidget;

// Delivers a window's control events the way its handlers expect them:
// GotFocus when a control is entered (by keyboard, mouse or code, but not when
// the window or a menu merely hands the focus back), Click after a mouse click
// in a control, KeyPress with each character before it reaches the control,
// and Enter and Escape pressing the window's default and cancel buttons.
class FormEvents : public QObject
{
    Q_OBJECT

public:
    explicit FormEvents(QWidget* form);

    using Handler = std::function<void()>;
    using KeyHandler = std::function<void(int& keyAscii)>;

    void onGotFocus(QWidget* control, Handler handler);
    void onClick(QWidget* control, Handler handler);
    // Every character that would be typed into the control, by a key, a dead
    // key or an input method, reaches the handler first, one at a time; a
    // code set to 0 is dropped and leaves text and selection as they were.
    // An Alt combination that is no access key types nothing.
    void onKeyPress(QWidget* control, KeyHandler handler);

    // Enter presses the focused command button, else the default button.
    void setDefaultButton(QAbstractButton* button) { m_defaultButton = button; }
    // Escape presses it; without one, Escape does nothing.
    void setCancelButton(QAbstractButton* button) { m_cancelButton = button; }
    // Enter does nothing in this control (multi-line boxes).
    void keepEnterIn(QWidget* control) { m_keepsEnter.insert(control); }

    // An editable list where the user types a value or chooses an entry:
    // typing never completes to an entry nor adds one, and leaving the list
    // after typing is no choice (Qt would choose the entry the text matches).
    void makeEditableList(QComboBox* list);

    // Moves the focus from code. The control's GotFocus handler runs once, as
    // for the user's move, also while the window is inactive and also when
    // the control has the focus already.
    void moveFocus(QWidget* control);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void watch(QWidget* control);
    bool handleKey(QWidget* control, QKeyEvent* event);
    bool filterTypedKey(QWidget* control, QKeyEvent* event, const KeyHandler& handler);
    bool filterInputMethod(QWidget* control, QInputMethodEvent* event, const KeyHandler& handler);
    // Hands the event to the control past this filter.
    void deliver(QObject* watched, QEvent* event);
    // Hands the control text to insert as if typed, past this filter.
    void type(QWidget* control, const QString& text);

    QWidget* m_form;
    QAbstractButton* m_defaultButton = nullptr;
    QAbstractButton* m_cancelButton = nullptr;
    QSet<QWidget*> m_keepsEnter;
    QSet<QObject*> m_editableLists;
    QSet<QObject*> m_watched;
    QHash<QObject*, Handler> m_gotFocus;
    QHash<QObject*, Handler> m_click;
    QHash<QObject*, KeyHandler> m_keyPress;
    QObject* m_redelivering = nullptr;
    QObject* m_focusMovedByCode = nullptr;
};
