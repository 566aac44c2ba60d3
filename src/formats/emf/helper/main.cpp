// vellora-emf2svg: reads an enhanced metafile on stdin and writes it as SVG
// to stdout. Exit status 0 on success, 1 when the file cannot be converted.
// The program starts it for every metafile it shows and kills it when it
// takes too long; the limits below keep a malformed file from taking the
// machine with it.

#include <emf2svg.h>

#include <sys/resource.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <vector>

namespace {
constexpr rlim_t kMaxAddressSpace = rlim_t(1) << 30; // 1 GiB
constexpr rlim_t kMaxCpuSeconds = 10;
constexpr size_t kMaxInputBytes = size_t(256) << 20; // 256 MiB
constexpr rlim_t kMaxOutputBytes = rlim_t(256) << 20;

void Limit(int resource, rlim_t value)
{
    const rlimit limit{value, value};
    setrlimit(resource, &limit);
}

bool ReadAllInput(std::vector<char> &data)
{
    char chunk[65536];
    for (;;) {
        const ssize_t got = read(STDIN_FILENO, chunk, sizeof chunk);
        if (got == 0)
            return true;
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        if (data.size() + size_t(got) > kMaxInputBytes)
            return false;
        data.insert(data.end(), chunk, chunk + got);
    }
}

bool WriteAll(const char *data, size_t size)
{
    while (size > 0) {
        const ssize_t put = write(STDOUT_FILENO, data, size);
        if (put < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += put;
        size -= size_t(put);
    }
    return true;
}
} // namespace

int main()
{
    Limit(RLIMIT_AS, kMaxAddressSpace);
    Limit(RLIMIT_CPU, kMaxCpuSeconds);
    // stdout may be a file when run by hand; nothing bigger is ever taken.
    Limit(RLIMIT_FSIZE, kMaxOutputBytes);
    Limit(RLIMIT_CORE, 0);

    std::vector<char> input;
    if (!ReadAllInput(input) || input.empty())
        return 1;

    char nameSpace[] = "";
    generatorOptions options{};
    options.nameSpace = nameSpace;
    options.verbose = false;
    options.emfplus = true;
    options.svgDelimiter = true;
    options.imgWidth = 0;
    options.imgHeight = 0;

    char *svg = nullptr;
    size_t svgLength = 0;
    const int ok = emf2svg(input.data(), input.size(), &svg, &svgLength, &options);
    if (!ok || !svg || svgLength == 0) {
        std::free(svg);
        return 1;
    }
    const bool written = WriteAll(svg, svgLength);
    std::free(svg);
    return written ? 0 : 1;
}
