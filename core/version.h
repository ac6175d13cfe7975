// The program's version, set once in the build's project() line.
#pragma once

namespace kgr {

extern const char* const KestrigoVersion;

}  // namespace kgr
