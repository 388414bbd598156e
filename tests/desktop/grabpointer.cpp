// Another X client wanting the pointer: grabs it as a screenshot tool or a window picker does,
// prints "grabbed" once the server has granted the grab, and waits for the next button press.
// A program that still holds the pointer (or a device behind it) shows as a refused grab or as
// a press that never comes.
// Usage: grabpointer [seconds to wait for the press, 60 by default]
// Exit status: 0 the press came; 1 the grab was refused; 2 no press in time; 3 no display.
#include <X11/Xlib.h>

#include <poll.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace {

// 0 the press came; 1 the grab was refused; 2 no press in time.
int grabAndWait(Display *display, int seconds)
{
    const int status = XGrabPointer(display, DefaultRootWindow(display), False, ButtonPressMask,
                                    GrabModeAsync, GrabModeAsync, None, None, CurrentTime);
    if (status != GrabSuccess) {
        std::printf("grab refused (status %d)\n", status);
        return 1;
    }
    std::puts("grabbed");
    std::fflush(stdout);

    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    pollfd connection{ConnectionNumber(display), POLLIN, 0};
    while (std::chrono::steady_clock::now() < deadline) {
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == ButtonPress) {
                std::puts("pressed");
                return 0;
            }
        }
        poll(&connection, 1, 100);
    }
    std::puts("no press came");
    return 2;
}

} // namespace

int main(int argc, char *argv[])
{
    const int seconds = argc > 1 ? std::atoi(argv[1]) : 60;
    Display *display = XOpenDisplay(nullptr);
    if (!display) {
        std::puts("cannot open the display");
        return 3;
    }
    const int result = grabAndWait(display, seconds);
    XCloseDisplay(display);
    return result;
}
