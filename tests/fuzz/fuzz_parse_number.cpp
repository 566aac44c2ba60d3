#include "FuzzInput.h"
#include "document/ParseNumber.h"

#include <QString>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString text = QString::fromLatin1(FuzzBytes(data, size));
    if (const auto value = ParseNumber(text)) {
        // A number prints and parses back to itself (0 excepted: "-0" is not one).
        if (ParseNumber(QString::number(*value)) != value)
            __builtin_trap();
    }
    return 0;
}
