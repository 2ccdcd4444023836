// SPDX-License-Identifier: GPL-3.0-or-later
#include "ipuzread.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <optional>

#include "text.h"
#include "textescape.h"

namespace qbrx {

namespace {

// ------------------------------------------------------------------ JSON

// A parsed JSON value. Objects keep their members in file order.
struct Json {
    enum class Kind { Null, Bool, Number, String, Array, Object };
    Kind kind = Kind::Null;
    bool boolean = false;
    double number = 0;
    std::string text;  // UTF-8
    std::vector<Json> items;
    struct Member;
    std::vector<Member> members;

    const Json* get(std::string_view key) const;
    bool isString() const { return kind == Kind::String; }
    bool isArray() const { return kind == Kind::Array; }
    bool isObject() const { return kind == Kind::Object; }
    bool isNumber() const { return kind == Kind::Number; }
    // A whole number, or nullopt.
    std::optional<long> whole() const {
        if (kind != Kind::Number || !std::isfinite(number) || std::fabs(number) > 1e9 ||
            number != std::floor(number))
            return std::nullopt;
        return static_cast<long>(number);
    }
};

struct Json::Member {
    std::string first;  // the member's name
    Json second;
};

const Json* Json::get(std::string_view key) const {
    if (kind != Kind::Object) return nullptr;
    for (const Member& member : members)
        if (member.first == key) return &member.second;
    return nullptr;
}

class JsonError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Strict JSON (RFC 8259) with a bound on nesting, so that hostile input can
// neither overflow the stack nor take long: every byte is looked at a
// bounded number of times.
class JsonParser {
public:
    explicit JsonParser(std::string_view text) : s_(text) {}

    Json parseDocument() {
        if (s_.substr(0, 3) == "\xEF\xBB\xBF") i_ = 3;
        Json value = parseValue(0);
        skipSpace();
        if (i_ != s_.size()) fail();
        return value;
    }

private:
    static constexpr int kMaxDepth = 64;
    // A puzzle has a few thousand values at most; this bounds the memory a
    // file of the largest size can take.
    static constexpr long kMaxValues = 300000;

    [[noreturn]] void fail() const { throw JsonError("damaged JSON"); }

    void skipSpace() {
        while (i_ < s_.size() && (s_[i_] == ' ' || s_[i_] == '\t' || s_[i_] == '\n' || s_[i_] == '\r')) ++i_;
    }
    bool take(char c) {
        skipSpace();
        if (i_ < s_.size() && s_[i_] == c) {
            ++i_;
            return true;
        }
        return false;
    }
    void expect(char c) {
        if (!take(c)) fail();
    }
    bool takeWord(std::string_view word) {
        if (s_.substr(i_, word.size()) != word) return false;
        i_ += word.size();
        return true;
    }

    Json parseValue(int depth) {
        if (depth > kMaxDepth) throw JsonError("nested too deeply");
        if (++values_ > kMaxValues) throw JsonError("too many values");
        skipSpace();
        if (i_ >= s_.size()) fail();
        Json v;
        const char c = s_[i_];
        if (c == '{') {
            ++i_;
            v.kind = Json::Kind::Object;
            if (take('}')) return v;
            do {
                skipSpace();
                std::string key = parseString();
                expect(':');
                v.members.push_back(Json::Member{std::move(key), parseValue(depth + 1)});
            } while (take(','));
            expect('}');
        } else if (c == '[') {
            ++i_;
            v.kind = Json::Kind::Array;
            if (take(']')) return v;
            do v.items.push_back(parseValue(depth + 1));
            while (take(','));
            expect(']');
        } else if (c == '"') {
            v.kind = Json::Kind::String;
            v.text = parseString();
        } else if (takeWord("true")) {
            v.kind = Json::Kind::Bool;
            v.boolean = true;
        } else if (takeWord("false")) {
            v.kind = Json::Kind::Bool;
        } else if (takeWord("null")) {
        } else {
            v.kind = Json::Kind::Number;
            v.number = parseNumber();
        }
        return v;
    }

    double parseNumber() {
        const std::size_t start = i_;
        if (i_ < s_.size() && s_[i_] == '-') ++i_;
        const std::size_t digits = i_;
        while (i_ < s_.size() && ((s_[i_] >= '0' && s_[i_] <= '9') || s_[i_] == '.' || s_[i_] == 'e' ||
                                  s_[i_] == 'E' || s_[i_] == '+' || s_[i_] == '-'))
            ++i_;
        if (i_ == digits || i_ - start > 40) fail();
        // from_chars reads the C format whatever the program's locale.
        double value = 0;
        const char* first = s_.data() + start;
        const char* last = s_.data() + i_;
        const auto [end, error] = std::from_chars(first, last, value);
        if (error != std::errc() || end != last) fail();
        return value;
    }

    unsigned hex4() {
        if (i_ + 4 > s_.size()) fail();
        unsigned value = 0;
        for (int k = 0; k < 4; ++k) {
            const char h = s_[i_++];
            value <<= 4;
            if (h >= '0' && h <= '9')
                value |= static_cast<unsigned>(h - '0');
            else if (h >= 'a' && h <= 'f')
                value |= static_cast<unsigned>(h - 'a' + 10);
            else if (h >= 'A' && h <= 'F')
                value |= static_cast<unsigned>(h - 'A' + 10);
            else
                fail();
        }
        return value;
    }

    std::string parseString() {
        if (i_ >= s_.size() || s_[i_] != '"') fail();
        ++i_;
        std::string out;
        while (true) {
            if (i_ >= s_.size()) fail();
            const char c = s_[i_++];
            if (c == '"') return out;
            if (static_cast<unsigned char>(c) < 0x20) fail();
            if (c != '\\') {
                out += c;
                continue;
            }
            if (i_ >= s_.size()) fail();
            const char e = s_[i_++];
            if (const char plain = jsonUnescaped(e); plain != 0) {
                out += plain;
                continue;
            }
            if (e != 'u') fail();
            unsigned cp = hex4();
            if (cp >= 0xD800 && cp < 0xDC00 && s_.substr(i_, 2) == "\\u") {
                i_ += 2;
                const unsigned low = hex4();
                cp =
                    low >= 0xDC00 && low < 0xE000 ? 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00) : 0xFFFD;
            } else if (cp >= 0xD800 && cp < 0xE000) {
                cp = 0xFFFD;
            }
            appendUtf8(out, cp);
        }
    }

    std::string_view s_;
    std::size_t i_ = 0;
    long values_ = 0;
};

// ------------------------------------------------------------ text fields

// A text field that may hold HTML, as plain Windows-1252 text: tags are
// dropped (a line break becomes a space) and the common entities decoded.
std::string plainText(const Json* field) {
    if (field == nullptr || !field->isString()) return {};
    const std::string& s = field->text;
    std::string out;
    std::size_t close =
        s.find('>');  // the next ">" at or after i: each search starts past the last, so linear
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '<') {
            if (close != std::string::npos && close < i) close = s.find('>', i);
            const std::size_t end = close;
            if (end != std::string::npos) {
                const std::string tag = lower(s.substr(i + 1, std::min<std::size_t>(end - i - 1, 3)));
                if (tag.rfind("br", 0) == 0) out += ' ';
                i = end;
                continue;
            }
        }
        if (s[i] == '&') {
            const std::size_t semicolon = s.substr(i, 12).find(';');  // entities are short
            const std::size_t end = semicolon == std::string::npos ? std::string::npos : i + semicolon;
            if (end != std::string::npos) {
                const std::string name = s.substr(i + 1, end - i - 1);
                static const std::map<std::string, unsigned> named = {
                    {"amp", '&'}, {"lt", '<'}, {"gt", '>'}, {"quot", '"'}, {"apos", '\''}, {"nbsp", ' '}};
                unsigned cp = 0;
                if (const auto it = named.find(name); it != named.end()) {
                    cp = it->second;
                } else if (name.size() > 1 && name[0] == '#') {
                    try {
                        cp = static_cast<unsigned>(name[1] == 'x' || name[1] == 'X'
                                                       ? std::stoul(name.substr(2), nullptr, 16)
                                                       : std::stoul(name.substr(1)));
                    } catch (const std::exception&) {
                        cp = 0;
                    }
                    if (cp > 0x10FFFF) cp = 0;
                }
                if (cp != 0) {
                    appendUtf8(out, cp);
                    i = end;
                    continue;
                }
            }
        }
        out += s[i];
    }
    return utf8ToCp1252(out);
}

// A field Quotabrix wrote itself: no HTML in it.
std::optional<std::string> ownText(const Json& object, std::string_view key) {
    const Json* field = object.get(key);
    if (field == nullptr || !field->isString()) return std::nullopt;
    return utf8ToCp1252(field->text);
}

bool ownFlag(const Json* object, std::string_view key) {
    const Json* field = object ? object->get(key) : nullptr;
    return field != nullptr && field->kind == Json::Kind::Bool && field->boolean;
}

// ------------------------------------------------------------------- grid

struct Refusal {
    std::string reason;
};

struct GridCell {
    bool letter = false;  // a numbered letter of the quotation
    int number = 0;       // its letter number
    unsigned char character = 0;
};

struct Grid {
    int width = 0;
    int height = 0;
    std::vector<GridCell> cells;  // row by row
    std::string quotation;
};

// The character of a solution cell: null outside, the block string, or a
// one-character string (or {"value": ...}).
Grid readGrid(const Json& root) {
    const Json* dimensions = root.get("dimensions");
    auto size = [dimensions](std::string_view key) -> long {
        const Json* field = dimensions ? dimensions->get(key) : nullptr;
        return field ? field->whole().value_or(0) : 0;
    };
    const long width = size("width"), height = size("height");
    if (width < 1 || height < 1 || width * height > 100000) throw Refusal{"its grid has no usable size"};
    const Json* solution = root.get("solution");
    if (solution == nullptr || !solution->isArray() || static_cast<long>(solution->items.size()) < height)
        throw Refusal{"it has no solution grid, so the quotation cannot be read"};
    std::string block = "#";
    if (const Json* b = root.get("block"); b && b->isString()) block = b->text;

    Grid g;
    g.width = static_cast<int>(width);
    g.height = static_cast<int>(height);
    g.cells.resize(static_cast<std::size_t>(g.width * g.height));
    bool pendingSpace = false;
    int number = 0;
    for (int r = 0; r < g.height; ++r) {
        const Json& row = solution->items[static_cast<std::size_t>(r)];
        if (!row.isArray() || static_cast<int>(row.items.size()) < g.width)
            throw Refusal{"its solution grid is shorter than its size says"};
        for (int c = 0; c < g.width; ++c) {
            const Json* cell = &row.items[static_cast<std::size_t>(c)];
            if (cell->isObject()) cell = cell->get("value") ? cell->get("value") : cell->get("cell");
            if (cell == nullptr || cell->kind == Json::Kind::Null) continue;
            if (!cell->isString()) throw Refusal{"a cell of its solution grid holds no character"};
            if (cell->text == block || cell->text == " ") {
                pendingSpace = !g.quotation.empty();
                continue;
            }
            const std::string ch = utf8ToCp1252(cell->text);
            if (ch.size() != 1) throw Refusal{"a cell of its solution grid holds more than one character"};
            // Runs of blocks are one space, as a registered quotation has them.
            if (pendingSpace) g.quotation += ' ';
            pendingSpace = false;
            g.quotation += ch;
            GridCell& out = g.cells[static_cast<std::size_t>(r * g.width + c)];
            out.character = static_cast<unsigned char>(ch[0]);
            if (ch[0] == '"') out.character = 210;  // registration makes marks of straight quotes
            out.letter = isNumberedLetter(out.character);
            if (out.letter) out.number = ++number;
            if (g.quotation.size() > static_cast<std::size_t>(kMaxQuote))
                throw Refusal{"its quotation is longer than the 255 characters a puzzle can hold"};
        }
    }
    if (g.quotation.empty()) throw Refusal{"its grid holds no quotation"};
    return g;
}

// ------------------------------------------------------------------ clues

struct RawClue {
    const Json* object = nullptr;
    std::vector<std::pair<long, long>> cells;  // as written
    std::string answer;                        // in capitals; empty when the file gives none
};

std::vector<std::pair<long, long>> readCells(const Json& clue) {
    std::vector<std::pair<long, long>> out;
    const Json* cells = clue.get("cells");
    if (cells == nullptr) return out;
    if (!cells->isArray()) throw Refusal{"a clue's cells are not a list"};
    for (const Json& cell : cells->items) {
        if (!cell.isArray() || cell.items.size() != 2 || !cell.items[0].whole() || !cell.items[1].whole())
            throw Refusal{"a clue's cell is not a [column, row] pair"};
        out.emplace_back(*cell.items[0].whole(), *cell.items[1].whole());
    }
    return out;
}

// The answer as the file gives it: Quotabrix's own field keeps the case.
std::string answerOf(const Json& clue) {
    if (const auto typed = ownText(clue, "org.quotabrix.answer")) return *typed;
    return plainText(clue.get("answer"));
}

bool isQuoteClue(const Json& clue) {
    const Json* text = clue.get("clue");
    return text && text->isString() && text->text == "[QUOTE]";
}

}  // namespace

PuzzleRead parseIpuzAcrostic(std::string_view bytes) {
    auto refused = [](std::string reason) {
        return PuzzleRead{FileResult::failed(FileStatus::NotPuzzle, std::move(reason)), {}};
    };
    if (bytes.size() > kMaxIpuzBytes) return refused("it is too large to be a puzzle");
    Json root;
    try {
        root = JsonParser(bytes).parseDocument();
    } catch (const JsonError&) {
        return refused("it is damaged (it is not valid JSON)");
    }
    try {
        if (!root.isObject()) throw Refusal{"it is not an ipuz puzzle"};
        const Json* kinds = root.get("kind");
        bool acrostic = false;
        if (kinds && kinds->isArray())
            for (const Json& k : kinds->items)
                acrostic = acrostic || (k.isString() && k.text.rfind("http://ipuz.org/acrostic", 0) == 0);
        if (!acrostic) throw Refusal{"it is not an acrostic puzzle"};

        const Grid grid = readGrid(root);

        // The clue lists: "Clues" (or "Clues:label") holds the questions; a
        // list named "Quote" and a "[QUOTE]" clue hold the quotation's cells.
        std::vector<RawClue> questions, quoteClues;
        if (const Json* clues = root.get("clues"); clues && clues->isObject()) {
            for (const auto& [name, list] : clues->members) {
                const std::string direction = name.substr(0, name.find(':'));
                const bool quoteList = direction == "Quote" || name.find(":Quote") != std::string::npos;
                if (direction != "Clues" && !quoteList) continue;
                if (!list.isArray()) throw Refusal{"its clue list is not a list"};
                for (const Json& clue : list.items) {
                    if (!clue.isObject()) throw Refusal{"a clue has no cells or answer"};
                    RawClue raw{&clue, readCells(clue), upper(answerOf(clue))};
                    (quoteList || isQuoteClue(clue) ? quoteClues : questions).push_back(std::move(raw));
                }
            }
        }
        if (questions.size() > static_cast<std::size_t>(kMaxSlots))
            throw Refusal{"it has more than 50 questions"};

        // Cells count from [0, 0] in most files and from [1, 1] in some.
        auto fits = [&](long base, bool spelled) {
            auto inside = [&](const RawClue& clue) {
                for (const auto& [x, y] : clue.cells) {
                    const long c = x - base, r = y - base;
                    if (c < 0 || r < 0 || c >= grid.width || r >= grid.height) return false;
                }
                return true;
            };
            // Every cell a letter and, when `spelled` and the answer is
            // given, the letters in the answer's order.
            auto letters = [&](const RawClue& clue) {
                std::size_t k = 0;
                for (const auto& [x, y] : clue.cells) {
                    const GridCell& cell =
                        grid.cells[static_cast<std::size_t>((y - base) * grid.width + (x - base))];
                    if (!cell.letter) return false;
                    if (!spelled || clue.answer.empty()) continue;
                    k = clue.answer.find(static_cast<char>(upperChar(cell.character)), k);
                    if (k == std::string::npos) return false;
                    ++k;
                }
                return true;
            };
            return std::all_of(questions.begin(), questions.end(),
                               [&](const RawClue& c) { return inside(c) && letters(c); }) &&
                   std::all_of(quoteClues.begin(), quoteClues.end(), inside);
        };
        // Quotabrix writes them from [0, 0]. Otherwise the numbering under
        // which the answers spell from their cells wins, and counting from 1
        // comes first when no cell anywhere is 0.
        bool anyZero = false;
        for (const auto* list : {&questions, &quoteClues})
            for (const RawClue& clue : *list)
                for (const auto& [x, y] : clue.cells) anyZero = anyZero || x == 0 || y == 0;
        const bool own = root.get("org.quotabrix.quotation") != nullptr;
        const std::vector<long> bases = own       ? std::vector<long>{0}
                                        : anyZero ? std::vector<long>{0, 1}
                                                  : std::vector<long>{1, 0};
        std::optional<long> chosen;
        for (const bool spelled : {true, false})
            for (const long b : bases)
                if (!chosen && fits(b, spelled)) chosen = b;
        if (!chosen)
            throw Refusal{"the cells of its clues lie outside the grid or on cells without a letter"};
        const long base = *chosen;

        Puzzle out;
        out.numbersKept = true;
        out.quotation = grid.quotation;
        // Quotabrix's own file keeps the quotation as typed (case and all).
        if (const auto typed = ownText(root, "org.quotabrix.quotation");
            typed && upper(*typed) == upper(grid.quotation))
            out.quotation = *typed;
        out.title = plainText(root.get("title"));
        out.createdBy = plainText(root.get("author"));
        out.quotationBy = ownText(root, "org.quotabrix.quotationBy").value_or("");
        const Json* header = root.get("org.quotabrix.header");
        out.nameLine = ownFlag(header, "name");
        out.periodDateLine = ownFlag(header, "periodDate");
        out.miniInstructions = ownFlag(header, "miniInstructions");

        for (const RawClue& raw : questions) {
            const Json& clue = *raw.object;
            std::vector<unsigned char> cellLetters;
            std::vector<int> cellNumbers;
            for (const auto& [x, y] : raw.cells) {
                const GridCell& cell =
                    grid.cells[static_cast<std::size_t>((y - base) * grid.width + (x - base))];
                cellLetters.push_back(upperChar(cell.character));
                cellNumbers.push_back(cell.number);
            }
            PuzzlePair slot;
            slot.question = ownText(clue, "org.quotabrix.question").value_or(plainText(clue.get("clue")));
            std::string answer = answerOf(clue);
            if (answer.empty()) answer.assign(cellLetters.begin(), cellLetters.end());
            if (answer.empty()) throw Refusal{"a clue has no cells or answer"};
            const std::string up = upper(answer);
            const std::string pattern = ownText(clue, "org.quotabrix.pattern").value_or("");
            slot.numbers.assign(up.size(), 0);
            std::size_t next = 0;
            if (pattern.size() == up.size() &&
                std::count(pattern.begin(), pattern.end(), '_') == static_cast<long>(raw.cells.size())) {
                // The file says which characters the grid supplies.
                for (std::size_t k = 0; k < up.size(); ++k)
                    if (pattern[k] == '_') {
                        slot.numbers[k] =
                            cellLetters[next] == static_cast<unsigned char>(up[k]) ? cellNumbers[next] : -1;
                        ++next;
                    }
            } else {
                // Otherwise the cells take the answer's letters in order; a
                // letter that the next cell does not hold is a gap.
                for (std::size_t k = 0; k < up.size() && next < raw.cells.size(); ++k)
                    if (cellLetters[next] == static_cast<unsigned char>(up[k]))
                        slot.numbers[k] = cellNumbers[next++];
                if (next < raw.cells.size()) slot.numbers.assign(up.size(), -1);
            }
            // A puzzle's answers hold 24 characters, as a data file's do.
            if (answer.size() > static_cast<std::size_t>(kMaxAnswer)) {
                answer.resize(kMaxAnswer);
                slot.numbers.resize(kMaxAnswer);
            }
            slot.answer = answer;
            out.pairs.push_back(std::move(slot));
        }

        if (const auto crostic = ownText(root, "org.quotabrix.crostic")) {
            out.crostic = crostic->substr(0, kMaxCrostic);
        } else {
            for (const PuzzlePair& slot : out.pairs)
                if (out.crostic.size() < static_cast<std::size_t>(kMaxCrostic)) out.crostic += slot.answer[0];
        }
        out.questionCount = static_cast<int>(out.pairs.size());
        return {FileResult{}, std::move(out)};
    } catch (const Refusal& r) {
        return refused(r.reason);
    }
}

std::string ipuzRefusedMessage(const std::string& path, const std::string& reason) {
    return "Quotabrix cannot open " + utf8ToCp1252(path) + ":\r" + reason + ".";
}

PuzzleRead readIpuzFile(const std::string& path) {
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::path file(path);
    auto refuse = [](std::string reason) {
        return PuzzleRead{FileResult::failed(FileStatus::Unreadable, std::move(reason)), {}};
    };
    const fs::file_status status = fs::status(file, ec);
    if (!fs::exists(status)) return {FileResult::failed(FileStatus::NotFound), {}};
    // A folder, a pipe or a device is there but is refused, as the data file's reader refuses it.
    if (fs::is_directory(status)) return refuse("it is a folder");
    if (!fs::is_regular_file(status)) return refuse("it is not a regular file");
    const auto size = fs::file_size(file, ec);
    if (ec) return refuse("it cannot be read");
    if (size > kMaxIpuzBytes) return refuse("it is too large to be a puzzle");
    std::ifstream in(file, std::ios::binary);
    std::string bytes(static_cast<std::size_t>(size), '\0');
    if (!in.read(bytes.data(), static_cast<std::streamsize>(size))) return refuse("it cannot be read");
    return parseIpuzAcrostic(bytes);
}

}  // namespace qbrx
