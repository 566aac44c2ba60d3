#include "FuzzInput.h"
#include "formats/rtf/RtfReader.h"

#include <QTextDocument>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    QTextDocument doc;
    ReadRtf(QByteArrayView(data, qsizetype(size)), doc);
    // Walk what was built, so a broken document structure shows up here.
    (void)doc.toPlainText();
    return 0;
}
