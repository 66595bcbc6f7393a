// SPDX-License-Identifier: MIT
#pragma once

#include <QTextDocument>

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

protected:
    QVariant loadResource(int type, const QUrl& name) override;
};

} // namespace Help
