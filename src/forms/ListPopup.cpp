// SPDX-License-Identifier: MIT
#include <forms/ListPopup.h>

#include <QApplication>
#include <QComboBox>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleFactory>

namespace ListPopup {

namespace {

// The application's style, but with lists that drop down rather than pop up
// over themselves: only those honour the number of visible entries.
class DropDownStyle : public QProxyStyle
{
public:
    using QProxyStyle::QProxyStyle;

    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override
    {
        if (hint == SH_ComboBox_Popup)
            return 0;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

QStyle* dropDownStyle()
{
    static QPointer<QStyle> style;
    if (!style) {
        style = new DropDownStyle(QStyleFactory::create(QApplication::style()->name()));
        style->setParent(qApp);
    }
    return style;
}

} // namespace

void bound(QComboBox* list)
{
    list->setStyle(dropDownStyle());
    list->setMaxVisibleItems(VisibleEntries);
}

} // namespace ListPopup
