// SPDX-License-Identifier: MIT
#include <forms/Contrast.h>
#include <forms/OptionIndicatorStyle.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace {

// The contrast a control's outline needs against what lies around it, with a
// little to spare for the smoothing of a thin circle.
constexpr double OutlineContrast = 3.0;
constexpr double RimContrast = 3.5;

qreal ratioOf(const QWidget* widget)
{
    return widget ? widget->devicePixelRatioF() : qApp->devicePixelRatio();
}

// What the style paints of the circle on `background`, at the device's
// pixels: the strongest contrast of its pixels, and where they lie.
struct Painted
{
    double contrast = 1.0;
    QRectF area;
};

Painted paint(const QStyle* style, const QStyleOption& option, const QWidget* widget,
              const QColor& background)
{
    const qreal ratio = ratioOf(widget);
    QImage image((QSizeF(option.rect.size()) * ratio).toSize() + QSize(2, 2),
                 QImage::Format_ARGB32_Premultiplied);
    image.fill(background);
    image.setDevicePixelRatio(ratio);
    // The rim alone: a chosen button's dot stands out whatever the rim does.
    QStyleOption moved(option);
    moved.rect.moveTopLeft({0, 0});
    moved.state &= ~(QStyle::State_On | QStyle::State_Sunken);
    {
        QPainter painter(&image);
        style->drawPrimitive(QStyle::PE_IndicatorRadioButton, &moved, &painter, widget);
    }
    Painted painted;
    QRect pixels;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            if (pixel == background)
                continue;
            pixels |= QRect(x, y, 1, 1);
            painted.contrast = std::max(painted.contrast, Contrast::ratio(pixel, background));
        }
    }
    painted.area = QRectF(QPointF(pixels.topLeft()) / ratio, QSizeF(pixels.size()) / ratio)
                       .translated(option.rect.topLeft());
    return painted;
}

// The colour between the window's and its text's nearest the window that
// still stands out from it.
QColor rimColour(const QPalette& palette)
{
    const QColor window = palette.color(QPalette::Window);
    const QColor text = palette.color(QPalette::WindowText);
    for (int step = 1; step <= 20; ++step) {
        const qreal share = step / 20.0;
        const QColor mixed =
            QColor::fromRgbF(float(window.redF() + (text.redF() - window.redF()) * share),
                             float(window.greenF() + (text.greenF() - window.greenF()) * share),
                             float(window.blueF() + (text.blueF() - window.blueF()) * share));
        if (Contrast::ratio(mixed, window) >= RimContrast)
            return mixed;
    }
    return text;
}

// The indicator, shrunk where the button's whole device pixels cannot hold
// it and its smoothed edge; centred on the button's height.
QRect fit(const QRect& indicator, const QWidget* button)
{
    const qreal ratio = ratioOf(button);
    const int room =
        std::max(1, int(std::floor((std::floor(button->height() * ratio) - 1) / ratio)));
    if (indicator.height() <= room && indicator.top() >= 0 && indicator.bottom() < button->height())
        return indicator;
    const int side = std::min({indicator.height(), indicator.width(), room});
    return {indicator.left(), (button->height() - side) / 2, side, side};
}

} // namespace

OptionIndicatorStyle::OptionIndicatorStyle(QObject* parent)
    : QProxyStyle(QStyleFactory::create(QApplication::style()->name()))
{
    setParent(parent);
}

void OptionIndicatorStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                         QPainter* painter, const QWidget* widget) const
{
    if (element != PE_IndicatorRadioButton || !widget) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    QStyleOption fitted(*option);
    fitted.rect = fit(option->rect, widget);
    QProxyStyle::drawPrimitive(element, &fitted, painter, widget);
    const QColor window = option->palette.color(QPalette::Window);
    const Painted painted = paint(baseStyle(), fitted, widget, window);
    if (painted.contrast >= OutlineContrast || painted.area.isEmpty())
        return;
    // A rim that stands out, over the rim the theme painted.
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, true);
    painter->setBrush(Qt::NoBrush);
    painter->setPen(QPen(rimColour(option->palette), 1.0));
    painter->drawEllipse(painted.area.adjusted(0.5, 0.5, -0.5, -0.5));
    painter->restore();
}
