// SPDX-License-Identifier: GPL-3.0-or-later
#include "optionsdialog.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "qttext.h"
#include "uifonts.h"

namespace qbrx {

OptionsDialog::OptionsDialog(const HeaderValues& header, QWidget* parent) : QDialog(parent), header_(header) {
    setObjectName(QStringLiteral("frmOptions"));
    setWindowTitle(QStringLiteral("Header"));
    setModal(false);

    const QFont labelFont = uiFont("MS Sans Serif", 8.25);
    auto label = [&](const char* name, const QString& caption) {
        auto* l = new QLabel(caption, this);
        l->setObjectName(QLatin1String(name));
        l->setFont(labelFont);
        return l;
    };
    auto line = [&](const char* name) {
        auto* e = new QLineEdit(this);
        e->setObjectName(QLatin1String(name));
        e->installEventFilter(this);
        return e;
    };
    auto check = [&](const char* name, const QString& caption) {
        auto* c = new QCheckBox(caption, this);
        c->setObjectName(QLatin1String(name));
        return c;
    };

    lblPuzzleTitle = label("lblPuzzleTitle", QStringLiteral("Puzzle Title:"));
    txtPuzzleTitle = line("txtPuzzleTitle");
    lblCreatedby = label("lblCreatedby", QStringLiteral("Created by:"));
    txtCreatedby = line("txtCreatedby");
    txtPuzzleTitle->setAccessibleName(QStringLiteral("Puzzle Title"));
    txtCreatedby->setAccessibleName(QStringLiteral("Created by"));
    // The quotation's author and work: printed on the key only, since on the
    // puzzle it would give the crostic away.
    lblQuotationBy = label("lblQuotationBy", QStringLiteral("Quotation by:"));
    txtQuotationBy = line("txtQuotationBy");
    txtQuotationBy->setAccessibleName(QStringLiteral("Quotation by"));
    txtQuotationBy->setPlaceholderText(QStringLiteral("e.g. Henry David Thoreau, Walden"));
    lblInstructions =
        label("lblInstructions", QStringLiteral("Click items below you wish to appear on puzzle"));
    chkName = check("chkName", QStringLiteral("Name _________________________________"));
    chkPeriod = check("chkPeriod", QStringLiteral("Period   _______  Date ___________________"));
    chkInstructions = check("chkInstructions", QStringLiteral("Include Mini-Instructions"));
    cmdOkay = new QPushButton(QStringLiteral("Okay"), this);
    cmdOkay->setObjectName(QStringLiteral("cmdOkay"));
    cmdOkay->setDefault(true);
    cmdCancel = new QPushButton(QStringLiteral("Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    cmdCancel->setAutoDefault(false);

    auto* texts = new QGridLayout;
    texts->addWidget(lblPuzzleTitle, 0, 0);
    texts->addWidget(txtPuzzleTitle, 0, 1);
    texts->addWidget(lblCreatedby, 1, 0);
    texts->addWidget(txtCreatedby, 1, 1);
    texts->addWidget(lblQuotationBy, 2, 0);
    texts->addWidget(txtQuotationBy, 2, 1);
    txtPuzzleTitle->setMinimumWidth(260);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOkay);
    buttons->addWidget(cmdCancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(texts);
    layout->addSpacing(8);
    layout->addWidget(lblInstructions);
    layout->addWidget(chkName);
    layout->addWidget(chkPeriod);
    layout->addWidget(chkInstructions);
    layout->addSpacing(8);
    layout->addLayout(buttons);

    connect(cmdOkay, &QPushButton::clicked, this, &OptionsDialog::store);
    connect(cmdCancel, &QPushButton::clicked, this, &QWidget::hide);

    // Loading the dialog fills it and puts the caret into the title.
    fill();
    txtPuzzleTitle->setFocus();
}

void OptionsDialog::fill() {
    txtPuzzleTitle->clear();
    txtPuzzleTitle->setText(screenText(header_.title));
    chkName->setChecked(false);
    chkPeriod->setChecked(false);
    chkInstructions->setChecked(false);
    if (header_.nameLine) chkName->setChecked(true);
    if (header_.periodDateLine) chkPeriod->setChecked(true);
    if (header_.miniInstructions) chkInstructions->setChecked(true);
    txtCreatedby->clear();
    txtCreatedby->setText(screenText(header_.createdBy));
    txtQuotationBy->setText(screenText(header_.quotationBy));
}

void OptionsDialog::store() {
    HeaderValues values = header_;
    values.title = documentText(txtPuzzleTitle->text());
    if (!values.title.empty()) values.titleGiven = true;
    values.createdBy = documentText(txtCreatedby->text());
    if (!values.createdBy.empty()) values.createdByGiven = true;
    values.quotationBy = documentText(txtQuotationBy->text());
    values.nameLine = chkName->isChecked();
    values.periodDateLine = chkPeriod->isChecked();
    values.miniInstructions = chkInstructions->isChecked();
    hide();
    emit headerStored(values);
}

void OptionsDialog::showHeader() {
    fill();
    show();
    raise();
    activateWindow();
}

bool OptionsDialog::event(QEvent* event) {
    const bool handled = QDialog::event(event);
    // Coming back to the dialog shows the stored values: one of its boxes
    // always takes the focus, so the dialog itself never gets it, but it is
    // activated. A header replaced meanwhile (New, Open, Revert) is never
    // overwritten by what the dialog showed before.
    if (event->type() == QEvent::WindowActivate) {
        fill();
        txtPuzzleTitle->setFocus();
    }
    return handled;
}

bool OptionsDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        if (auto* box = qobject_cast<QLineEdit*>(watched))
            box->setSelection(0, static_cast<int>(box->text().size()));
    }
    return QDialog::eventFilter(watched, event);
}

// Escape works like Cancel: the dialog goes away and nothing is stored.
void OptionsDialog::reject() { hide(); }

}  // namespace qbrx
