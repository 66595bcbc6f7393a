// SPDX-License-Identifier: MIT
#include <support/HelpFileWriter.h>

namespace Help {

QByteArray writeHelpText(const HelpFile& file)
{
    // CR LF throughout: a line that ends in a stray CR keeps it when read back.
    const auto line = [](QString& out, QStringView text) {
        out += text;
        out += QLatin1String("\r\n");
    };
    QString out;
    for (const HelpTopic& topic : file.topics) {
        line(out, QStringLiteral("@topic ") + topic.id);
        line(out, QStringLiteral("@title ") + topic.title);
        for (const QString& keyword : topic.keywords)
            line(out, QStringLiteral("@keywords ") + keyword);
        line(out, {});
        if (!topic.body.isEmpty()) {
            for (const QStringView text : QStringView(topic.body).tokenize(u'\n')) {
                if (text.startsWith(u'@'))
                    out += QLatin1Char('@'); // "@@" shows as "@"
                line(out, text);
            }
            line(out, {});
        }
    }
    return out.toUtf8();
}

} // namespace Help
