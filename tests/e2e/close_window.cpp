// Asks a window to close the way a window manager does: a WM_DELETE_WINDOW client message. The window's
// program decides what to do with it; nothing is destroyed or killed from here.
// Usage: close_window WINDOW_ID   (decimal, or hexadecimal with 0x)

#include <X11/Xlib.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>

namespace {

int g_lastError = Success;

int recordError(Display*, XErrorEvent* event)
{
    g_lastError = event->error_code;
    return 0;
}

bool parseWindowId(const char* text, Window& window)
{
    char* end = nullptr;
    errno = 0;
    const unsigned long value = std::strtoul(text, &end, 0);
    if (errno != 0 || end == text || *end != '\0' || value == 0)
        return false;
    window = value;
    return true;
}

// A window manager sends WM_DELETE_WINDOW only to windows that list it among their WM_PROTOCOLS.
bool acceptsDeleteMessage(Display* display, Window window, Atom deleteWindow)
{
    Atom* protocols = nullptr;
    int count = 0;
    if (!XGetWMProtocols(display, window, &protocols, &count))
        return false;
    bool found = false;
    for (int i = 0; i < count; ++i)
        found = found || protocols[i] == deleteWindow;
    XFree(protocols);
    return found;
}

}  // namespace

int main(int argc, char* argv[])
{
    Window window = 0;
    if (argc != 2 || !parseWindowId(argv[1], window)) {
        std::fprintf(stderr, "usage: close_window WINDOW_ID\n");
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "close_window: cannot open the display\n");
        return 1;
    }
    XSetErrorHandler(recordError);

    const Atom protocols = XInternAtom(display, "WM_PROTOCOLS", False);
    const Atom deleteWindow = XInternAtom(display, "WM_DELETE_WINDOW", False);
    const bool accepts = acceptsDeleteMessage(display, window, deleteWindow);
    XSync(display, False);
    if (g_lastError != Success) {
        std::fprintf(stderr, "close_window: no window 0x%lx\n", window);
        XCloseDisplay(display);
        return 1;
    }
    if (!accepts) {
        std::fprintf(stderr, "close_window: window 0x%lx does not take WM_DELETE_WINDOW\n", window);
        XCloseDisplay(display);
        return 1;
    }

    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = protocols;
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(deleteWindow);
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, window, False, NoEventMask, &event);
    XSync(display, False);
    const bool sent = g_lastError == Success;
    XCloseDisplay(display);
    if (!sent) {
        std::fprintf(stderr, "close_window: the message to window 0x%lx was refused\n", window);
        return 1;
    }
    return 0;
}
