// SPDX-License-Identifier: MIT
#include <forms/ListAccessibility.h>

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QKeySequence>
#include <QLineEdit>

namespace {

// A list box as Qt presents it (its pop-up list, then its edit part; open and
// press actions; expandable), named by its accessible name.
class NamedList : public QAccessibleWidget
{
public:
    explicit NamedList(QComboBox* list) : QAccessibleWidget(list, QAccessible::ComboBox) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name) {
            const QString name = widget()->accessibleName();
            return name.isEmpty() ? value() : name;
        }
        if (t == QAccessible::Value)
            return value();
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.expandable = true;
        s.expanded = list()->view()->isVisible();
        return s;
    }

    int childCount() const override { return list()->isEditable() ? 2 : 1; }

    QAccessibleInterface* child(int index) const override
    {
        if (index == 0)
            return QAccessible::queryAccessibleInterface(list()->view());
        if (index == 1 && list()->isEditable())
            return QAccessible::queryAccessibleInterface(list()->lineEdit());
        return nullptr;
    }

    int indexOfChild(const QAccessibleInterface* child) const override
    {
        if (!child)
            return -1;
        if (child->object() == list()->view())
            return 0;
        if (list()->isEditable() && child->object() == list()->lineEdit())
            return 1;
        return -1;
    }

    QAccessibleInterface* childAt(int x, int y) const override
    {
        if (!list()->isEditable())
            return nullptr;
        QLineEdit* edit = list()->lineEdit();
        const QRect onScreen(edit->mapToGlobal(QPoint(0, 0)), edit->size());
        return onScreen.contains(x, y) ? child(1) : nullptr;
    }

    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }

    QString localizedActionDescription(const QString& action) const override
    {
        if (action == showMenuAction() || action == pressAction())
            return QComboBox::tr("Open the combo box selection popup");
        return QString();
    }

    void doAction(const QString& action) override
    {
        if (action != showMenuAction() && action != pressAction())
            return;
        if (list()->view()->isVisible())
            list()->hidePopup();
        else
            list()->showPopup();
    }

    QStringList keyBindingsForAction(const QString&) const override
    {
        return {QKeySequence(Qt::Key_Down).toString(QKeySequence::NativeText)};
    }

private:
    QComboBox* list() const { return static_cast<QComboBox*>(widget()); }

    QString value() const
    {
        return list()->isEditable() ? list()->lineEdit()->text() : list()->currentText();
    }
};

QAccessibleInterface* namedListFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String("QComboBox"))
        if (auto* list = qobject_cast<QComboBox*>(object))
            return new NamedList(list);
    return nullptr;
}

} // namespace

void ListAccessibility::install()
{
    QAccessible::installFactory(namedListFactory);
}
