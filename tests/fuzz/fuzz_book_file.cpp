#include "FuzzInput.h"
#include "document/BookDocument.h"
#include "document/BookFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    BookDocument book;
    const QByteArray bytes = FuzzBytes(data, size);
    if (ParseBookFileData(bytes, book) && BookWriteProblem(book).isEmpty()) {
        // What the writer accepts must read back the same.
        BookDocument back;
        if (!ParseBookFileData(SerializeBookFile(book), back) || !(back == book))
            __builtin_trap();
    }
    return 0;
}
