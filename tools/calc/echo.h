// Inputs echoed in messages: a terminal must show them, never obey them.
#pragma once

#include <string>
#include <string_view>

namespace kcalc {

// `text` with each control character (C0, DEL, C1) and each byte that is no part of a valid UTF-8
// character written as \xHH; every other character as it is.
std::string Echo(std::string_view text);

}  // namespace kcalc
