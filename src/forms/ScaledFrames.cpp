// SPDX-License-Identifier: MIT
#include <forms/ScaledFrames.h>

#include <QEvent>
#include <QImage>
#include <QPainter>
#include <QPlainTextEdit>
#include <QStyle>
#include <QStyleOptionFrame>

#include <cmath>

namespace {

class FrameOnDevicePixels : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::Paint)
            return false;
        auto* box = static_cast<QFrame*>(watched);
        const qreal ratio = box->devicePixelRatioF();
        if (ratio == std::floor(ratio))
            return false;
        paintFrame(box);
        return true; // the box itself paints only its frame
    }

private:
    static void paintFrame(QFrame* box)
    {
        // The style's own frame at one device pixel a pixel gives its colours.
        QStyleOptionFrame option;
        option.initFrom(box);
        option.frameShape = box->frameShape();
        option.lineWidth = box->lineWidth();
        option.midLineWidth = box->midLineWidth();
        option.state |= QStyle::State_Sunken;
        QImage styled(box->size(), QImage::Format_ARGB32_Premultiplied);
        styled.fill(Qt::transparent);
        {
            QPainter painter(&styled);
            box->style()->drawControl(QStyle::CE_ShapedFrame, &option, &painter, box);
        }

        QPainter painter(box);
        const QTransform toDevice = painter.deviceTransform();
        const QTransform toLogical = toDevice.inverted();
        const QRectF outer = toDevice.mapRect(QRectF(box->rect()));
        const qreal top = std::ceil(outer.top());
        const qreal left = std::ceil(outer.left());
        const qreal bottom = std::floor(outer.bottom());
        const qreal right = std::floor(outer.right());
        const auto line = [&](const QRectF& device, const QPoint& sample) {
            painter.fillRect(toLogical.mapRect(device), QColor::fromRgba(styled.pixel(sample)));
        };
        const int middleX = box->width() / 2;
        const int middleY = box->height() / 2;
        line({left, top, right - left, 1}, {middleX, 0});
        line({left, bottom - 1, right - left, 1}, {middleX, box->height() - 1});
        line({left, top, 1, bottom - top}, {0, middleY});
        line({right - 1, top, 1, bottom - top}, {box->width() - 1, middleY});
    }
};

} // namespace

namespace ScaledFrames {

void keep(QWidget* window)
{
    auto* filter = new FrameOnDevicePixels(window);
    const auto boxes = window->findChildren<QPlainTextEdit*>();
    for (QPlainTextEdit* box : boxes) {
        if (box->frameShape() == QFrame::StyledPanel)
            box->installEventFilter(filter);
    }
}

} // namespace ScaledFrames
