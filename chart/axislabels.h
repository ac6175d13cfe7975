// Helpers of the axis label texts: line counts and multi-line labels.
#pragma once

#include <string>

// Lines of a text separated by character 13: an empty text has 0 lines, a trailing separator adds none.
int TextLineCount(const std::string& text);

// Every blank of the text becomes a line separator (character 13).
std::string BlanksToLineBreaks(std::string text);
