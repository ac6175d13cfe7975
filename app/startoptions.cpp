#include "app/startoptions.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "core/version.h"

namespace {

const char* const kHelp =
    "usage: kestrigo [Qt options]\n"
    "       kestrigo --help | --version\n"
    "Opens the Kestrigo (K.G.R.) window: the road speed in every gear, as a table and a chart.\n"
    "Without a display, kestrigo-snapshot draws the window into a picture and kestrigo-calc\n"
    "prints the numbers.\n";

const char* const kNoDisplay =
    "kestrigo: no display to open the window on; kestrigo-snapshot --png FILE draws it into a picture\n";

int Print(std::FILE* to, const std::string& text, int status) {
    return std::fputs(text.c_str(), to) >= 0 && std::fflush(to) == 0 ? status : 1;
}

// Whether an argument after the program's name is `option`.
bool Given(const std::vector<std::string>& arguments, const char* option) {
    return arguments.size() > 1 &&
           std::find(arguments.begin() + 1, arguments.end(), option) != arguments.end();
}

bool StartsWith(const std::string& text, const char* start) {
    return text.rfind(start, 0) == 0;
}

std::string Variable(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

#if defined(__unix__)
// A platform chosen on the command line or in the environment is Qt's to judge, except the two
// desktop ones, which need their display; none chosen means the desktop's.
bool HasDisplay(const std::vector<std::string>& arguments, const TDisplayEnvironment& display) {
    if (Given(arguments, "-platform")) return true;
    const std::string& platform = display.Platform;
    if (StartsWith(platform, "xcb")) return !display.X11Display.empty();
    if (StartsWith(platform, "wayland")) return !display.WaylandDisplay.empty();
    if (!platform.empty()) return true;
    return !display.X11Display.empty() || !display.WaylandDisplay.empty();
}
#else
// Windows and macOS always have their desktop.
bool HasDisplay(const std::vector<std::string>&, const TDisplayEnvironment&) {
    return true;
}
#endif

}  // namespace

TDisplayEnvironment CurrentDisplayEnvironment() {
    return {Variable("QT_QPA_PLATFORM"), Variable("DISPLAY"), Variable("WAYLAND_DISPLAY")};
}

std::optional<int> RunWithoutWindow(const std::vector<std::string>& arguments,
                                    const TDisplayEnvironment& display) {
    if (Given(arguments, "--help") || Given(arguments, "-h")) return Print(stdout, kHelp, 0);
    if (Given(arguments, "--version"))
        return Print(stdout, std::string("kestrigo ") + kgr::KestrigoVersion + "\n", 0);
    if (!HasDisplay(arguments, display)) return Print(stderr, kNoDisplay, 1);
    return std::nullopt;
}
