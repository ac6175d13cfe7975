// The user's decimal separator, by one rule for the window and the command line: what the window
// shows, kestrigo-calc reads, and the other way round.
#pragma once

namespace kgr {

// The C library's decimal separator of the user's locale (LC_ALL, LC_NUMERIC, LANG), read at the
// first call; a full stop where it is not one ASCII character, which the number syntax cannot take.
char LocaleDecimalSeparator();

}  // namespace kgr
