// Times windows from outside, as a player would see them, on the X display of $DISPLAY.
//
//   parlour_window_watch start <program> [args...]
//       milliseconds from exec to the program's first painted window, and its resident memory in kB
//       two seconds after the exec: "<ms> <kB>"
//   parlour_window_watch key <letter> <program> [args...]
//       starts the program, lets its first window settle, presses Alt+<letter> and prints the
//       milliseconds from the key press to the first paint of a window the program opens after it
//
// "Painted" is the first XDamage report on a viewable top-level window of the program's process.
// Damage and XTest come from their runtime libraries, so no development headers are needed.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/keysym.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <fstream>
#include <set>
#include <signal.h>
#include <string>
#include <sys/select.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;
using Damage = XID;
constexpr int DamageReportNonEmpty = 3;

struct DamageNotifyEvent {
    int type;
    unsigned long serial;
    Bool send_event;
    Display* display;
    Drawable drawable;
    Damage damage;
    int level;
    Bool more;
    Time timestamp;
    XRectangle area;
    XRectangle geometry;
};

Bool (*damageQueryExtension)(Display*, int*, int*);
Damage (*damageCreate)(Display*, Drawable, int);
int (*testFakeKeyEvent)(Display*, unsigned int, Bool, unsigned long);

void* symbol(const char* library, const char* name)
{
    void* handle = dlopen(library, RTLD_NOW);
    void* s = handle ? dlsym(handle, name) : nullptr;
    if (!s) {
        std::fprintf(stderr, "cannot use %s from %s\n", name, library);
        std::exit(2);
    }
    return s;
}

int ignoreErrors(Display*, XErrorEvent*) { return 0; } // windows may vanish between events

double msSince(Clock::time_point t) { return std::chrono::duration<double, std::milli>(Clock::now() - t).count(); }

class Watch {
public:
    Watch()
    {
        m_display = XOpenDisplay(nullptr);
        if (!m_display) {
            std::fprintf(stderr, "no X display\n");
            std::exit(2);
        }
        XSetErrorHandler(ignoreErrors);
        damageQueryExtension = reinterpret_cast<decltype(damageQueryExtension)>(symbol("libXdamage.so.1", "XDamageQueryExtension"));
        damageCreate = reinterpret_cast<decltype(damageCreate)>(symbol("libXdamage.so.1", "XDamageCreate"));
        testFakeKeyEvent = reinterpret_cast<decltype(testFakeKeyEvent)>(symbol("libXtst.so.6", "XTestFakeKeyEvent"));
        int errorBase = 0;
        if (!damageQueryExtension(m_display, &m_damageEvent, &errorBase)) {
            std::fprintf(stderr, "no Damage extension\n");
            std::exit(2);
        }
        m_pidAtom = XInternAtom(m_display, "_NET_WM_PID", False);
        XSelectInput(m_display, DefaultRootWindow(m_display), SubstructureNotifyMask);
        XSync(m_display, False);
    }
    ~Watch()
    {
        stop();
        XCloseDisplay(m_display);
    }

    void start(char** argv)
    {
        m_started = Clock::now();
        m_pid = fork();
        if (m_pid == 0) {
            execv(argv[0], argv);
            std::_Exit(127);
        }
    }

    void stop()
    {
        if (m_pid > 0) {
            kill(m_pid, SIGKILL);
            waitpid(m_pid, nullptr, 0);
            m_pid = -1;
        }
    }

    // Waits for the first paint of a program window created from now on; false after the timeout.
    bool waitForPaint(double timeoutMs)
    {
        m_watched.clear();
        const Clock::time_point begin = Clock::now();
        for (;;) {
            while (XPending(m_display)) {
                XEvent e;
                XNextEvent(m_display, &e);
                if (e.type == CreateNotify) {
                    m_watched.insert(e.xcreatewindow.window);
                    damageCreate(m_display, e.xcreatewindow.window, DamageReportNonEmpty);
                    // The window manager reparents the window, so its mapping is only told to the window itself.
                    XSelectInput(m_display, e.xcreatewindow.window, StructureNotifyMask);
                } else if (e.type == MapNotify) {
                    if (m_mappedMs < 0 && m_watched.count(e.xmap.window) && ours(e.xmap.window))
                        m_mappedMs = msSince(m_started);
                } else if (e.type == m_damageEvent) {
                    const Drawable w = reinterpret_cast<DamageNotifyEvent*>(&e)->drawable;
                    if (m_watched.count(w) && ours(w) && viewable(w))
                        return true;
                }
            }
            const double left = timeoutMs - msSince(begin);
            if (left <= 0)
                return false;
            fd_set fds;
            FD_ZERO(&fds);
            FD_SET(ConnectionNumber(m_display), &fds);
            timeval tv{0, long(std::min(left, 50.0) * 1000)};
            select(ConnectionNumber(m_display) + 1, &fds, nullptr, nullptr, &tv);
        }
    }

    // Alt+letter, as the player presses an access key; returns when the server has it.
    Clock::time_point pressAlt(char letter)
    {
        const KeyCode alt = XKeysymToKeycode(m_display, XK_Alt_L);
        const KeyCode key = XKeysymToKeycode(m_display, XStringToKeysym(std::string(1, letter).c_str()));
        const Clock::time_point at = Clock::now();
        testFakeKeyEvent(m_display, alt, True, CurrentTime);
        testFakeKeyEvent(m_display, key, True, CurrentTime);
        testFakeKeyEvent(m_display, key, False, CurrentTime);
        testFakeKeyEvent(m_display, alt, False, CurrentTime);
        XSync(m_display, False);
        return at;
    }

    long residentKb() const
    {
        std::ifstream status("/proc/" + std::to_string(m_pid) + "/status");
        for (std::string line; std::getline(status, line);)
            if (line.rfind("VmRSS:", 0) == 0)
                return std::atol(line.c_str() + 6);
        return -1;
    }

    Clock::time_point started() const { return m_started; }
    // Milliseconds from the exec to the first program window mapped (visible), or -1.
    double mappedMs() const { return m_mappedMs; }

private:
    bool ours(Window w) const
    {
        Atom type;
        int format;
        unsigned long count, after;
        unsigned char* data = nullptr;
        bool mine = false;
        if (XGetWindowProperty(m_display, w, m_pidAtom, 0, 1, False, XA_CARDINAL, &type, &format, &count, &after, &data) == Success
            && data && count == 1)
            mine = pid_t(*reinterpret_cast<unsigned long*>(data)) == m_pid;
        if (data)
            XFree(data);
        return mine;
    }

    bool viewable(Window w) const
    {
        XWindowAttributes a;
        return XGetWindowAttributes(m_display, w, &a) && a.map_state == IsViewable;
    }

    Display* m_display = nullptr;
    int m_damageEvent = 0;
    Atom m_pidAtom = 0;
    pid_t m_pid = -1;
    Clock::time_point m_started;
    double m_mappedMs = -1;
    std::set<Window> m_watched;
};

int usage()
{
    std::fprintf(stderr, "usage: parlour_window_watch start <program> [args...]\n"
                         "       parlour_window_watch key <letter> <program> [args...]\n");
    return 2;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 3)
        return usage();
    const std::string mode = argv[1];
    Watch watch;
    if (mode == "start") {
        watch.start(argv + 2);
        if (!watch.waitForPaint(10000))
            return std::fprintf(stderr, "no window painted\n"), 1;
        const double ms = msSince(watch.started());
        std::this_thread::sleep_until(watch.started() + std::chrono::seconds(2));
        std::printf("%.1f %ld %.1f\n", ms, watch.residentKb(), watch.mappedMs());
        return 0;
    }
    if (mode == "key" && argc >= 4 && std::strlen(argv[2]) == 1) {
        watch.start(argv + 3);
        if (!watch.waitForPaint(10000))
            return std::fprintf(stderr, "no window painted\n"), 1;
        std::this_thread::sleep_for(std::chrono::milliseconds(1000));
        while (watch.waitForPaint(0)) {
        } // drop what the first window did while settling
        const Clock::time_point pressed = watch.pressAlt(argv[2][0]);
        if (!watch.waitForPaint(10000))
            return std::fprintf(stderr, "no window painted after the key\n"), 1;
        std::printf("%.1f\n", msSince(pressed));
        return 0;
    }
    return usage();
}
