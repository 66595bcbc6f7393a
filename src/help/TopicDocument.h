// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QTextDocument>

class QPalette;

namespace Help {

// What the topic pane shows. It loads nothing from outside: help files carry
// no images, and a path in an image's place could name a pipe or a device,
// which Qt would read from and wait on.
class TopicDocument : public QTextDocument
{
    Q_OBJECT

public:
    using QTextDocument::QTextDocument;

    // Both import in one edit block: outside one, Qt lays the growing paragraph
    // out again after every piece, in time that grows with its square.
    void showMarkdown(const QString& markdown);
    void showHtml(const QString& html);

    // Links drawn in this colour from the next topic on.
    void setLinkColour(const QColor& colour) { m_linkColour = colour; }
    // The palette's link colour, made lighter or darker until it reads on
    // the palette's base: themes pick link colours for light backgrounds.
    static QColor readableLinkColour(const QPalette& palette);

protected:
    QVariant loadResource(int type, const QUrl& name) override;

private:
    void colourLinks();

    QColor m_linkColour;
};

} // namespace Help
