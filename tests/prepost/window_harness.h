// The window tests' kit: a fresh X server per test, korvanta started in a
// sandbox, xdotool for the mouse and keys, and exact pixels of the window.
#pragma once
#include <sys/types.h>

#include <functional>
#include <string>
#include <vector>

#include "sandbox.h"

struct Pixel {
    int r, g, b;
    bool operator==(const Pixel& o) const { return r == o.r && g == o.g && b == o.b; }
    bool operator!=(const Pixel& o) const { return !(*this == o); }
    bool operator<(const Pixel& o) const { return r != o.r ? r < o.r : g != o.g ? g < o.g : b < o.b; }
};
std::string to_string(const Pixel& p);

// Why no window test can run here, or "" when one can: xdotool is needed,
// and an X server, either Xvfb to start one or the display in DISPLAY.
std::string window_tests_unavailable();

// An X server of the test's own (Xvfb with a white root window), or the one
// in DISPLAY when Xvfb is absent. DISPLAY is set for the programs started.
class XServer {
public:
    XServer();
    ~XServer();
    XServer(const XServer&) = delete;
    XServer& operator=(const XServer&) = delete;
    bool ok() const { return display_ != nullptr; }
    void* display() const { return display_; }

private:
    pid_t pid_ = -1;
    void* display_ = nullptr;  // the tests' own connection, for reading pixels
};

// One screenshot of a window: its pixels as the server holds them.
class Shot {
public:
    Shot() = default;
    Shot(int w, int h) : w_(w), h_(h), px_(size_t(w) * h) {}
    int width() const { return w_; }
    int height() const { return h_; }
    Pixel at(int x, int y) const { return px_[size_t(y) * w_ + x]; }
    Pixel& at(int x, int y) { return px_[size_t(y) * w_ + x]; }
    bool empty() const { return px_.empty(); }
    bool operator==(const Shot& o) const { return w_ == o.w_ && h_ == o.h_ && px_ == o.px_; }
    void save_ppm(const std::string& path) const;

private:
    int w_ = 0, h_ = 0;
    std::vector<Pixel> px_;
};

// korvanta running in a sandbox of its own, its console in log.txt and err.txt.
class Korvanta {
public:
    // without_path starts it with an empty argument vector, as some launchers do
    explicit Korvanta(XServer& x, bool without_path = false);
    ~Korvanta();  // a korvanta still running is killed
    Korvanta(const Korvanta&) = delete;
    Korvanta& operator=(const Korvanta&) = delete;

    Sandbox& box() { return box_; }
    unsigned long window() const { return window_; }
    bool ready() const { return window_ != 0; }

    std::string log() const;
    std::string err() const;
    Shot shot() const;  // an empty shot when the window cannot be read
    // A shot of a finished picture: single-buffered drawing can reach the
    // screen part by part, so this waits until two shots in a row agree.
    Shot settled_shot() const;
    // The first settled shot that passes the check, or the last one taken
    // when none has within timeout seconds.
    Shot shot_when(const std::function<bool(const Shot&)>& check, double timeout = 10) const;
    Pixel pixel(int x, int y) const;

    // xdotool with the window's id after --window where the text says %W
    void xdo(const std::string& args) const;
    void click(int x, int y, int button = 1) const;
    void key(const std::string& name) const;

    // Waits until the program has ended (true) or timeout seconds have passed.
    bool wait_exit(double timeout, int* status);

private:
    XServer& x_;
    Sandbox box_;
    pid_t pid_ = -1;
    unsigned long window_ = 0;
};

// Polls until the predicate holds or timeout seconds have passed.
bool wait_until(const std::function<bool()>& done, double timeout = 10);

// How often needle occurs in text.
int count_of(const std::string& text, const std::string& needle);
