// SPDX-License-Identifier: MIT
#pragma once

#include <QProxyStyle>

// The circle of an option button, whole and visible whatever the scale and
// the theme. A button as short as the circle (195 twips) would cut it flat at
// 150 % and above, where the circle takes more device pixels than the button
// has: there the circle shrinks to fit, and the button, its text and its
// place stay as designed. A theme whose rim hardly stands out from the
// window (a dark one, 1.2:1) gets a rim that reaches 3:1, the contrast a
// control's outline needs; a theme whose circle reaches it is drawn as it is.
class OptionIndicatorStyle : public QProxyStyle
{
public:
    // A proxy of the application's style, owned by `parent`.
    explicit OptionIndicatorStyle(QObject* parent);

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override;
};
