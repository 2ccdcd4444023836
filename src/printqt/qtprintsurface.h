// SPDX-License-Identifier: GPL-3.0-or-later
// The print surface of the real printer (and of PDF output): text is
// measured with the fonts as the printer renders them, and each page is kept
// as a list of drawing operations in twips until the layout is complete.
// The pages are then painted on the device; a layout abandoned half-way is
// simply never painted.
#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QString>
#include <optional>
#include <vector>

#include "printsurface.h"

class QPainter;
class QPaintDevice;

namespace qbrx {

class QtPrintSurface final : public PrintSurface {
public:
    // Measures against `device` (a QPrinter or QPdfWriter, already set up);
    // the printable area is pageWidth x pageHeight twips.
    QtPrintSurface(QPaintDevice& device, double pageWidthTwips, double pageHeightTwips);

    double pageWidth() const override { return pageWidth_; }
    double pageHeight() const override { return pageHeight_; }
    double currentX() const override { return x_; }
    double currentY() const override { return y_; }
    void setCurrentX(double x) override { x_ = x; }
    void setCurrentY(double y) override { y_ = y; }

    void setFontName(const std::string& name) override;
    void setFontSize(double points) override;
    void setFontBold(bool on) override;
    void setFontItalic(bool on) override;

    float textWidth(const std::string& text) override;
    float textHeight(const std::string& text) override;
    void printText(const std::string& text) override;

    void line(double x1, double y1, double x2, double y2) override;
    void box(double x1, double y1, double x2, double y2) override;
    void filledBox(double x1, double y1, double x2, double y2) override;
    void setTransparentText(bool on) override { transparent_ = on; }
    void newPage() override { pages_.emplace_back(); }
    void endDoc() override { ended_ = true; }

    // True once the layout finished the page.
    bool ended() const { return ended_; }
    int pageCount() const { return static_cast<int>(pages_.size()); }
    // Paints page `page` (from 0) with a painter that is active on the
    // device the surface measured against (its coordinates are device
    // pixels from the top left corner of the printable area).
    void paint(QPainter& painter, int page = 0) const;

    // Thickness of lines and box outlines, in twips.
    static constexpr double kLineWidth = 12;

private:
    void fontChanged();
    enum class Kind { Text, Line, Box, FilledBox };
    struct Op {
        Kind kind;
        double x1, y1, x2, y2;  // twips; for text the top left and the width
        QString text;
        QFont font;
        bool opaque = false;
    };

    const QFont& font();
    const QFontMetricsF& metrics();
    static QString toQString(const std::string& cp1252);

    QPaintDevice& device_;
    double pageWidth_, pageHeight_;
    double dpiX_, dpiY_;
    double x_ = 0, y_ = 0;
    QString family_ = QStringLiteral("Arial");
    double points_ = 10;
    bool bold_ = false, italic_ = false;
    bool transparent_ = true;
    bool ended_ = false;
    std::optional<QFont> font_;  // the current font, resolved for the device
    std::optional<QFontMetricsF> metrics_;
    std::vector<std::vector<Op>> pages_{1};
};

}  // namespace qbrx
