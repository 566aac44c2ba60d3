#include "FuzzInput.h"
#include "document/Base64Text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes = FuzzBytes(data, size);
    // Any text decodes without fault; any bytes survive a round trip.
    DecodeBase64Text(QString::fromUtf16(reinterpret_cast<const char16_t *>(data), static_cast<qsizetype>(size / 2)));
    if (DecodeBase64Text(EncodeBase64Text(bytes)) != bytes)
        __builtin_trap();
    return 0;
}
