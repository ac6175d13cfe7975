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

// The setting memory's boxes; "%1", "%2" are filled in with the title, a file's path or a reason.
inline constexpr const char* QuestionTitle = "確認";
inline constexpr const char* NoticeTitle = "セッティングメモリー";
inline constexpr const char* Yes = "はい";
inline constexpr const char* No = "いいえ";
inline constexpr const char* MemoryReplace = "「%1」はすでにあります。置き換えますか？";
inline constexpr const char* MemoryDelete = "「%1」を削除しますか？";
inline constexpr const char* MemoryTitleTooLong = "タイトルは 100 文字までです。";
inline constexpr const char* MemoryDamaged =
    "セッティングメモリーのファイルを読めません:\n%1\n"
    "このファイルはそのまま残し、次に追加するときに別の名前で保管します。";
inline constexpr const char* MemoryMovedAside =
    "読めなかったセッティングメモリーのファイルを次の名前で保管しました:\n%1";
inline constexpr const char* MemoryNotStored = "「%1」は保存されませんでした。\n%2";
inline constexpr const char* MemoryNotDeleted = "「%1」は削除されませんでした。\n%2";
// Why a change was not saved.
inline constexpr const char* MemoryCannotCreateFolder = "フォルダーを作れません: %1";
inline constexpr const char* MemoryLocked =
    "ファイルをロックできません (ほかのウィンドウが使用中か、書き込みが許可されていません): %1";
inline constexpr const char* MemoryCannotWrite = "書き込めません: %1 (%2)";
inline constexpr const char* MemoryCannotMoveDamaged = "読めないファイルを別の名前にできません: %1";
inline constexpr const char* MemoryBadTitle = "タイトルが空か、100 文字を超えています。";

}  // namespace kgr::AppStrings
