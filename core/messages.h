// The calculator's own message texts, kept in one place (the chart engine has its own table).
#pragma once

namespace kgr::AppStrings {

inline constexpr const char* ErrorTitle = "エラー";
inline constexpr const char* UserEntry = "(USER)";
// Appended to a catalog's file name when the file is not there.
inline constexpr const char* FileNotFound = " が見つかりません";
// Followed by the entry's number k.
inline constexpr const char* NoValueInfo = "NoValue:info";
inline constexpr const char* NoValueDefault = "NoValue:default";
// Shown once instead of further "NoValue:info" messages; "%lld" is the number of those entries.
inline constexpr const char* NoValueInfoMore = "ほかに %lld 件のエントリーに description がありません";

}  // namespace kgr::AppStrings
