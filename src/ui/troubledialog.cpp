// SPDX-License-Identifier: GPL-3.0-or-later
#include "troubledialog.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPointer>
#include <QVBoxLayout>

#include "splashscreen.h"
#include "uifonts.h"

namespace qbrx {

namespace {

QPointer<TroubleDialog> openTrouble;

const char* const kAdvice =
    "If Quotabrix stops working properly (it will not start, a window stays empty, or the "
    "dictionary cannot be found) and you have no backup copy of the program, install a fresh "
    "copy from the original installation package or disk you received it on, over the old one. "
    "Reinstalling does not touch your puzzle files (.dat), but copy them to a safe place first "
    "all the same. If the dictionary is still missing afterwards, delete the preferences file "
    "qbrx.ini. Quotabrix looks for it first in the program's own folder (beside the quotabrix "
    "program) and then in ~/.config/quotabrix/ (in $XDG_CONFIG_HOME/quotabrix/ when that is "
    "set); delete it from both. At the next start an installed copy takes the word list "
    "installed with it (such as /usr/share/quotabrix/). When there is none, Quotabrix asks you "
    "where words.dic is and writes a new qbrx.ini: into ~/.config/quotabrix/ for an installed "
    "copy; beside the program for one started from its build folder, or into "
    "~/.config/quotabrix/ when it cannot write there.";

}  // namespace

TroubleDialog::TroubleDialog(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("frmTrouble");
    setWindowTitle("Having Trouble?");
    setAttribute(Qt::WA_DeleteOnClose);

    lblHeading = new QLabel("Having Trouble?", this);
    lblHeading->setObjectName("lblHeading");
    lblHeading->setFont(uiFont("MS Sans Serif", 13.5, true));

    lblAdvice = new QLabel(kAdvice, this);
    lblAdvice->setObjectName("lblAdvice");
    lblAdvice->setWordWrap(true);
    lblAdvice->setFont(uiFont("MS Sans Serif", 9.75));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 14, 18, 18);
    layout->setSpacing(10);
    layout->addWidget(lblHeading);
    layout->addWidget(lblAdvice);
    setFixedWidth(420);
    setFixedHeight(heightForWidth(420) > 0 ? heightForWidth(420) : sizeHint().height());
}

void TroubleDialog::mousePressEvent(QMouseEvent*) { close(); }

void TroubleDialog::keyPressEvent(QKeyEvent*) { close(); }

TroubleDialog* showTrouble(QWidget* mainWindow) { return showOnce(openTrouble, mainWindow); }

TroubleDialog* troubleWindow() { return openTrouble.data(); }

}  // namespace qbrx
