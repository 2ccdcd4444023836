// SPDX-License-Identifier: GPL-3.0-or-later
// The quotation grid window (QuoteGridWindow): a top-level window of its own that
// repaints the grid picture the core drew, and a logo shown until the first
// quotation is registered.
#pragma once

#include <QWidget>
#include <functional>

#include "mainview.h"

class QPainter;

namespace qbrx {

class LogoPicture;

class QuoteGridWindow : public QWidget {
    Q_OBJECT
public:
    explicit QuoteGridWindow(QWidget* parent = nullptr);

    // Takes a new picture (sizes the window to it) and repaints.
    void setPicture(const GridPicture& picture);
    const GridPicture& picture() const { return picture_; }
    // Moves the window's frame to the main window's frame left + 200 twips
    // and top + 1,010 twips, or lower when that would cover the main
    // window's menu bar (a large font or scaling makes it taller), and
    // within the screen.
    void placeBeside(const QWidget* mainWindow);
    // Places the window beside the main window again after the main window
    // has moved (as the window manager places it after it was first shown),
    // unless the user has moved the grid window since it was placed.
    void followMainWindow(const QWidget* mainWindow);

    // Replays the picture's drawing operations (twips, 15 to the pixel).
    void drawQuoteGrid(QPainter& painter) const;
    // Prints text with its top-left corner at (x, y) twips in the painter's
    // current font and pen.
    static void placeGridText(QPainter& painter, int x, int y, const QString& text);

    // Called with true when the window gains the focus and false when it
    // loses it.
    std::function<void(bool)> onFocusChange;

    LogoPicture* imgLogo;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;

private:
    GridPicture picture_;
    QPoint placedAt_;  // where placeBeside last put the frame
    bool placed_ = false;
};

// 15 twips make one pixel on the screen.
constexpr int kTwipsPerPixel = 15;
// Where the grid window opens: twips right of the main window's left edge
// and below its top edge.
constexpr int kGridPlaceRight = 200;
constexpr int kGridPlaceDown = 1010;
inline int twipsToPixels(int twips) { return (twips + (twips >= 0 ? 7 : -7)) / kTwipsPerPixel; }

}  // namespace qbrx
