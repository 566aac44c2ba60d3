#include "formats/rtf/RtfReader.h"

#include <QTextDocument>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    QTextDocument doc;
    ReadRtf(QByteArrayView(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size)), doc);
    // Walk what was built, so a broken document structure shows up here.
    (void)doc.toPlainText();
    return 0;
}
