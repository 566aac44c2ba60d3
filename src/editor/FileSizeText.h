#pragma once

#include <QString>
#include <cstdint>

// The size column's text: bytes below 1 K, whole K below 1 M, and M or G
// with two truncated decimals whose step is 1000 of the unit below (so
// 1 048 576 bytes read "1.02 M"). Nothing is rounded.
QString FormatFileSize(std::uint64_t size);
