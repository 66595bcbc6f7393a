// SPDX-License-Identifier: MIT
#include <forms/OptionGroup.h>
#include <forms/OptionIndicatorStyle.h>
#include <forms/Program.h>

#include <QAbstractButton>
#include <QButtonGroup>
#include <QKeyEvent>
#include <QSignalBlocker>

#include <utility>

OptionGroup::OptionGroup(const QList<QAbstractButton*>& buttons, QObject* parent)
    : QObject(parent), m_buttons(buttons), m_group(new QButtonGroup(this))
{
    auto* style = new OptionIndicatorStyle(this);
    for (int i = 0; i < m_buttons.size(); ++i) {
        m_group->addButton(m_buttons[i], i);
        m_buttons[i]->setStyle(style);
        m_buttons[i]->installEventFilter(this);
    }
    connect(m_group, &QButtonGroup::idToggled, this, [this](int index, bool checked) {
        if (!checked)
            return;
        updateTabStop();
        if (m_click)
            Program::runHandler([&] { m_click(index); });
    });
    updateTabStop();
}

void OptionGroup::onClick(ClickHandler handler)
{
    m_click = std::move(handler);
}

int OptionGroup::chosen() const
{
    return m_group->checkedId();
}

void OptionGroup::clear()
{
    // An exclusive group cannot be emptied while it is exclusive.
    const QSignalBlocker quiet(m_group);
    m_group->setExclusive(false);
    for (QAbstractButton* button : std::as_const(m_buttons))
        button->setChecked(false);
    m_group->setExclusive(true);
    updateTabStop();
}

void OptionGroup::updateTabStop()
{
    QAbstractButton* stop = m_group->checkedButton();
    if (!stop && !m_buttons.isEmpty())
        stop = m_buttons.first();
    // The others still take the focus from a click or an arrow key.
    for (QAbstractButton* button : std::as_const(m_buttons))
        button->setFocusPolicy(button == stop ? Qt::StrongFocus : Qt::ClickFocus);
}

bool OptionGroup::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    int step = 0;
    switch (key->key()) {
    case Qt::Key_Up:
    case Qt::Key_Left:
        step = -1;
        break;
    case Qt::Key_Down:
    case Qt::Key_Right:
        step = 1;
        break;
    default:
        return false;
    }
    moveChoice(static_cast<QAbstractButton*>(watched), step);
    return true;
}

void OptionGroup::moveChoice(QAbstractButton* from, int step)
{
    const auto count = m_buttons.size();
    const auto start = m_buttons.indexOf(from);
    for (qsizetype n = 1; n <= count; ++n) {
        QAbstractButton* next = m_buttons[((start + step * n) % count + count) % count];
        if (!next->isVisibleTo(next->window()) || !next->isEnabled())
            continue;
        next->setFocus(Qt::OtherFocusReason);
        next->setChecked(true);
        return;
    }
}
