// Helpers of the axis label pass: the 1-2-5 step ladder, line counts and multi-line label texts.
#pragma once

#include <string>

// The next rung of the 1-2-5 ladder above x (3 -> 5, 5 -> 10, 0.3 -> 0.5); x must be positive.
double NextNiceStep(double x);

// Lines of a text separated by character 13: an empty text has 0 lines, a trailing separator adds none.
int TextLineCount(const std::string& text);

// Every blank of the text becomes a line separator (character 13).
std::string BlanksToLineBreaks(std::string text);
