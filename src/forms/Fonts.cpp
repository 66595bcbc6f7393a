// SPDX-License-Identifier: MIT
#include <forms/Fonts.h>

namespace {

QFont make(const char* family, double points)
{
    QFont font(QString::fromLatin1(family));
    font.setPointSizeF(points);
    font.setWeight(QFont::Normal);
    font.setItalic(false);
    font.setUnderline(false);
    return font;
}

constexpr const char* SansSerifSubstitute = "Liberation Sans";

} // namespace

namespace Fonts {

QFont dialog()
{
    return make(SansSerifSubstitute, 8.25);
}
QFont field()
{
    return make("Arial", 14.25);
}
QFont numberList()
{
    QFont font = field();
    font.setStyleStrategy(QFont::PreferNoShaping);
    return font;
}
QFont readMeText()
{
    return make(SansSerifSubstitute, 9.75);
}

} // namespace Fonts
