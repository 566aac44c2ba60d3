#include "document/BookDocument.h"
#include "document/BookFile.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    BookDocument book;
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    if (ParseBookFileData(bytes, book) && BookWriteProblem(book).isEmpty()) {
        // What the writer accepts must read back the same.
        BookDocument back;
        if (!ParseBookFileData(SerializeBookFile(book), back) || !(back == book))
            __builtin_trap();
    }
    return 0;
}
