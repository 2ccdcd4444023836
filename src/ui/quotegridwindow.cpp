// SPDX-License-Identifier: GPL-3.0-or-later
#include "quotegridwindow.h"

#include <QEvent>
#include <QFontMetrics>
#include <QMainWindow>
#include <QPainter>
#include <QScreen>
#include <algorithm>

#include "qttext.h"
#include "splashscreen.h"
#include "uifonts.h"

namespace qbrx {

namespace {

QColor colorOf(const Rgb& c) { return QColor(c.r, c.g, c.b); }

// A font of `points` on the twip scale of the picture: one point is 20
// twips, so 4/3 of a pixel whatever the screen resolution.
QFont gridFont(int points) {
    QFont font = uiFont("Arial");
    font.setPixelSize(std::max(1, (points * 20 + 7) / kTwipsPerPixel));
    return font;
}

double px(int twips) { return static_cast<double>(twips) / kTwipsPerPixel; }

}  // namespace

QuoteGridWindow::QuoteGridWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("Quoteshow"));
    setWindowTitle(QStringLiteral("Quote Grid"));
    // The author goes on typing in the main window while the grid shows.
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::ClickFocus);

    imgLogo = new LogoPicture(this);
    imgLogo->setObjectName(QStringLiteral("imgLogo"));
    imgLogo->resize(imgLogo->sizeHint());

    // Until the first registration the window shows only the logo.
    resize(9610 / kTwipsPerPixel, 2000 / kTwipsPerPixel);
    imgLogo->move((width() - imgLogo->width()) / 2, (height() - imgLogo->height()) / 2);
}

void QuoteGridWindow::setPicture(const GridPicture& picture) {
    const bool resized = picture.width != picture_.width || picture.height != picture_.height;
    picture_ = picture;
    if (resized && picture_.width > 0 && picture_.height > 0) {
        setFixedSize(twipsToPixels(picture_.width), twipsToPixels(picture_.height));
        imgLogo->move((width() - imgLogo->width()) / 2, (height() - imgLogo->height()) / 2);
    }
    update();
}

void QuoteGridWindow::placeBeside(const QWidget* mainWindow) {
    const QRect frame = mainWindow->frameGeometry();
    QPoint at(frame.left() + twipsToPixels(kGridPlaceRight), frame.top() + twipsToPixels(kGridPlaceDown));
    // On the main window's screen: the right and bottom edges give way
    // first. The top never climbs over the main window's menu bar.
    if (const QScreen* shown = mainWindow->screen()) {
        const QRect area = shown->availableGeometry();
        const QSize size = frameGeometry().size();
        at.setX(std::max(area.left(), std::min(at.x(), area.right() + 1 - size.width())));
        at.setY(std::max(area.top(), std::min(at.y(), area.bottom() + 1 - size.height())));
    }
    if (const auto* main = qobject_cast<const QMainWindow*>(mainWindow); main && main->menuWidget()) {
        const QWidget* bar = main->menuWidget();
        at.setY(std::max(at.y(), bar->mapToGlobal(QPoint(0, bar->height())).y()));
    }
    move(at);
    placedAt_ = pos();
    placed_ = true;
}

void QuoteGridWindow::followMainWindow(const QWidget* mainWindow) {
    if (placed_ && isVisible() && pos() == placedAt_) placeBeside(mainWindow);
}

void QuoteGridWindow::placeGridText(QPainter& painter, int x, int y, const QString& text) {
    const QFontMetricsF metrics(painter.font());
    painter.drawText(QPointF(px(x), px(y) + metrics.ascent()), text);
}

void QuoteGridWindow::drawQuoteGrid(QPainter& painter) const {
    for (const DrawOp& op : picture_.ops) {
        if (op.kind == DrawOp::Kind::Box) {
            painter.setPen(QPen(colorOf(op.border), 1));
            painter.setBrush(op.fill ? QBrush(colorOf(*op.fill)) : QBrush(Qt::NoBrush));
            painter.drawRect(QRectF(px(op.x1), px(op.y1), px(op.x2 - op.x1), px(op.y2 - op.y1)));
        } else {
            painter.setFont(gridFont(op.fontSize));
            painter.setPen(colorOf(op.color));
            placeGridText(painter, op.x1, op.y1, screenText(op.text));
        }
    }
}

void QuoteGridWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    drawQuoteGrid(painter);
}

bool QuoteGridWindow::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate && onFocusChange) onFocusChange(true);
    if (event->type() == QEvent::WindowDeactivate && onFocusChange) onFocusChange(false);
    return QWidget::event(event);
}

}  // namespace qbrx
