// The header dialog (caption "Header"): the puzzle title, the created-by
// text and the three header options. Modeless; Okay stores, Cancel keeps the
// stored values. Okay with different values announces headerChanged, so
// that the window can mark the puzzle changed.
#pragma once

#include <QDialog>

#include "document.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace qbrx {

class frmOptions : public QDialog {
    Q_OBJECT
public:
    explicit frmOptions(HeaderValues& header, QWidget* parent = nullptr);

    // Puts the stored values into the controls.
    void fill();
    // Stores the controls (Okay) and hides the dialog.
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
    // Okay stored values that differ from the ones before.
    void headerChanged();

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void reject() override;

private:
    HeaderValues& header_;
};

}  // namespace qbrx
