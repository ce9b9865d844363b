// The window tests' kit: X servers, korvanta in a sandbox, xdotool and pixels.
#include "window_harness.h"

// gtest first: Xlib defines None, which gtest also names
#include <gtest/gtest.h>

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <thread>

namespace {

bool on_path(const char* program)
{
    const char* path = std::getenv("PATH");
    std::string dirs = path ? path : "/usr/bin:/bin";
    size_t b = 0;
    while (b <= dirs.size()) {
        size_t e = dirs.find(':', b);
        if (e == std::string::npos) e = dirs.size();
        const std::string p = dirs.substr(b, e - b) + "/" + program;
        if (access(p.c_str(), X_OK) == 0) return true;
        b = e + 1;
    }
    return false;
}

bool display_reachable()
{
    const char* d = std::getenv("DISPLAY");
    if (!d || !*d) return false;
    Display* dpy = XOpenDisplay(d);
    if (!dpy) return false;
    XCloseDisplay(dpy);
    return true;
}

// An X error (a window gone or resized under XGetImage) must not end the test.
int x_errors = 0;
int count_x_error(Display*, XErrorEvent*)
{
    ++x_errors;
    return 0;
}

std::string shell_quote(const std::string& s)
{
    std::string q = "'";
    for (char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

}  // namespace

std::string to_string(const Pixel& p)
{
    return "(" + std::to_string(p.r) + ", " + std::to_string(p.g) + ", " + std::to_string(p.b) + ")";
}

std::string window_tests_unavailable()
{
    if (!on_path("xdotool")) return "xdotool is not installed";
    if (!on_path("Xvfb") && !display_reachable()) return "no X server: Xvfb is not installed and DISPLAY reaches none";
    return "";
}

XServer::XServer()
{
    XSetErrorHandler(count_x_error);
    if (!on_path("Xvfb")) {
        display_ = XOpenDisplay(nullptr);
        return;
    }
    // Xvfb picks a free display itself and writes its number to the pipe, so
    // that tests running side by side never race for one
    int fds[2];
    if (pipe(fds) != 0) return;
    pid_ = fork();
    if (pid_ == 0) {
        close(fds[0]);
        const int null = open("/dev/null", O_RDWR);
        dup2(null, 0);
        dup2(null, 1);
        dup2(null, 2);
        const std::string fd = std::to_string(fds[1]);
        execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1024x768x24", "-wr", "-nolisten", "tcp",
               static_cast<char*>(nullptr));
        _exit(127);
    }
    close(fds[1]);
    std::string number;
    pollfd p{fds[0], POLLIN, 0};
    while (poll(&p, 1, 10000) > 0) {
        char c;
        if (read(fds[0], &c, 1) != 1 || c == '\n') break;
        number += c;
    }
    close(fds[0]);
    if (number.empty()) return;
    const std::string name = ":" + number;
    setenv("DISPLAY", name.c_str(), 1);
    display_ = XOpenDisplay(name.c_str());
}

XServer::~XServer()
{
    if (display_) XCloseDisplay(static_cast<Display*>(display_));
    if (pid_ > 0) {
        kill(pid_, SIGTERM);
        int status;
        waitpid(pid_, &status, 0);
    }
}

void Shot::save_ppm(const std::string& path) const
{
    std::ofstream out(path, std::ios::binary);
    out << "P6\n" << w_ << " " << h_ << "\n255\n";
    for (const Pixel& p : px_) out << char(p.r) << char(p.g) << char(p.b);
}

Korvanta::Korvanta(XServer& x, bool without_path) : x_(x)
{
    box_.write("console.in", "");
    pid_ = fork();
    if (pid_ == 0) {
        if (chdir(box_.dir().c_str()) != 0) _exit(126);
        const int in = open("console.in", O_RDONLY);
        const int out = open("console.out", O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const int err = open("console.err", O_WRONLY | O_CREAT | O_TRUNC, 0644);
        dup2(in, 0);
        dup2(out, 1);
        dup2(err, 2);
        // the window libraries keep what they allocate until the process ends;
        // in the sanitizer build that is no leak of korvanta's
        const char* asan = std::getenv("ASAN_OPTIONS");
        const std::string options = std::string(asan ? asan : "") + (asan && *asan ? ":" : "") + "detect_leaks=0";
        setenv("ASAN_OPTIONS", options.c_str(), 1);
        const std::string program = bin_path("korvanta");
        char* path[] = {const_cast<char*>(program.c_str()), nullptr};
        char* none[] = {nullptr};
        execve(program.c_str(), without_path ? none : path, environ);
        _exit(127);
    }
    // the title is the program path, so anchor the name at its end; --onlyvisible
    // keeps the menu's hidden window out
    FILE* p = popen("timeout 10 xdotool search --sync --onlyvisible --name 'korvanta$' 2>/dev/null", "r");
    if (p) {
        unsigned long id = 0;
        if (std::fscanf(p, "%lu", &id) == 1) window_ = id;
        pclose(p);
    }
    // the first picture is there once tab 4 shows its yellow
    if (window_ && !wait_until([&] { return pixel(44, 9) == Pixel{255, 255, 0}; })) window_ = 0;
}

Korvanta::~Korvanta()
{
    if (pid_ > 0) {
        int status;
        if (waitpid(pid_, &status, WNOHANG) == 0) {
            kill(pid_, SIGKILL);
            waitpid(pid_, &status, 0);
        }
    }
}

std::string Korvanta::log() const { return read_file(box_.path("console.out")); }
std::string Korvanta::err() const { return read_file(box_.path("console.err")); }

Shot Korvanta::shot() const
{
    Display* dpy = static_cast<Display*>(x_.display());
    if (!dpy || !window_) return {};
    XSync(dpy, False);
    XWindowAttributes a;
    if (!XGetWindowAttributes(dpy, window_, &a)) return {};
    const int before = x_errors;
    XImage* im = XGetImage(dpy, window_, 0, 0, a.width, a.height, AllPlanes, ZPixmap);
    XSync(dpy, False);
    if (!im || x_errors != before) {
        if (im) XDestroyImage(im);
        return {};
    }
    Shot s(a.width, a.height);
    for (int y = 0; y < a.height; ++y)
        for (int x = 0; x < a.width; ++x) {
            const unsigned long v = XGetPixel(im, x, y);
            s.at(x, y) = {int((v & im->red_mask) >> 16), int((v & im->green_mask) >> 8), int(v & im->blue_mask)};
        }
    XDestroyImage(im);
    return s;
}

Shot Korvanta::settled_shot() const
{
    Shot last = shot();
    for (int tries = 0; tries < 100; ++tries) {
        std::this_thread::sleep_for(std::chrono::milliseconds(40));
        Shot now = shot();
        if (now == last && !now.empty()) return now;
        last = std::move(now);
    }
    return last;
}

Shot Korvanta::shot_when(const std::function<bool(const Shot&)>& check, double timeout) const
{
    Shot s;
    wait_until(
        [&] {
            s = settled_shot();
            return !s.empty() && check(s);
        },
        timeout);
    return s;
}

Pixel Korvanta::pixel(int x, int y) const
{
    const Shot s = shot();
    if (s.empty() || x >= s.width() || y >= s.height()) return {-1, -1, -1};
    return s.at(x, y);
}

void Korvanta::xdo(const std::string& args) const
{
    std::string a = args;
    for (size_t at; (at = a.find("%W")) != std::string::npos;) a.replace(at, 2, std::to_string(window_));
    const int status = std::system(("timeout 10 xdotool " + a + " > /dev/null 2>&1").c_str());
    EXPECT_EQ(status, 0) << "xdotool " << a;
}

void Korvanta::click(int x, int y, int button) const
{
    // a click without --window keeps the modifier state; the move puts the pointer there
    xdo("mousemove --window %W " + std::to_string(x) + " " + std::to_string(y) + " click " + std::to_string(button));
}

void Korvanta::key(const std::string& name) const { xdo("windowfocus --sync %W key --clearmodifiers " + shell_quote(name)); }

bool Korvanta::wait_exit(double timeout, int* status)
{
    bool ended = wait_until(
        [&] {
            const pid_t r = waitpid(pid_, status, WNOHANG);
            return r == pid_;
        },
        timeout);
    if (ended) pid_ = -1;
    return ended;
}

bool wait_until(const std::function<bool()>& done, double timeout)
{
    const auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(timeout);
    while (!done()) {
        if (std::chrono::steady_clock::now() > end) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(30));
    }
    return true;
}

int count_of(const std::string& text, const std::string& needle)
{
    int n = 0;
    for (size_t at = text.find(needle); at != std::string::npos; at = text.find(needle, at + needle.size())) ++n;
    return n;
}
