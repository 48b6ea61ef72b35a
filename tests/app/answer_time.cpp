// SPDX-FileCopyrightText: the Cellaro developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Times how long the program on the X server named by DISPLAY takes to
// answer an input: runs the input command (xdotool ...), then polls the
// screen every 2 ms until the answer is visible, and prints the time from
// just before the command to the first poll that sees it, in milliseconds.
// A change is more pixels than a blinking text cursor covers (24-bit screen).
//   answer_time window <title> <timeout-ms> -- <command...>
//       a viewable top-level window titled <title> has painted itself: its
//       rectangle no longer shows what the screen showed there before
//   answer_time gone <title> <timeout-ms> -- <command...>
//       the window titled <title> is gone and what was under it has been
//       painted again: its rectangle no longer shows the window
//   answer_time area <x>,<y>,<width>,<height> <timeout-ms> -- <command...>
//       that rectangle of the screen changes from what it showed before the
//       command
//   answer_time area-twice <x>,<y>,<width>,<height> <timeout-ms> -- <command...>
//       the rectangle changes, and then changes again (a button goes down
//       and comes up once its click has been handled)
// Exits 1 when the answer did not come within the timeout.

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <algorithm>
#include <string>
#include <thread>

namespace {

struct Area {
    int x = 0, y = 0, width = 0, height = 0;
};

Area OnScreen(Display* display, Area area)
{
    const int right = std::min(area.x + area.width, DisplayWidth(display, DefaultScreen(display)));
    const int bottom = std::min(area.y + area.height, DisplayHeight(display, DefaultScreen(display)));
    area.x = std::max(area.x, 0);
    area.y = std::max(area.y, 0);
    area.width = std::max(right - area.x, 1);
    area.height = std::max(bottom - area.y, 1);
    return area;
}

// The rectangle of a viewable top-level window titled so, if there is one.
std::optional<Area> ViewableWindowTitled(Display* display, const char* title)
{
    Window root = 0, parent = 0;
    Window* children = nullptr;
    unsigned count = 0;
    if (!XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count))
        return std::nullopt;
    std::optional<Area> found;
    for (unsigned i = 0; i < count && !found; ++i) {
        XWindowAttributes attributes;
        if (!XGetWindowAttributes(display, children[i], &attributes) || attributes.map_state != IsViewable)
            continue;
        char* name = nullptr;
        if (XFetchName(display, children[i], &name) && name) {
            if (std::strcmp(name, title) == 0)
                found = OnScreen(display, Area { attributes.x, attributes.y, attributes.width, attributes.height });
            XFree(name);
        }
    }
    if (children)
        XFree(children);
    return found;
}

std::string ScreenPixels(Display* display, const Area& area)
{
    XImage* image = XGetImage(display, DefaultRootWindow(display), area.x, area.y, unsigned(area.width),
                              unsigned(area.height), AllPlanes, ZPixmap);
    if (!image)
        return {};
    std::string pixels(image->data, std::size_t(image->bytes_per_line) * std::size_t(image->height));
    XDestroyImage(image);
    return pixels;
}

// More pixels than a blinking text cursor covers have changed.
bool Differs(const std::string& now, const std::string& before)
{
    constexpr int kCursorPixels = 64;
    if (now.size() != before.size())
        return true;
    int changed = 0;
    for (std::size_t i = 0; i + 4 <= now.size() && changed <= kCursorPixels; i += 4)
        changed += now.compare(i, 4, before, i, 4) != 0;
    return changed > kCursorPixels;
}

// A window can go away between two requests about it; that is no error here.
int IgnoreError(Display*, XErrorEvent*) { return 0; }

pid_t Start(char** command)
{
    const pid_t pid = fork();
    if (pid == 0) {
        execvp(command[0], command);
        _exit(127);
    }
    return pid;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 6 || std::strcmp(argv[4], "--") != 0) {
        std::fprintf(stderr, "usage: %s window|gone <title>|area[-twice] <x>,<y>,<w>,<h> <timeout-ms> -- <command...>\n",
                     argv[0]);
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display)
        return 2;
    XSetErrorHandler(IgnoreError);
    const bool byWindow = std::strcmp(argv[1], "window") == 0;
    const bool gone = std::strcmp(argv[1], "gone") == 0;
    const bool twice = std::strcmp(argv[1], "area-twice") == 0;
    Area area;
    if (gone) {
        const auto box = ViewableWindowTitled(display, argv[2]);
        if (!box)
            return 2;
        area = *box;
    } else if (!byWindow
               && std::sscanf(argv[2], "%d,%d,%d,%d", &area.x, &area.y, &area.width, &area.height) != 4) {
        return 2;
    }
    if (byWindow)
        area = Area { 0, 0, DisplayWidth(display, DefaultScreen(display)),
                      DisplayHeight(display, DefaultScreen(display)) };
    std::string before = ScreenPixels(display, area);
    const auto rowsOf = [&](const std::string& pixels, const Area& part) {
        const std::size_t stride = pixels.size() / std::size_t(area.height);
        const std::size_t bytesPerPixel = stride / std::size_t(area.width);
        std::string rows;
        for (int y = part.y; y < part.y + part.height && y < area.height; ++y)
            rows.append(pixels, std::size_t(y) * stride + std::size_t(part.x) * bytesPerPixel,
                        std::size_t(std::min(part.width, area.width - part.x)) * bytesPerPixel);
        return rows;
    };
    int changes = 0;
    const auto answered = [&] {
        if (byWindow) {
            const auto box = ViewableWindowTitled(display, argv[2]);
            return box && Differs(ScreenPixels(display, *box), rowsOf(before, *box));
        }
        if (gone)
            return !ViewableWindowTitled(display, argv[2]) && Differs(ScreenPixels(display, area), before);
        std::string now = ScreenPixels(display, area);
        if (Differs(now, before)) {
            ++changes;
            before = std::move(now);
        }
        return changes == (twice ? 2 : 1);
    };
    const auto timeout = std::chrono::milliseconds(std::atoi(argv[3]));

    const auto start = std::chrono::steady_clock::now();
    const pid_t input = Start(argv + 5);
    bool seen = false;
    while (!(seen = answered()) && std::chrono::steady_clock::now() - start < timeout)
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    const auto elapsed = std::chrono::steady_clock::now() - start;
    waitpid(input, nullptr, 0);
    XCloseDisplay(display);
    if (!seen)
        return 1;
    std::printf("%lld\n", (long long)std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count());
    return 0;
}
