#pragma once
// The tool's dialogs as a user goes through them, operated from outside its
// process: each step waits for its window, does what the user does, and
// leaves a screenshot when a name is given.
#include <windows.h>

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "tests/support/automation.h"

namespace e2e {

// A wizard dialog of the tool: its title and a control only it has.
HWND WaitForDialog(DWORD pid, const std::string& title, int controlId);

// Waits for the next message box, checks its text, answers it.
void ExpectBox(DWORD pid, const std::string& text, int answer, const std::string& shot = "");

// The steps of a copy.
// The disc wait dialog, once shown (the copy dialog without the kind check boxes).
HWND WaitForDiscWait(DWORD pid);
void ConfirmDiscWait(DWORD pid, const std::string& shot = "");
// The kinds the content selection offers (enabled and ticked) with their
// size labels, e.g. "Word" -> "（約3MB）".
std::map<std::string, std::string> OfferedKinds(HWND selection);
void ChooseKinds(DWORD pid, const std::vector<std::string>& kinds, const std::string& shot = "");
// The destination dialog of the copy or move: picks the drive's entry, "次へ".
void ChooseDrive(DWORD pid, const std::string& title, char letter, const std::string& shot = "");
// The data list of a move or delete: picks the line, "次へ".
void ChooseDataSet(DWORD pid, const std::string& title, const std::string& line, const std::string& shot = "");
// The lines the data list shows, the dialog then left with "戻る".
std::vector<std::string> ListedDataSets(DWORD pid, HWND menu, int commandButton, const std::string& title);

// Whole commands up to their last question. `shots` names the screenshots of
// their steps ("" for none).
constexpr const char* kCopyTitle = "Tavコピーツール - データのコピー";
constexpr const char* kMoveTitle = "Tavコピーツール - データの移動";
constexpr const char* kDeleteTitle = "Tavコピーツール - データの削除";
// The offer after a first copy of a disc.
constexpr const char* kVer2Offer =
    "コピーを完了しました。\n\nVer2.0のCDをお持ちの場合、ここでコピーすることができます。\n"
    "コピーする場合はVer2.0のCDをセットして「はい」を選択してください。";
// "データのコピー" up to the content selection: the kinds it offers with
// their size labels (as OfferedKinds), then "ｷｬﾝｾﾙ" back to the menu.
std::map<std::string, std::string> LookAtContentSelection(DWORD pid, HWND menu, const std::string& shot = "");
// From "データのコピー" to "コピーを開始しますか？", which is returned
// unanswered; the data folder is new, so the folder question comes first.
automation::MessageBoxSeen OpenCopyConfirmation(DWORD pid, HWND menu, const std::vector<std::string>& kinds,
                                                char drive, const std::string& dataFolder,
                                                const std::string& shots = "");
// The same, with "コピーを開始しますか？" answered yes.
void StartCopy(DWORD pid, HWND menu, const std::vector<std::string>& kinds, char drive,
               const std::string& dataFolder, const std::string& shots = "");
// A whole move to a new data folder, "別のデータを移動しますか？" answered no.
void MoveDataSet(DWORD pid, HWND menu, const std::string& line, char drive, const std::string& newFolder,
                 const std::string& shots = "");
// A whole delete, "別のデータを削除しますか？" answered no.
void DeleteDataSet(DWORD pid, HWND menu, const std::string& line, const std::string& shots = "");

// The chosen kind folders of the disc arrived whole in the data folder: the
// same files with the same sizes.
void ExpectCopied(const std::string& discFolder, const std::string& dataFolder, const std::vector<std::string>& kinds);
// Removes the data sets of earlier runs from the fixed drives D:, G: and H:.
void CleanDataDrives();

// Files below a folder: relative path -> size. Empty when it does not exist.
std::map<std::string, std::uint64_t> Tree(const std::string& folder);
bool Exists(const std::string& path);
void RemoveTree(const std::string& path);
void WriteFile(const std::string& path, const std::string& text);

// The content size table of the disc in `cdRoot` for the INI: the bytes of
// each kind folder under TestDoc_<code>.
std::string SizeSection(const std::string& cdRoot, const std::string& section, char code);
// The labels the content selection shows for that disc when it measures it:
// every kind folder that holds files, with its total in whole megabytes.
std::map<std::string, std::string> MeasuredKinds(const std::string& cdRoot, char code);

}  // namespace e2e
