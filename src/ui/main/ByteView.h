// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>

#include <cstddef>
#include <string_view>

// The bytes of `bytes` as the dice core reads text; valid while `bytes` lives.
inline std::string_view byteView(const QByteArray& bytes)
{
    return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}
