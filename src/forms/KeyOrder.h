// SPDX-License-Identifier: MIT
#pragma once

#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QTimer>

class QEvent;
class QKeyEvent;
class QWindow;

// Keys act in the order they were typed, also while a screen reader
// listens. Qt's accessibility bridge then takes each key that no access key
// took, asks the screen reader about it over D-Bus and hands it back later
// to whatever has the focus by then; an access key typed meanwhile would act
// at once and overtake it. While the bridge holds a key, every later key
// from the window system, access keys and Alt included, waits here and goes
// on in the order typed once the bridge has handed back what it holds. A key
// the screen reader keeps (one of its own commands) never comes back: after
// HoldBound the keys behind it go on regardless. One gate for the program,
// ahead of every event filter.
class KeyOrder : public QObject
{
    Q_OBJECT

public:
    static void install();

    // Longer than the bridge waits for the screen reader's answer (100 ms)
    // before it hands every key back.
    static constexpr int HoldBound = 200;

private:
    struct Key
    {
        QPointer<QWindow> window;
        int type = 0;
        int key = 0;
        Qt::KeyboardModifiers modifiers;
        quint32 scanCode = 0;
        quint32 virtualKey = 0;
        quint32 nativeModifiers = 0;
        QString text;
        bool autoRepeat = false;
        ushort count = 1;
        QElapsedTimer since;

        static Key of(QWindow* window, const QKeyEvent& event);
        bool sameKey(const QKeyEvent& event) const;
    };

    explicit KeyOrder(QObject* parent);
    ~KeyOrder() override;

    static bool notified(void** data);
    bool arrives(QObject* receiver, QEvent* event);
    void settleLastKey();
    void dropExpired();
    void scheduleNext();
    void sendNext();

    // Keys the bridge took and has not handed back, oldest first.
    QList<Key> m_held;
    // Keys waiting behind them, in the order typed.
    QList<Key> m_waiting;
    // The last key the window system handed a window, until it is known
    // whether the window passed it on or the bridge took it.
    const QEvent* m_last = nullptr;
    Key m_lastKey;
    bool m_lastPassedOn = false;
    // A waiting key is being sent again through the window system.
    bool m_sending = false;
    bool m_nextScheduled = false;
    QTimer m_bound;
};
