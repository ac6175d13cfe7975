#include "core/version.h"

namespace kgr {

// The build defines KESTRIGO_VERSION for this file alone, so a new version recompiles only it.
const char* const KestrigoVersion = KESTRIGO_VERSION;

}  // namespace kgr
