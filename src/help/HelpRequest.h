// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>
#include <utility>

namespace Help {

// What the viewer is asked to show.
struct HelpRequest
{
    enum class Mode
    {
        Contents, // the file's first topic, with the Contents pane active
        Index,    // the Index pane, its keyword field holding keyword
    };

    HelpRequest() = default;
    HelpRequest(Mode m, QString k, QByteArray f, QString token = {})
        : mode(m), keyword(std::move(k)), file(std::move(f)), activationToken(std::move(token))
    {
    }

    Mode mode = Mode::Contents;
    QString keyword;
    QByteArray file; // the system's bytes, which need not be valid UTF-8
    // From the compositor, for the window that asked (Wayland's xdg-activation):
    // lets the viewer bring its window forward. Empty where none was given.
    QString activationToken;

    friend bool operator==(const HelpRequest&, const HelpRequest&) = default;
};

// The form in which a second viewer process hands its request to the running one.
QByteArray encodeRequest(const HelpRequest& request);
std::optional<HelpRequest> decodeRequest(QByteArrayView bytes);

// On the socket a request travels as a frame: its length as 32 bits, big-endian,
// then encodeRequest's bytes. The viewer answers with a reply.
inline constexpr quint32 MaxRequestBytes = 64 * 1024;
QByteArray frameRequest(const HelpRequest& request);

enum class Reply
{
    Accepted,
    Refused,
};
// Five bytes: a mark that only a viewer of ours sends, then the answer.
inline constexpr qsizetype ReplyBytes = 5;
QByteArray encodeReply(Reply reply);
std::optional<Reply> decodeReply(QByteArrayView bytes);

// Gathers one request frame from the bytes as they arrive.
class HelpRequestReader
{
public:
    enum class Status
    {
        Incomplete,
        Complete, // request() holds it
        Refused,  // too long, or not a request
    };

    // Bytes after a complete frame or a refusal are ignored.
    Status feed(QByteArrayView bytes);
    Status status() const { return m_status; }
    const HelpRequest& request() const { return m_request; }

private:
    QByteArray m_buffer;
    Status m_status = Status::Incomplete;
    HelpRequest m_request;
};

} // namespace Help
