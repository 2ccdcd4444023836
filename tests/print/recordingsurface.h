// A print surface that keeps what is drawn, with simple fixed metrics:
// a character is 10 twips wide per point of size ("W" 15, "I" 5), a line
// of text is 20 twips high per point; the empty text has no height.
#pragma once

#include <string>
#include <vector>

#include "printsurface.h"

namespace qbrx::test {

struct Drawn {
    enum Kind { Text, Line, Box, Fill } kind;
    double x1, y1, x2, y2;  // text: position, and the end of the text in x2
    std::string text;
    std::string font;
    double size;
    bool bold, italic;
};

class RecordingSurface : public PrintSurface {
public:
    explicit RecordingSurface(double width = 12240, double height = 15840) : width_(width), height_(height) {}

    std::vector<Drawn> drawn;
    bool ended = false;

    double pageWidth() const override { return width_; }
    double pageHeight() const override { return height_; }
    double currentX() const override { return x_; }
    double currentY() const override { return y_; }
    void setCurrentX(double x) override { x_ = x; }
    void setCurrentY(double y) override { y_ = y; }
    void setFontName(const std::string& name) override { font_ = name; }
    void setFontSize(double points) override { size_ = points; }
    void setFontBold(bool on) override { bold_ = on; }
    void setFontItalic(bool on) override { italic_ = on; }

    float textWidth(const std::string& text) override {
        double w = 0;
        for (char c : text) w += (c == 'W' ? 15 : c == 'I' ? 5 : 10) * size_;
        return static_cast<float>(w);
    }
    float textHeight(const std::string& text) override {
        int lines = text.empty() ? 0 : 1;
        for (std::size_t i = 0; i + 1 < text.size(); ++i) lines += text[i] == '\r';
        return static_cast<float>(lines * 20 * size_);
    }
    void printText(const std::string& text) override {
        if (text.empty()) return;
        const double w = textWidth(text);
        drawn.push_back({Drawn::Text, x_, y_, x_ + w, y_, text, font_, size_, bold_, italic_});
        x_ += w;
    }
    void line(double x1, double y1, double x2, double y2) override { add(Drawn::Line, x1, y1, x2, y2); }
    void box(double x1, double y1, double x2, double y2) override { add(Drawn::Box, x1, y1, x2, y2); }
    void filledBox(double x1, double y1, double x2, double y2) override { add(Drawn::Fill, x1, y1, x2, y2); }
    void setTransparentText(bool) override {}
    void endDoc() override { ended = true; }

    // Every text drawn that equals `text`.
    std::vector<Drawn> texts(const std::string& text) const {
        std::vector<Drawn> out;
        for (const Drawn& d : drawn)
            if (d.kind == Drawn::Text && d.text == text) out.push_back(d);
        return out;
    }
    std::vector<Drawn> of(Drawn::Kind kind) const {
        std::vector<Drawn> out;
        for (const Drawn& d : drawn)
            if (d.kind == kind) out.push_back(d);
        return out;
    }

private:
    void add(Drawn::Kind kind, double x1, double y1, double x2, double y2) {
        drawn.push_back({kind, x1, y1, x2, y2, {}, font_, size_, bold_, italic_});
    }
    double width_, height_;
    double x_ = 0, y_ = 0;
    std::string font_;
    double size_ = 0;
    bool bold_ = false, italic_ = false;
};

}  // namespace qbrx::test
