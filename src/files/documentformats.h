// The file formats that Open, Save and Save As handle. The data file is
// always one; others (ipuz) are added by the program, which knows their
// readers and writers, and are chosen by the file name's extension.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "datafile.h"
#include "editor.h"

namespace qbrx {

struct FileFormat {
    std::string extension;    // with its dot, lower case: ".ipuz"
    std::string filterEntry;  // "ipuz Files (*.ipuz)|*.ipuz"
    // Reads the file into the editor, resetting and rebuilding it; nothing
    // when the file was refused (it has said why) and nothing changed.
    std::function<std::optional<ReadStatus>(Editor& editor, const std::string& path)> read;
    std::function<WriteResult(const Document& doc, const std::string& path)> write;
};

class DocumentFormats {
public:
    std::vector<FileFormat> others;

    // The open and save dialogs' filters: the data file's, then the others'.
    std::string openFilter() const;
    std::string saveFilter() const;

    // Reads or writes by the name's extension; the data file for any name
    // that no other format claims.
    std::optional<ReadStatus> read(Editor& editor, const std::string& path) const;
    WriteResult write(const Document& doc, const std::string& path) const;

private:
    const FileFormat* formatOf(const std::string& path) const;
};

}  // namespace qbrx
