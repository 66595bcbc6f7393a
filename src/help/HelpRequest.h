#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace help {

// What the viewer is asked to show.
struct HelpRequest
{
    enum class Mode
    {
        Contents, // the file's first topic, with the Contents pane active
        Index,    // the Index pane, its keyword field holding keyword
    };

    Mode mode = Mode::Contents;
    QString keyword;
    QString file;
    // The asking window's native id. Accepted for callers that pass it; the
    // viewer is a window of its own and does not tie itself to the caller.
    std::optional<quint64> owner;

    friend bool operator==(const HelpRequest&, const HelpRequest&) = default;
};

// The form in which a second viewer process hands its request to the running one.
QByteArray encodeRequest(const HelpRequest& request);
std::optional<HelpRequest> decodeRequest(const QByteArray& bytes);

} // namespace help
