#include "core/localeseparator.h"

#include <clocale>

namespace kgr {

namespace {

char ReadSeparator() {
    // Qt's start-up makes the same call; a program without Qt needs it to see the user's locale.
    std::setlocale(LC_ALL, "");
    const char* point = std::localeconv()->decimal_point;
    const bool ascii = point && point[0] > ' ' && point[0] < 0x7f && point[1] == '\0';
    return ascii ? point[0] : '.';
}

}  // namespace

char LocaleDecimalSeparator() {
    static const char separator = ReadSeparator();
    return separator;
}

}  // namespace kgr
