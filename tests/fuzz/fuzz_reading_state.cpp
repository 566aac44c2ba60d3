#include "document/ReadingStateFile.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    ReadingState state;
    ParseReadingStateData(QByteArray(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size)), state);
    ReadingState back{0, 0, 0};
    ParseReadingStateData(SerializeReadingState(state), back);
    if (back.page != state.page || back.speed != state.speed || back.step != state.step)
        __builtin_trap();
    return 0;
}
