// SPDX-License-Identifier: GPL-3.0-or-later
#include "qtprintsurface.h"

#include <QPaintDevice>
#include <QPainter>
#include <QPen>

#include "qttext.h"

namespace qbrx {

namespace {

constexpr double kTwipsPerInch = 1440.0;

// Lines of a text: none for the empty text; a line end at the very end
// starts no further line. CR LF counts as one line end.
int lineCount(const std::string& text) {
    if (text.empty()) return 0;
    int lines = 1;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c != '\r' && c != '\n') continue;
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        if (i + 1 < text.size()) ++lines;
    }
    return lines;
}

}  // namespace

QtPrintSurface::QtPrintSurface(QPaintDevice& device, double pageWidthTwips, double pageHeightTwips)
    : device_(device),
      pageWidth_(pageWidthTwips),
      pageHeight_(pageHeightTwips),
      dpiX_(device.logicalDpiX()),
      dpiY_(device.logicalDpiY()) {}

QString QtPrintSurface::toQString(const std::string& cp1252) {
    QString s = screenText(cp1252);
    s.remove(QLatin1Char('\r'));
    s.remove(QLatin1Char('\n'));
    return s;
}

// The font and its metrics are resolved again on next use.
void QtPrintSurface::fontChanged() {
    font_.reset();
    metrics_.reset();
}

void QtPrintSurface::setFontName(const std::string& name) {
    const QString family = screenText(name);
    if (family == family_) return;
    family_ = family;
    fontChanged();
}

void QtPrintSurface::setFontSize(double points) {
    if (points == points_) return;
    points_ = points;
    fontChanged();
}

void QtPrintSurface::setFontBold(bool on) {
    if (on == bold_) return;
    bold_ = on;
    fontChanged();
}

void QtPrintSurface::setFontItalic(bool on) {
    if (on == italic_) return;
    italic_ = on;
    fontChanged();
}

const QFont& QtPrintSurface::font() {
    if (!font_) {
        QFont base(family_);
        base.setBold(bold_);
        base.setItalic(italic_);
        // Resolved against the printer, so that the point size is the
        // printer's and not the screen's.
        QFont resolved(base, &device_);
        resolved.setPointSizeF(points_ > 0 ? points_ : 1.0);
        resolved.setKerning(false);
        font_ = resolved;
    }
    return *font_;
}

const QFontMetricsF& QtPrintSurface::metrics() {
    if (!metrics_) metrics_.emplace(font(), &device_);
    return *metrics_;
}

float QtPrintSurface::textWidth(const std::string& text) {
    if (text.empty()) return 0.0f;
    return static_cast<float>(metrics().horizontalAdvance(toQString(text)) * kTwipsPerInch / dpiX_);
}

float QtPrintSurface::textHeight(const std::string& text) {
    return static_cast<float>(lineCount(text) * metrics().lineSpacing() * kTwipsPerInch / dpiY_);
}

void QtPrintSurface::printText(const std::string& text) {
    const QString s = toQString(text);
    if (s.isEmpty()) return;
    const double width = metrics().horizontalAdvance(s) * kTwipsPerInch / dpiX_;
    pages_.back().push_back({Kind::Text, x_, y_, width, 0, s, font(), !transparent_});
    x_ += width;
}

void QtPrintSurface::line(double x1, double y1, double x2, double y2) {
    pages_.back().push_back({Kind::Line, x1, y1, x2, y2, {}, {}, false});
}

void QtPrintSurface::box(double x1, double y1, double x2, double y2) {
    pages_.back().push_back({Kind::Box, x1, y1, x2, y2, {}, {}, false});
}

void QtPrintSurface::filledBox(double x1, double y1, double x2, double y2) {
    pages_.back().push_back({Kind::FilledBox, x1, y1, x2, y2, {}, {}, false});
}

void QtPrintSurface::paint(QPainter& painter, int page) const {
    if (page < 0 || page >= pageCount()) return;
    const double sx = dpiX_ / kTwipsPerInch;
    const double sy = dpiY_ / kTwipsPerInch;
    auto point = [&](double x, double y) { return QPointF(x * sx, y * sy); };
    auto rect = [&](const Op& op) { return QRectF(point(op.x1, op.y1), point(op.x2, op.y2)).normalized(); };

    painter.save();
    QPen pen(Qt::black);
    pen.setWidthF(kLineWidth * sx);
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setBrush(Qt::NoBrush);
    for (const Op& op : pages_[static_cast<std::size_t>(page)]) {
        switch (op.kind) {
            case Kind::Text: {
                painter.setFont(op.font);
                const QFontMetricsF fm(op.font, painter.device());
                const QPointF topLeft = point(op.x1, op.y1);
                if (op.opaque)
                    painter.fillRect(QRectF(topLeft, QSizeF(op.x2 * sx, fm.lineSpacing())), Qt::white);
                painter.setPen(Qt::black);
                painter.drawText(QPointF(topLeft.x(), topLeft.y() + fm.ascent()), op.text);
                break;
            }
            case Kind::Line:
                painter.setPen(pen);
                painter.drawLine(point(op.x1, op.y1), point(op.x2, op.y2));
                break;
            case Kind::Box:
                painter.setPen(pen);
                painter.drawRect(rect(op));
                break;
            case Kind::FilledBox:
                painter.fillRect(rect(op), Qt::black);
                break;
        }
    }
    painter.restore();
}

}  // namespace qbrx
