#pragma once

// What every target is handed by libFuzzer, and the same input as bytes.

#include <QByteArray>

#include <cstddef>
#include <cstdint>

inline QByteArray FuzzBytes(const std::uint8_t *data, std::size_t size)
{
    return QByteArray(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
}
