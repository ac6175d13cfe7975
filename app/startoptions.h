// What kestrigo does with its command line before it opens the window: --help and --version print
// and end the run, with or without a display; without a display the run ends with one clear line
// instead of Qt's abort. Any other argument is left to Qt, as the window always took it.
#pragma once

#include <optional>
#include <string>
#include <vector>

// Where the window would be shown, read from the environment (empty when unset).
struct TDisplayEnvironment {
    std::string Platform;        // QT_QPA_PLATFORM
    std::string X11Display;      // DISPLAY
    std::string WaylandDisplay;  // WAYLAND_DISPLAY
};

TDisplayEnvironment CurrentDisplayEnvironment();

// The exit status of a run that ends before the window opens, having printed what it says; nothing
// when the window is to open. `arguments` are main's, the program's name first.
std::optional<int> RunWithoutWindow(const std::vector<std::string>& arguments,
                                    const TDisplayEnvironment& display);
