#include "core/catalogdir.h"

#include <filesystem>
#include <system_error>

#include "core/catalogs.h"

namespace kgr {

namespace {

bool HoldsAnyCatalog(const std::filesystem::path& directory) {
    std::error_code error;
    for (TCatalogKind kind : AllCatalogKinds)
        if (std::filesystem::exists(directory / CatalogFileName(kind), error)) return true;
    return false;
}

}  // namespace

std::string CatalogDirectory(const std::string& executableDirectory) {
    if (HoldsAnyCatalog(executableDirectory)) return executableDirectory;
    const std::filesystem::path installed =
        (std::filesystem::path(executableDirectory) / ".." / "share" / "kestrigo" / "").lexically_normal();
    return installed.string();
}

}  // namespace kgr
