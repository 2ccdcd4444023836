// SPDX-License-Identifier: GPL-3.0-or-later
#include "preferences.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>

#include "text.h"

namespace qbrx {

namespace fs = std::filesystem;

fs::path programFolder() {
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (ec || !exe.has_parent_path()) return ".";
    return exe.parent_path();
}

fs::path userConfigFolder() {
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    if (xdg && *xdg && fs::path(xdg).is_absolute()) return fs::path(xdg) / "quotabrix";
    const char* home = std::getenv("HOME");
    if (!home || !*home) {
        const passwd* user = ::getpwuid(::getuid());
        home = user ? user->pw_dir : nullptr;
    }
    return fs::path(home && *home ? home : ".") / ".config" / "quotabrix";
}

fs::path installedDataFolder(const fs::path& programFolder) {
    // QBRX_DATA_FROM_BINDIR: the install's data folder relative to its
    // program folder, set by the build from the install layout.
    const fs::path folder = (programFolder / QBRX_DATA_FROM_BINDIR).lexically_normal();
    std::error_code ec;
    return fs::is_directory(folder, ec) ? folder : fs::path();
}

PreferenceLocations PreferenceLocations::forProgram() {
    const fs::path program = qbrx::programFolder();
    return {program, qbrx::userConfigFolder(), installedDataFolder(program)};
}

std::string firstItem(std::string_view content) {
    std::size_t i = 0;
    while (i < content.size() && content[i] == ' ') ++i;
    if (i < content.size() && content[i] == '"') {
        const std::size_t start = i + 1;
        std::size_t end = start;
        while (end < content.size() && content[end] != '"' && content[end] != '\r' && content[end] != '\n')
            ++end;
        return std::string(content.substr(start, end - start));
    }
    std::size_t end = i;
    while (end < content.size() && content[end] != ',' && content[end] != '\r' && content[end] != '\n') ++end;
    return std::string(content.substr(i, end - i));
}

std::string folderOf(const std::string& fileName) {
    const std::size_t slash = fileName.rfind('/');
    return slash == std::string::npos ? std::string() : fileName.substr(0, slash + 1);
}

std::optional<std::string> readPreferences(const PreferenceLocations& where) {
    for (const fs::path& folder : {where.programFolder, where.configFolder}) {
        if (folder.empty()) continue;
        const fs::path file = folder / kPreferenceFileName;
        std::error_code ec;
        if (!fs::exists(file, ec)) continue;
        std::ifstream in(file, std::ios::binary);
        std::string line;
        if (!in || !std::getline(in, line)) return std::string();
        // A byte-order mark that an editor put in front is no part of the folder.
        if (line.rfind("\xEF\xBB\xBF", 0) == 0) line.erase(0, 3);
        return firstItem(line);
    }
    return std::nullopt;
}

namespace {

bool writeFile(const fs::path& file, const std::string& text) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    out << text;
    out.close();
    return !out.fail();
}

// Whether the dictionary loaders find words.dic in `folder`.
bool holdsDictionary(const std::string& folder) {
    std::error_code ec;
    return !folder.empty() && fs::is_regular_file(fs::path(folder + "/words.dic"), ec);
}

// The folder without the trailing spaces an editor may have left.
std::string trimmedFolder(std::string folder) {
    while (!folder.empty() && folder.back() == ' ') folder.pop_back();
    return folder;
}

// The installed word list, when the program has one and it holds words.dic.
std::optional<std::string> installedDictionary(const PreferenceLocations& where) {
    if (where.dataFolder.empty()) return std::nullopt;
    std::string folder = where.dataFolder.string();
    if (folder.back() != '/') folder += '/';
    if (!holdsDictionary(folder)) return std::nullopt;
    return folder;
}

// The user points at words.dic; its folder is written into qbrx.ini.
std::string locateDictionary(Prompter& prompter, const PreferenceLocations& where) {
    prompter.tell(kLocateDictionaryMessage);
    const std::string preset = (where.programFolder / "words.dic").string();
    const auto chosen = prompter.openFile({kDictionaryFilter, kDictionaryFilterIndex, preset});
    const std::string folder = folderOf(chosen.value_or(preset));
    // A folder without the word list is never saved: the next start asks
    // again. Not being able to write the file is passed over: the folder
    // still serves this session.
    if (holdsDictionary(folder)) writePreferences(where, folder);
    return folder;
}

}  // namespace

std::optional<std::string> knownDictionaryFolder(const PreferenceLocations& where) {
    if (auto folder = readPreferences(where)) return folder;
    return installedDictionary(where);
}

std::string dictionaryMissingMessage(const std::string& folder) {
    return "The dictionary (words.dic) is not in the folder that qbrx.ini names:\r" + utf8ToCp1252(folder) +
           "\rClick OK to locate words.dic, or Cancel to go on without the dictionary.";
}

std::optional<fs::path> writePreferences(const PreferenceLocations& where,
                                         const std::string& dictionaryFolder) {
    // A folder with a comma in its name is quoted, or reading would cut it there.
    const bool quote = dictionaryFolder.find(',') != std::string::npos;
    const std::string text = (quote ? "\"" + dictionaryFolder + "\"" : dictionaryFolder) + "\r\n";
    if (!where.programFolder.empty() && where.dataFolder.empty()) {
        const fs::path file = where.programFolder / kPreferenceFileName;
        if (writeFile(file, text)) return file;
    }
    if (!where.configFolder.empty()) {
        std::error_code ec;
        fs::create_directories(where.configFolder, ec);
        const fs::path file = where.configFolder / kPreferenceFileName;
        if (writeFile(file, text)) return file;
    }
    return std::nullopt;
}

PreferencesResult loadPreferences(Prompter& prompter, const PreferenceLocations& where) {
    if (auto folder = readPreferences(where)) {
        if (holdsDictionary(*folder)) return {false, *folder};
        if (const std::string trimmed = trimmedFolder(*folder); holdsDictionary(trimmed))
            return {false, trimmed};
        const MessageRequest missing{dictionaryMissingMessage(*folder), std::nullopt, Buttons::OkCancel,
                                     Icon::Exclamation, 0};
        if (prompter.message(missing) != Reply::Ok) return {false, *folder};
        return {false, locateDictionary(prompter, where)};
    }
    if (auto installed = installedDictionary(where)) return {false, *installed};

    if (prompter.message({kMissingPreferencesMessage, std::nullopt, Buttons::OkCancel, Icon::None, 0}) !=
        Reply::Ok)
        return {true, {}};
    return {false, locateDictionary(prompter, where)};
}

}  // namespace qbrx
