// SPDX-License-Identifier: GPL-3.0-or-later
#include "display_check.hpp"

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

namespace {

std::string_view Environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? std::string_view(value) : std::string_view();
}

// A local X display ":N" is reachable when its socket accepts a connection;
// a remote one is left for Qt to try.
bool XDisplayReachable() {
    const std::string_view display = Environment("DISPLAY");
    if (display.empty()) {
        return false;
    }
    if (display.front() != ':') {
        return true;
    }
    const std::string number(display.substr(1, display.find('.') - 1));
    const std::string path = "/tmp/.X11-unix/X" + number;
    const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    if (fd < 0) {
        return true;
    }
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    bool reachable = false;
    // The abstract socket first, as the X server listens there on Linux.
    for (const bool abstract : {true, false}) {
        std::memset(address.sun_path, 0, sizeof address.sun_path);
        std::strncpy(address.sun_path + (abstract ? 1 : 0), path.c_str(),
                     sizeof address.sun_path - 2);
        const auto length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) +
                                                   (abstract ? 1 : 0) + path.size());
        if (connect(fd, reinterpret_cast<const sockaddr*>(&address), length) == 0) {
            reachable = true;
            break;
        }
    }
    close(fd);
    return reachable;
}

}  // namespace

bool DisplayReachable(int argc, char** argv) {
    // "-platform NAME" (or "--platform NAME") overrides QT_QPA_PLATFORM, as in Qt.
    std::string_view platform = Environment("QT_QPA_PLATFORM");
    for (int i = 1; i + 1 < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "-platform" || argument == "--platform") {
            platform = argv[i + 1];
        }
    }
    if (platform.starts_with("xcb")) {
        return XDisplayReachable();
    }
    if (platform.starts_with("wayland")) {
        return !Environment("WAYLAND_DISPLAY").empty();
    }
    if (!platform.empty()) {
        return true;  // offscreen, minimal, vnc, framebuffers: nothing to reach
    }
    return !Environment("WAYLAND_DISPLAY").empty() || XDisplayReachable();
}
