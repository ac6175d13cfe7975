// The few JSON pieces the tool writes.
#pragma once

#include <optional>
#include <string>

namespace kcalc {

// 17 significant digits; non-finite values become null. The table form's historical format.
std::string JsonNumber(double value);

// The shortest text that reads back as the same double; non-finite values and nullopt become null.
std::string JsonShortest(std::optional<double> value);

// A quoted string; bytes beyond ASCII are read as Latin-1.
std::string JsonString(const std::string& text);

}  // namespace kcalc
