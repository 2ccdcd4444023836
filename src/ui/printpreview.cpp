// SPDX-License-Identifier: GPL-3.0-or-later
#include "printpreview.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPainter>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QToolBar>
#include <QVBoxLayout>
#include <algorithm>

#include "printing.h"

namespace qbrx {

PrintPreview::PrintPreview(QPrinter& printer, const Document& doc, const PrintOptions& options,
                           QWidget* parent)
    : QDialog(parent), doc_(doc), options_(options) {
    setObjectName(QStringLiteral("frmPrintPreview"));
    setWindowTitle(QStringLiteral("Print Preview"));
    preparePrinter(printer);

    view_ = new QPrintPreviewWidget(&printer, this);
    view_->setObjectName(QStringLiteral("previewPages"));
    view_->setAccessibleName(QStringLiteral("Pages"));
    connect(view_, &QPrintPreviewWidget::paintRequested, this, [this](QPrinter* device) {
        QPainter painter;
        if (!painter.begin(device)) return;
        paintPuzzleAndKey(doc_, options_, *device, painter);
        painter.end();
    });
    connect(view_, &QPrintPreviewWidget::previewChanged, this, [this] { showPageNumber(); });
    // Scrolling moves through the pages too; the counter follows.
    for (QScrollBar* bar : view_->findChildren<QScrollBar*>())
        connect(bar, &QScrollBar::valueChanged, this, [this] { showPageNumber(); });

    auto* tools = new QToolBar(this);
    tools->addAction(QStringLiteral("Fit Width"), view_, &QPrintPreviewWidget::fitToWidth);
    tools->addAction(QStringLiteral("Whole Page"), view_, &QPrintPreviewWidget::fitInView);
    tools->addAction(QStringLiteral("Zoom In"), view_, [this] { view_->zoomIn(); });
    tools->addAction(QStringLiteral("Zoom Out"), view_, [this] { view_->zoomOut(); });
    tools->addSeparator();
    tools->addAction(QStringLiteral("Previous Page"), view_,
                     [this] { view_->setCurrentPage(std::max(1, view_->currentPage() - 1)); });
    tools->addAction(QStringLiteral("Next Page"), view_, [this] {
        view_->setCurrentPage(std::min(view_->pageCount(), view_->currentPage() + 1));
    });
    pageLabel_ = new QLabel(this);
    tools->addWidget(pageLabel_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    print_ = buttons->addButton(QStringLiteral("Print..."), QDialogButtonBox::ActionRole);
    print_->setObjectName(QStringLiteral("cmdPrint"));
    connect(print_, &QPushButton::clicked, this, &PrintPreview::printRequested);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tools);
    layout->addWidget(view_, 1);
    layout->addWidget(buttons);
    resize(720, 900);
    view_->fitInView();
}

void PrintPreview::fitScreen() {
    const QWidget* over = parentWidget() ? parentWidget() : this;
    const QRect area = over->screen()->availableGeometry();
    // The window manager's frame is known once the window is shown; until
    // then room is kept for a title bar and borders.
    QSize frame = frameGeometry().size() - size();
    if (!isVisible() || frame.isEmpty()) frame = frame.expandedTo(QSize(16, 40));
    const QSize room = area.size() - frame;
    resize(QSize(720, 900).boundedTo(room).expandedTo(minimumSizeHint().boundedTo(room)));
    const QSize outer = size() + frame;
    QPoint at = over == this ? area.topLeft()
                             : over->frameGeometry().center() - QPoint(outer.width(), outer.height()) / 2;
    at.setX(std::clamp(at.x(), area.left(), std::max(area.left(), area.right() + 1 - outer.width())));
    at.setY(std::clamp(at.y(), area.top(), std::max(area.top(), area.bottom() + 1 - outer.height())));
    move(at);
}

void PrintPreview::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    fitScreen();
}

int PrintPreview::pageCount() const { return view_->pageCount(); }

void PrintPreview::showPageNumber() {
    pageLabel_->setText(
        view_->pageCount() == 0
            ? QStringLiteral("  The page cannot be laid out.")
            : QStringLiteral("  Page %1 of %2").arg(view_->currentPage()).arg(view_->pageCount()));
}

PrintPreview* showPrintPreview(QPrinter& printer, const Document& doc, const PrintOptions& options,
                               QWidget* parent) {
    auto* preview = new PrintPreview(printer, doc, options, parent);
    preview->setAttribute(Qt::WA_DeleteOnClose);
    preview->show();
    return preview;
}

}  // namespace qbrx
