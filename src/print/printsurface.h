// SPDX-License-Identifier: GPL-3.0-or-later
// What the page layout draws on: a printer page addressed in twips from the
// top left corner of its printable area, with a current position, one current font, text that is
// measured in that font, lines and boxes. The Qt side provides the real
// printer (and PDF); tests provide a recorder with fixed text metrics.
// Text is Windows-1252 bytes.
#pragma once

#include <string>

namespace qbrx {

class PrintSurface {
public:
    virtual ~PrintSurface() = default;

    // Size of the printable area in twips.
    virtual double pageWidth() const = 0;
    virtual double pageHeight() const = 0;

    // The current position, where the next text is printed (its top left).
    virtual double currentX() const = 0;
    virtual double currentY() const = 0;
    virtual void setCurrentX(double x) = 0;
    virtual void setCurrentY(double y) = 0;

    // The current font.
    virtual void setFontName(const std::string& name) = 0;
    virtual void setFontSize(double points) = 0;
    virtual void setFontBold(bool on) = 0;
    virtual void setFontItalic(bool on) = 0;

    // Width and height of `text` in the current font, in twips. A text with
    // line ends (CR, LF or CR LF) is as high as its lines together.
    virtual float textWidth(const std::string& text) = 0;
    virtual float textHeight(const std::string& text) = 0;

    // Prints `text` at the current position without a line end; the
    // current x moves on by the text's width.
    virtual void printText(const std::string& text) = 0;

    virtual void line(double x1, double y1, double x2, double y2) = 0;
    virtual void box(double x1, double y1, double x2, double y2) = 0;        // outline, black
    virtual void filledBox(double x1, double y1, double x2, double y2) = 0;  // solid black

    // On: text leaves what is under it alone; off: text is printed on a
    // white background.
    virtual void setTransparentText(bool on) = 0;

    // The page is complete and the next one starts (a puzzle whose questions
    // do not fit one page). A surface that holds one page only may ignore it.
    virtual void newPage() {}

    // The document is complete: send it.
    virtual void endDoc() = 0;
};

}  // namespace qbrx
