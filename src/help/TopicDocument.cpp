// SPDX-License-Identifier: MIT
#include <help/TopicDocument.h>

#include <QImage>
#include <QPalette>
#include <QTextBlock>
#include <QTextCursor>

#include <algorithm>
#include <cmath>

namespace Help {
namespace {

// Readable text needs this contrast to its background.
constexpr double ReadableContrast = 4.5;

double luminance(const QColor& colour)
{
    const auto linear = [](double channel) {
        return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    const QColor rgb = colour.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) +
           0.0722 * linear(rgb.blueF());
}

double contrast(const QColor& first, const QColor& second)
{
    const double a = luminance(first);
    const double b = luminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

} // namespace

QColor TopicDocument::readableLinkColour(const QPalette& palette)
{
    const QColor base = palette.color(QPalette::Base);
    QColor link = palette.color(QPalette::Link).toHsl();
    // Towards white on a dark base, towards black on a light one; either
    // end reads, so the search ends.
    const bool lighten = contrast(Qt::white, base) > contrast(Qt::black, base);
    float lightness = link.lightnessF();
    while (contrast(link, base) < ReadableContrast &&
           (lighten ? lightness < 1.0f : lightness > 0.0f)) {
        lightness = std::clamp(lightness + (lighten ? 0.01f : -0.01f), 0.0f, 1.0f);
        link.setHslF(link.hslHueF(), link.hslSaturationF(), lightness);
    }
    return link.toRgb();
}

void TopicDocument::showMarkdown(const QString& markdown)
{
    QTextCursor edit(this);
    edit.beginEditBlock();
    setMarkdown(markdown);
    colourLinks();
    edit.endEditBlock();
}

void TopicDocument::showHtml(const QString& html)
{
    QTextCursor edit(this);
    edit.beginEditBlock();
    setHtml(html);
    colourLinks();
    edit.endEditBlock();
}

void TopicDocument::colourLinks()
{
    if (!m_linkColour.isValid())
        return;
    // Found first, coloured after: a merged format splits fragments.
    QList<QTextFragment> links;
    for (QTextBlock block = begin(); block.isValid(); block = block.next()) {
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
            const QTextCharFormat format = fragment.fragment().charFormat();
            if (format.isAnchor() && !format.anchorHref().isEmpty())
                links.append(fragment.fragment());
        }
    }
    QTextCharFormat colour;
    colour.setForeground(m_linkColour);
    for (const QTextFragment& link : std::as_const(links)) {
        QTextCursor cursor(this);
        cursor.setPosition(link.position());
        cursor.setPosition(link.position() + link.length(), QTextCursor::KeepAnchor);
        cursor.mergeCharFormat(colour);
    }
}

QVariant TopicDocument::loadResource(int type, const QUrl& name)
{
    Q_UNUSED(name);
    // An empty answer would make Qt open the path itself; an empty image or text it takes.
    if (type == ImageResource) {
        QImage nothing(1, 1, QImage::Format_ARGB32);
        nothing.fill(Qt::transparent);
        return nothing;
    }
    return QString();
}

} // namespace Help
