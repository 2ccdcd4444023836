// SPDX-License-Identifier: GPL-3.0-or-later
#include "aboutdialog.h"

#include <QFrame>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPointer>
#include <QVBoxLayout>

#include "splashscreen.h"
#include "uifonts.h"

namespace qbrx {

namespace {

QPointer<AboutDialog> openAbout;

}  // namespace

AboutDialog::AboutDialog(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("frmAbout");
    setWindowTitle(QString(33, QLatin1Char(' ')) + "About Quotabrix");
    setAttribute(Qt::WA_DeleteOnClose);

    picIcon = new LogoPicture(this);
    picIcon->setObjectName("picIcon");
    picIcon->setFixedSize(96, 96);
    picIcon->setRocking(true);

    lblProduct = new QLabel("Quotabrix", this);
    lblProduct->setObjectName("lblProduct");
    lblProduct->setFont(uiFont("Times New Roman", 20, true));

    const char* texts[] = {"August 20, 1998", "You are using version 1.01"};
    for (int i = 0; i < int(line.size()); ++i) {
        line[i] = new QLabel(texts[i], this);
        line[i]->setObjectName(QString("line_%1").arg(i));
    }

    Line1 = new QFrame(this);
    Line1->setObjectName("Line1");
    Line1->setFrameShape(QFrame::HLine);
    Line1->setFrameShadow(QFrame::Sunken);

    auto* text = new QVBoxLayout;
    text->addWidget(lblProduct);
    text->addWidget(line[0]);
    text->addWidget(line[1]);
    text->addStretch();

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(18, 18, 18, 18);
    layout->setHorizontalSpacing(18);
    layout->addWidget(picIcon, 0, 0, Qt::AlignTop);
    layout->addLayout(text, 0, 1);
    layout->addWidget(Line1, 1, 0, 1, 2);
    layout->setRowMinimumHeight(2, 12);
    setFixedSize(sizeHint().expandedTo(QSize(360, 0)));
}

void AboutDialog::mousePressEvent(QMouseEvent*) {
    hide();
    close();
}

void AboutDialog::keyPressEvent(QKeyEvent*) {
    hide();
    close();
}

AboutDialog* showAbout(QWidget* mainWindow) { return showOnce(openAbout, mainWindow); }

AboutDialog* aboutWindow() { return openAbout.data(); }

}  // namespace qbrx
