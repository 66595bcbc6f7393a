// SPDX-License-Identifier: MIT
#include <forms/ListPopup.h>

#include <QApplication>
#include <QComboBox>
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

} // namespace

void bound(QComboBox* list)
{
    // The style the application has now; the list owns it.
    auto* style = new DropDownStyle(QStyleFactory::create(QApplication::style()->name()));
    style->setParent(list);
    list->setStyle(style);
    list->setMaxVisibleItems(VisibleEntries);
}

} // namespace ListPopup
