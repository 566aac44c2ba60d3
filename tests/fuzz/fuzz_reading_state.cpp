#include "FuzzInput.h"
#include "document/ReadingStateFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    ReadingState state;
    ParseReadingStateData(FuzzBytes(data, size), state);
    ReadingState back{0, 0, 0};
    ParseReadingStateData(SerializeReadingState(state), back);
    if (back.page != state.page || back.speed != state.speed || back.step != state.step)
        __builtin_trap();
    return 0;
}
