// Watches the game start under an X server, from the outside:
//   startup_probe start <command> [arguments...]
//     starts the command and prints, once its window has first been drawn into,
//     "first_frame_ms <ms since exec>", "pid <pid>" and "window <id>"; the command keeps running.
//   startup_probe find-ball <window> <scale>
//     prints the window point "<x> <y>" at the centre of a cell that holds a ball.
#include "ui/ScreenLayout.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <poll.h>
#include <string>
#include <unistd.h>
#include <xcb/damage.h>
#include <xcb/xcb.h>

namespace {

using ScreenLayout::BoardColumns;
using ScreenLayout::BoardLeft;
using ScreenLayout::BoardRows;
using ScreenLayout::BoardTop;
using ScreenLayout::CellSize;
using ScreenLayout::ClientHeight;
using ScreenLayout::ClientWidth;
constexpr int WaitLimitMs = 10000;

struct Connection {
    xcb_connection_t* Handle = xcb_connect(nullptr, nullptr);
    ~Connection() { xcb_disconnect(Handle); }
};

template <typename Reply>
using ReplyPtr = std::unique_ptr<Reply, decltype(&std::free)>;

template <typename Reply>
ReplyPtr<Reply> Own(Reply* reply) {
    return ReplyPtr<Reply>(reply, &std::free);
}

int Fail(const char* message) {
    std::fprintf(stderr, "startup_probe: %s\n", message);
    return 1;
}

// Waits for the first window of the game's size to be drawn into and prints when that was.
int WaitForFirstFrame(const Connection& x, const xcb_query_extension_reply_t& damage,
                      std::chrono::steady_clock::time_point started, pid_t pid) {
    pollfd watch{xcb_get_file_descriptor(x.Handle), POLLIN, 0};
    for (;;) {
        std::unique_ptr<xcb_generic_event_t, decltype(&std::free)> event(
            xcb_poll_for_event(x.Handle), &std::free);
        if (!event) {
            if (poll(&watch, 1, WaitLimitMs) <= 0) {
                return Fail("no window was drawn in time");
            }
            continue;
        }
        const int type = event->response_type & 0x7f;
        if (type == XCB_CREATE_NOTIFY) {
            const auto* created = reinterpret_cast<xcb_create_notify_event_t*>(event.get());
            if (created->width >= ClientWidth && created->height >= ClientHeight) {
                xcb_damage_create(x.Handle, xcb_generate_id(x.Handle), created->window,
                                  XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
                xcb_flush(x.Handle);
            }
        } else if (type == damage.first_event + XCB_DAMAGE_NOTIFY) {
            const auto* drawn = reinterpret_cast<xcb_damage_notify_event_t*>(event.get());
            const std::chrono::duration<double, std::milli> elapsed =
                std::chrono::steady_clock::now() - started;
            std::printf("first_frame_ms %.1f\npid %d\nwindow %u\n", elapsed.count(),
                        static_cast<int>(pid), drawn->drawable);
            return 0;
        }
    }
}

int Start(char** command) {
    Connection x;
    if (xcb_connection_has_error(x.Handle)) {
        return Fail("cannot connect to the X server");
    }
    const xcb_query_extension_reply_t* damage = xcb_get_extension_data(x.Handle, &xcb_damage_id);
    if (damage == nullptr || !damage->present) {
        return Fail("the X server has no DAMAGE extension");
    }
    Own(xcb_damage_query_version_reply(x.Handle, xcb_damage_query_version(x.Handle, 1, 1),
                                       nullptr));
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x.Handle)).data->root;
    const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(x.Handle, root, XCB_CW_EVENT_MASK, &mask);
    Own(xcb_get_input_focus_reply(x.Handle, xcb_get_input_focus(x.Handle), nullptr));

    const auto started = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        execvp(command[0], command);
        std::_Exit(127);
    }
    if (pid < 0) {
        return Fail("cannot start the command");
    }
    return WaitForFirstFrame(x, *damage, started, pid);
}

int FindBall(xcb_window_t window, int scale) {
    Connection x;
    if (xcb_connection_has_error(x.Handle)) {
        return Fail("cannot connect to the X server");
    }
    const auto geometry =
        Own(xcb_get_geometry_reply(x.Handle, xcb_get_geometry(x.Handle, window), nullptr));
    if (!geometry) {
        return Fail("no such window");
    }
    const auto image =
        Own(xcb_get_image_reply(x.Handle,
                                xcb_get_image(x.Handle, XCB_IMAGE_FORMAT_Z_PIXMAP, window, 0, 0,
                                              geometry->width, geometry->height, ~0u),
                                nullptr));
    if (!image || xcb_get_image_data_length(image.get()) <
                      static_cast<int>(geometry->width) * geometry->height * 4) {
        return Fail("cannot read the window (a 24-bit screen is needed)");
    }
    const std::uint8_t* pixels = xcb_get_image_data(image.get());
    // The picture fills the bottom of the window, centred across it; empty cells are black.
    const int left = (geometry->width - ClientWidth * scale) / 2;
    const int top = geometry->height - ClientHeight * scale;
    for (int row = 0; row < BoardRows; ++row) {
        for (int column = 0; column < BoardColumns; ++column) {
            const int x = left + (BoardLeft + column * CellSize + CellSize / 2) * scale;
            const int y = top + (BoardTop + row * CellSize + CellSize / 2) * scale;
            const std::uint8_t* pixel = pixels + (y * geometry->width + x) * 4;
            if (pixel[0] + pixel[1] + pixel[2] > 96) {
                std::printf("%d %d\n", x, y);
                return 0;
            }
        }
    }
    return Fail("no ball on the board");
}

} // namespace

int main(int argc, char** argv) {
    if (argc >= 3 && std::strcmp(argv[1], "start") == 0) {
        return Start(argv + 2);
    }
    if (argc == 4 && std::strcmp(argv[1], "find-ball") == 0) {
        return FindBall(static_cast<xcb_window_t>(std::stoul(argv[2])), std::atoi(argv[3]));
    }
    std::fprintf(stderr, "usage: startup_probe start <command> [arguments...]\n"
                         "       startup_probe find-ball <window> <scale>\n");
    return 2;
}
