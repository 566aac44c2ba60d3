// Key press to pixels on a real X server: sends a key with XTest and polls a
// rectangle of the screen (XShm) until its pixels change. Reports the first
// change (first paint) and the last change before the next key (settled).
//
// usage: x11_turn X Y W H KEY COUNT GAP_MS [WARMUP_MS]
//   X Y W H   the rectangle watched, in root-window pixels
//   KEY       a keysym name (Right, Return)
//   COUNT     how many presses
//   GAP_MS    the next key this long after the first paint; the last change
//             within that time is the settled time
// Prints one line per press (first, settled in ms) and the medians.

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XShm.h>
#include <X11/extensions/XTest.h>

#include <sys/ipc.h>
#include <sys/shm.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double Ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

double Median(std::vector<double> v)
{
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    return v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

struct Grabber {
    Display *display;
    XImage *image;
    XShmSegmentInfo shm{};
    int x, y;
    size_t bytes;

    Grabber(Display *d, int x_, int y_, int w, int h) : display(d), x(x_), y(y_)
    {
        const int screen = DefaultScreen(d);
        image = XShmCreateImage(d, DefaultVisual(d, screen), DefaultDepth(d, screen), ZPixmap, nullptr, &shm, w, h);
        bytes = size_t(image->bytes_per_line) * h;
        shm.shmid = shmget(IPC_PRIVATE, bytes, IPC_CREAT | 0600);
        shm.shmaddr = image->data = static_cast<char *>(shmat(shm.shmid, nullptr, 0));
        shm.readOnly = False;
        XShmAttach(d, &shm);
        XSync(d, False);
        shmctl(shm.shmid, IPC_RMID, nullptr);
    }
    std::vector<char> Grab()
    {
        XShmGetImage(display, DefaultRootWindow(display), image, x, y, AllPlanes);
        return std::vector<char>(image->data, image->data + bytes);
    }
};

} // namespace

int main(int argc, char **argv)
{
    if (argc < 8) {
        std::fprintf(stderr, "usage: x11_turn X Y W H KEY COUNT GAP_MS [TIMEOUT_MS]\n");
        return 2;
    }
    const int x = std::atoi(argv[1]), y = std::atoi(argv[2]), w = std::atoi(argv[3]), h = std::atoi(argv[4]);
    const char *key = argv[5];
    const int count = std::atoi(argv[6]);
    const int gapMs = std::atoi(argv[7]);
    const int timeoutMs = argc > 8 ? std::atoi(argv[8]) : 5000;
    Display *display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "no display\n");
        return 1;
    }
    const KeyCode code = XKeysymToKeycode(display, XStringToKeysym(key));
    Grabber grabber(display, x, y, w, h);
    std::vector<double> firsts, settleds;
    for (int i = 0; i < count; ++i) {
        const std::vector<char> before = grabber.Grab();
        const Clock::time_point pressed = Clock::now();
        XTestFakeKeyEvent(display, code, True, 0);
        XTestFakeKeyEvent(display, code, False, 0);
        XFlush(display);
        std::vector<char> last = before;
        double first = -1, settled = -1;
        for (;;) {
            const Clock::time_point now = Clock::now();
            const double since = Ms(now - pressed);
            if (first < 0 && since > timeoutMs)
                break;
            if (first >= 0 && since > first + gapMs)
                break;
            // A pause between grabs keeps the timer's own load on the X
            // server (a full copy per grab) from slowing the viewer down.
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
            std::vector<char> pixels = grabber.Grab();
            if (pixels != last) {
                const double at = Ms(Clock::now() - pressed);
                if (first < 0)
                    first = at;
                settled = at;
                last = std::move(pixels);
            }
        }
        std::printf("press %d: first %.1f ms, settled %.1f ms\n", i + 1, first, settled);
        std::fflush(stdout);
        if (first >= 0) {
            firsts.push_back(first);
            settleds.push_back(settled);
        }
    }
    std::printf("median first %.1f ms, settled %.1f ms (%zu of %d presses changed the pixels)\n", Median(firsts),
                Median(settleds), firsts.size(), count);
    XCloseDisplay(display);
    return 0;
}
