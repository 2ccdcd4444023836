// A print surface that keeps what is drawn, page by page, with the state a
// printer keeps (position, font); the text metrics are each test's own.
#pragma once

#include <string>
#include <vector>

#include "printsurface.h"

namespace qbrx {

struct Drawn {
    enum Kind { Text, Line, Box, Fill } kind;
    int page;
    double x1, y1, x2, y2;  // text: where the test's surface puts it
    std::string text, font;
    double size;
    bool bold, italic;
};

class RecordingSurface : public PrintSurface {
public:
    RecordingSurface(double width, double height) : width_(width), height_(height) {}
    std::vector<Drawn> drawn;
    int page = 1;
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
    void line(double x1, double y1, double x2, double y2) override { add(Drawn::Line, x1, y1, x2, y2); }
    void box(double x1, double y1, double x2, double y2) override { add(Drawn::Box, x1, y1, x2, y2); }
    void filledBox(double x1, double y1, double x2, double y2) override { add(Drawn::Fill, x1, y1, x2, y2); }
    void setTransparentText(bool) override {}
    void newPage() override { ++page; }
    void endDoc() override { ended = true; }

protected:
    void add(Drawn::Kind kind, double x1, double y1, double x2, double y2, const std::string& text = {}) {
        drawn.push_back({kind, page, x1, y1, x2, y2, text, font_, size_, bold_, italic_});
    }
    double width_, height_, x_ = 0, y_ = 0, size_ = 10;
    std::string font_;
    bool bold_ = false, italic_ = false;
};

}  // namespace qbrx
