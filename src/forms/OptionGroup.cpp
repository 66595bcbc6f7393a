#include "OptionGroup.h"

#include "Program.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QKeyEvent>
#include <QSignalBlocker>

#include <utility>

OptionGroup::OptionGroup(const QList<QAbstractButton*>& buttons, QObject* parent)
    : QObject(parent), buttons_(buttons), group_(new QButtonGroup(this))
{
    for (int i = 0; i < buttons_.size(); ++i) {
        group_->addButton(buttons_[i], i);
        buttons_[i]->installEventFilter(this);
    }
    connect(group_, &QButtonGroup::idToggled, this, [this](int index, bool checked) {
        if (!checked)
            return;
        updateTabStop();
        if (click_)
            Program::runHandler([&] { click_(index); });
    });
    updateTabStop();
}

void OptionGroup::onClick(ClickHandler handler) { click_ = std::move(handler); }

int OptionGroup::chosen() const { return group_->checkedId(); }

void OptionGroup::clear()
{
    // An exclusive group cannot be emptied while it is exclusive.
    const QSignalBlocker quiet(group_);
    group_->setExclusive(false);
    for (QAbstractButton* button : std::as_const(buttons_))
        button->setChecked(false);
    group_->setExclusive(true);
    updateTabStop();
}

void OptionGroup::updateTabStop()
{
    QAbstractButton* stop = group_->checkedButton();
    if (!stop && !buttons_.isEmpty())
        stop = buttons_.first();
    // The others still take the focus from a click or an arrow key.
    for (QAbstractButton* button : std::as_const(buttons_))
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
    const auto count = buttons_.size();
    const auto start = buttons_.indexOf(from);
    for (qsizetype n = 1; n <= count; ++n) {
        QAbstractButton* next = buttons_[((start + step * n) % count + count) % count];
        if (!next->isVisibleTo(next->window()) || !next->isEnabled())
            continue;
        next->setFocus(Qt::OtherFocusReason);
        next->setChecked(true);
        return;
    }
}
