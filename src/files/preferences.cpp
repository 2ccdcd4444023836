#include "preferences.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>

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

PreferenceLocations PreferenceLocations::forProgram() { return {qbrx::programFolder(), qbrx::userConfigFolder()}; }

std::string firstItem(std::string_view content) {
    std::size_t i = 0;
    while (i < content.size() && content[i] == ' ') ++i;
    if (i < content.size() && content[i] == '"') {
        const std::size_t start = i + 1;
        std::size_t end = start;
        while (end < content.size() && content[end] != '"' && content[end] != '\r' && content[end] != '\n') ++end;
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

}  // namespace

std::optional<fs::path> writePreferences(const PreferenceLocations& where, const std::string& dictionaryFolder) {
    const std::string text = dictionaryFolder + "\r\n";
    if (!where.programFolder.empty()) {
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
    if (auto folder = readPreferences(where)) return {false, *folder};

    if (prompter.message({kMissingPreferencesMessage, std::nullopt, Buttons::OkCancel, Icon::None, 0}) != Reply::Ok)
        return {true, {}};
    prompter.tell(kLocateDictionaryMessage);
    const std::string preset = (where.programFolder / "words.dic").string();
    const auto chosen = prompter.openFile({kDictionaryFilter, kDictionaryFilterIndex, preset});
    PreferencesResult result;
    result.dictionaryFolder = folderOf(chosen.value_or(preset));
    // Not being able to write the file is passed over: the folder still
    // serves this session.
    writePreferences(where, result.dictionaryFolder);
    return result;
}

}  // namespace qbrx
