// SPDX-License-Identifier: GPL-3.0-or-later
// File > Print Preview...: the puzzle's pages, then the key's, as the
// printer will receive them, so that a teacher sees the sheets before
// printing. The window is modeless and shows the document as it was when
// it opened.
#pragma once

#include <QDialog>

#include "document.h"
#include "pageplan.h"

class QLabel;
class QPushButton;
class QPrinter;
class QPrintPreviewWidget;

namespace qbrx {

class PrintPreview : public QDialog {
    Q_OBJECT
public:
    // Lays out on `printer` (its paper and printable area); the printer must
    // outlive the window.
    PrintPreview(QPrinter& printer, const Document& doc, const PrintOptions& options,
                 QWidget* parent = nullptr);

    QPrintPreviewWidget* view() const { return view_; }
    QPushButton* printButton() const { return print_; }
    // What is shown: the document as it was when the window opened.
    const Document& document() const { return doc_; }
    const PrintOptions& options() const { return options_; }
    // Pages shown: the puzzle's and the key's together (0 when the page
    // cannot be laid out).
    int pageCount() const;

signals:
    // The Print button: print the pages shown.
    void printRequested();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void showPageNumber();
    // Sized and placed inside the available area of the screen it opens on.
    void fitScreen();

    Document doc_;
    PrintOptions options_;
    QPrintPreviewWidget* view_;
    QLabel* pageLabel_;
    QPushButton* print_;
};

// Opens the preview, deleted when closed.
PrintPreview* showPrintPreview(QPrinter& printer, const Document& doc, const PrintOptions& options,
                               QWidget* parent);

}  // namespace qbrx
