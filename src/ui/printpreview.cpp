#include "printpreview.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPainter>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QToolBar>
#include <QVBoxLayout>

#include "printing.h"

namespace qbrx {

PrintPreview::PrintPreview(QPrinter& printer, const Document& doc, const PrintOptions& options, QWidget* parent)
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
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tools);
    layout->addWidget(view_, 1);
    layout->addWidget(buttons);
    resize(720, 900);
    view_->fitInView();
}

int PrintPreview::pageCount() const { return view_->pageCount(); }

void PrintPreview::showPageNumber() {
    pageLabel_->setText(
        view_->pageCount() == 0
            ? QStringLiteral("  The page cannot be laid out.")
            : QStringLiteral("  Page %1 of %2").arg(view_->currentPage()).arg(view_->pageCount()));
}

PrintPreview* showPrintPreview(QPrinter& printer, const Document& doc, const PrintOptions& options, QWidget* parent) {
    auto* preview = new PrintPreview(printer, doc, options, parent);
    preview->setAttribute(Qt::WA_DeleteOnClose);
    preview->show();
    return preview;
}

}  // namespace qbrx
