// Two conveniences of the preset lists, whatever fills them: the current entry's full text as a
// tooltip (the fixed widths cut long names), and a mouse wheel that changes the entry only when the
// list has the keyboard focus (scrolling over the window must not switch presets unnoticed), by one
// entry per notch however finely the wheel reports its turn.
#pragma once

class QComboBox;

void AddPresetListHints(QComboBox& box);
