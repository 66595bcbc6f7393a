#pragma once

#include <QHash>
#include <QObject>
#include <QSet>

#include <functional>

class QAbstractButton;
class QComboBox;
class QKeyEvent;
class QWidget;

// Delivers a window's control events the way its handlers expect them:
// GotFocus when a control receives the focus (by keyboard, mouse or code, but
// not when the window merely becomes active again), Click after a mouse click
// in a control, KeyPress with the typed character code before the control
// sees it (a handler sets the code to 0 to discard the key), and Enter and
// Escape pressing the window's default and cancel buttons.
class FormEvents : public QObject
{
    Q_OBJECT

public:
    explicit FormEvents(QWidget* form);

    using Handler = std::function<void()>;
    using KeyHandler = std::function<void(int& keyAscii)>;

    void onGotFocus(QWidget* control, Handler handler);
    void onClick(QWidget* control, Handler handler);
    void onKeyPress(QWidget* control, KeyHandler handler);

    // Enter presses the focused command button, else the default button.
    void setDefaultButton(QAbstractButton* button) { defaultButton_ = button; }
    // Escape presses it; without one, Escape does nothing.
    void setCancelButton(QAbstractButton* button) { cancelButton_ = button; }
    // Enter does nothing in this control (multi-line boxes).
    void keepEnterIn(QWidget* control) { keepsEnter_.insert(control); }

    // An editable list where the user types a value or chooses an entry:
    // typing never completes to an entry nor adds one, and leaving the list
    // after typing is no choice (Qt would choose the entry the text matches).
    void makeEditableList(QComboBox* list);

    // Moves the focus from code; the control's GotFocus handler runs as it
    // would for the user's move, also while the window is not active.
    void moveFocus(QWidget* control);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void watch(QWidget* control);
    bool handleKey(QWidget* control, QKeyEvent* event);
    // Hands the event to the control past this filter.
    void deliver(QObject* watched, QEvent* event);
    // Lets the control handle the event first, then runs the handler.
    void deliverThenRun(QObject* watched, QEvent* event, const Handler& handler);

    QWidget* form_;
    QAbstractButton* defaultButton_ = nullptr;
    QAbstractButton* cancelButton_ = nullptr;
    QSet<QWidget*> keepsEnter_;
    QSet<QObject*> editableLists_;
    QSet<QObject*> watched_;
    QHash<QObject*, Handler> gotFocus_;
    QHash<QObject*, Handler> click_;
    QHash<QObject*, KeyHandler> keyPress_;
    QObject* redelivering_ = nullptr;
};
