#include "documentformats.h"

#include "filedialog.h"
#include "text.h"

namespace qbrx {

std::string DocumentFormats::openFilter() const {
    std::string filter = kOpenFilter;
    for (const FileFormat& f : others) filter += "|" + f.filterEntry;
    return filter;
}

std::string DocumentFormats::saveFilter() const {
    std::string filter = kSaveFilter;
    for (const FileFormat& f : others) filter += "|" + f.filterEntry;
    return filter;
}

const FileFormat* DocumentFormats::formatOf(const std::string& path) const {
    for (const FileFormat& f : others) {
        if (path.size() < f.extension.size()) continue;
        if (lower(path.substr(path.size() - f.extension.size())) == f.extension) return &f;
    }
    return nullptr;
}

std::optional<ReadStatus> DocumentFormats::read(Editor& editor, const std::string& path) const {
    if (const FileFormat* f = formatOf(path); f && f->read) return f->read(editor, path);
    return readDataFile(editor, path);
}

WriteResult DocumentFormats::write(const Document& doc, const std::string& path) const {
    if (const FileFormat* f = formatOf(path); f && f->write) return f->write(doc, path);
    return writeDataFile(doc, path);
}

}  // namespace qbrx
