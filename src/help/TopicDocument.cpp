// SPDX-License-Identifier: MIT
#include <help/TopicDocument.h>

#include <QImage>
#include <QTextCursor>

namespace Help {

void TopicDocument::showMarkdown(const QString& markdown)
{
    QTextCursor edit(this);
    edit.beginEditBlock();
    setMarkdown(markdown);
    edit.endEditBlock();
}

void TopicDocument::showHtml(const QString& html)
{
    QTextCursor edit(this);
    edit.beginEditBlock();
    setHtml(html);
    edit.endEditBlock();
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
