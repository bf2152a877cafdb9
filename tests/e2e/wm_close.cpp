// Closes a window the way a window manager does when the user clicks its close button: waits
// until a window of the given title is viewable, sends it WM_DELETE_WINDOW in a WM_PROTOCOLS
// client message, and waits until it is no longer viewable.
// Usage: wm_close TITLE TIMEOUT_SECONDS   (each of the two waits may take up to the timeout)
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto PollInterval = std::chrono::milliseconds(50);

// Windows come and go while the tree is walked; a request about one that has just gone
// fails with BadWindow, which only means "not this one".
int IgnoreXError(Display*, XErrorEvent*) { return 0; }

std::optional<std::string> NetWmName(Display* display, Window window) {
    const Atom netWmName = XInternAtom(display, "_NET_WM_NAME", False);
    const Atom utf8String = XInternAtom(display, "UTF8_STRING", False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long remaining = 0;
    unsigned char* data = nullptr;
    const int status = XGetWindowProperty(display, window, netWmName, 0, 1024, False, utf8String, &type, &format,
                                          &count, &remaining, &data);
    if (status != Success || data == nullptr) return std::nullopt;
    std::optional<std::string> name;
    if (type == utf8String && format == 8) name = std::string(reinterpret_cast<const char*>(data), count);
    XFree(data);
    return name;
}

std::optional<std::string> WmName(Display* display, Window window) {
    XTextProperty property{};
    if (XGetWMName(display, window, &property) == 0 || property.value == nullptr) return std::nullopt;
    std::string name(reinterpret_cast<const char*>(property.value), property.nitems);
    XFree(property.value);
    return name;
}

bool HasTitle(Display* display, Window window, const std::string& title) {
    return NetWmName(display, window) == title || WmName(display, window) == title;
}

bool IsMappedAndViewable(Display* display, Window window) {
    XWindowAttributes attributes{};
    if (XGetWindowAttributes(display, window, &attributes) == 0) return false;
    return attributes.map_state == IsViewable;
}

// Depth first through the whole tree below `window`: toolkits and window managers may wrap a
// program's window in windows of their own.
std::optional<Window> FindViewableWindow(Display* display, Window window, const std::string& title) {
    if (HasTitle(display, window, title) && IsMappedAndViewable(display, window)) return window;
    Window root = 0;
    Window parent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    if (XQueryTree(display, window, &root, &parent, &children, &count) == 0) return std::nullopt;
    std::optional<Window> found;
    for (unsigned int i = 0; i < count && !found; ++i) found = FindViewableWindow(display, children[i], title);
    if (children != nullptr) XFree(children);
    return found;
}

std::optional<Window> WaitForViewableWindow(Display* display, const std::string& title, Clock::time_point deadline) {
    for (;;) {
        if (auto window = FindViewableWindow(display, DefaultRootWindow(display), title)) return window;
        if (Clock::now() >= deadline) return std::nullopt;
        std::this_thread::sleep_for(PollInterval);
    }
}

bool WaitUntilNotViewable(Display* display, Window window, Clock::time_point deadline) {
    for (;;) {
        if (!IsMappedAndViewable(display, window)) return true;
        if (Clock::now() >= deadline) return false;
        std::this_thread::sleep_for(PollInterval);
    }
}

// For the report when the window did not come: what is there instead.
void ListViewableTitledWindows(Display* display, Window window) {
    if (IsMappedAndViewable(display, window)) {
        std::optional<std::string> name = NetWmName(display, window);
        if (!name) name = WmName(display, window);
        if (name) std::fprintf(stderr, "  viewable window 0x%lx: \"%s\"\n", window, name->c_str());
    }
    Window root = 0;
    Window parent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    if (XQueryTree(display, window, &root, &parent, &children, &count) == 0) return;
    for (unsigned int i = 0; i < count; ++i) ListViewableTitledWindows(display, children[i]);
    if (children != nullptr) XFree(children);
}

void SendDeleteWindow(Display* display, Window window) {
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, window, False, NoEventMask, &event);
    XFlush(display);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s TITLE TIMEOUT_SECONDS\n", argv[0]);
        return 2;
    }
    const std::string title = argv[1];
    const double timeoutSeconds = std::atof(argv[2]);
    if (timeoutSeconds <= 0) {
        std::fprintf(stderr, "wm_close: the timeout must be a positive number of seconds, not \"%s\"\n", argv[2]);
        return 2;
    }
    const auto timeout = std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(timeoutSeconds));

    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "wm_close: cannot open the X display \"%s\"\n", XDisplayName(nullptr));
        return 3;
    }
    XSetErrorHandler(IgnoreXError);

    const std::optional<Window> window = WaitForViewableWindow(display, title, Clock::now() + timeout);
    if (!window) {
        std::fprintf(stderr, "wm_close: no viewable window titled \"%s\" within %s s\n", title.c_str(), argv[2]);
        ListViewableTitledWindows(display, DefaultRootWindow(display));
        XCloseDisplay(display);
        return 1;
    }
    SendDeleteWindow(display, *window);
    if (!WaitUntilNotViewable(display, *window, Clock::now() + timeout)) {
        std::fprintf(stderr, "wm_close: window 0x%lx titled \"%s\" still viewable %s s after WM_DELETE_WINDOW\n",
                     *window, title.c_str(), argv[2]);
        XCloseDisplay(display);
        return 1;
    }
    XCloseDisplay(display);
    return 0;
}
