// The program's version, set once in the build's project() line.
#pragma once

namespace kgr {

inline constexpr const char* KestrigoVersion = KESTRIGO_VERSION;

}  // namespace kgr
