#include "ipuzformat.h"

#include "export.h"
#include "ipuzread.h"
#include "text.h"

namespace qbrx {

FileFormat ipuzFileFormat() {
    FileFormat f;
    f.extension = ".ipuz";
    f.filterEntry = kIpuzFilterEntry;
    f.read = [](Editor& editor, const std::string& path) -> std::optional<ReadStatus> {
        switch (openIpuzFile(editor, path)) {
            case IpuzOpenStatus::Ok:
            case IpuzOpenStatus::Renumbered: return ReadStatus::Ok;
            case IpuzOpenStatus::NotFound:
                editor.prompter().tell(std::string(kFileMissingMessage) + "\r" + utf8ToCp1252(path));
                return std::nullopt;
            case IpuzOpenStatus::Refused: return std::nullopt;
        }
        return std::nullopt;
    };
    f.write = [](const Document& doc, const std::string& path) -> WriteResult {
        // Saved as the data file is: a read-only file is refused, and a
        // file already there keeps its permissions and links.
        try {
            return writeFileSafely(path, formatIpuz(doc));
        } catch (const ExportError& e) {
            return {false, e.what()};
        }
    };
    return f;
}

}  // namespace qbrx
