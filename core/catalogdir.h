// Where the catalogs are read from: beside the executable (the build tree, or a copied binary with
// edited catalogs), otherwise the installed data folder next to the executable's bin folder.
#pragma once

#include <string>

namespace kgr {

// `executableDirectory` and the result end with a separator. The executable's own directory when any
// of the five catalogs is there, otherwise <executableDirectory>../share/kestrigo/ (whether or not it
// exists: reading then reports the missing catalogs by their path there).
std::string CatalogDirectory(const std::string& executableDirectory);

}  // namespace kgr
