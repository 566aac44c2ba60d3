#include "FuzzInput.h"
#include "formats/rtf/RtfReader.h"
#include "formats/rtf/RtfWriter.h"

#include <QTextDocument>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    QTextDocument doc;
    if (!ReadRtf(FuzzBytes(data, size), doc))
        return 0;
    // Whatever the reader made, the writer's output reads back into a
    // document that writes the very same bytes.
    const QByteArray written = WriteRtf(doc);
    QTextDocument again;
    if (!ReadRtf(written, again) || WriteRtf(again) != written)
        __builtin_trap();
    return 0;
}
