// SPDX-License-Identifier: GPL-3.0-or-later
// The header dialog (caption "Header"): the puzzle title, the created-by
// text and the three header options. Modeless; Okay stores, Cancel keeps the
// stored values. The dialog shows the document's header and hands what Okay
// stores to the window (headerStored), which puts it into the document.
#pragma once

#include <QDialog>

#include "document.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace qbrx {

class OptionsDialog : public QDialog {
    Q_OBJECT
public:
    explicit OptionsDialog(const HeaderValues& header, QWidget* parent = nullptr);

    // Puts the stored values into the controls.
    void fill();
    // Okay: hides the dialog and hands over the controls' values.
    void store();
    // The Header command: fill, then show.
    void showHeader();

    QLabel* lblPuzzleTitle;
    QLineEdit* txtPuzzleTitle;
    QLabel* lblCreatedby;
    QLineEdit* txtCreatedby;
    QLabel* lblQuotationBy;
    QLineEdit* txtQuotationBy;
    QLabel* lblInstructions;
    QCheckBox* chkName;
    QCheckBox* chkPeriod;
    QCheckBox* chkInstructions;
    QPushButton* cmdOkay;
    QPushButton* cmdCancel;

signals:
    // Okay: the header as the dialog's controls give it.
    void headerStored(const qbrx::HeaderValues& header);

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void reject() override;

private:
    const HeaderValues& header_;
};

}  // namespace qbrx
