// SPDX-License-Identifier: GPL-3.0-or-later
#include "helpwindow.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPointer>
#include <QScrollBar>
#include <QShortcut>
#include <QTextBrowser>

#include "helptopics.h"
#include "qttext.h"

namespace qbrx {

namespace {

QPointer<HelpWindow> openHelp;

// Screen lengths are given in twips; 15 twips make one pixel.
int twipsToPixels(int twips) { return qRound(twips / 15.0); }

}  // namespace

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("frmHelp");
    setWindowTitle(QString(93, QLatin1Char(' ')) + "Help");
    setAttribute(Qt::WA_DeleteOnClose);
    // Esc closes the window, as its close box does.
    new QShortcut(QKeySequence(Qt::Key_Escape), this, this, &QWidget::close);

    if (helpTitle[1].empty()) makeHelp();

    lstHelp = new QListWidget(this);
    lstHelp->setObjectName("lstHelp");
    lstHelp->setAccessibleName("Help Topics");
    txtHelp = new QTextBrowser(this);
    txtHelp->setObjectName("txtHelp");
    txtHelp->setAccessibleName("Help Text");
    txtHelp->setOpenLinks(false);

    // The contents come first: every topic's title, each a link to it.
    lstHelp->addItem(QString::fromLatin1(kContentsTitle));
    for (int i = 1; i <= kHelpTopics; ++i) lstHelp->addItem(screenText(helpTitle[i]));
    // Wide enough for the longest title beside the scroll bar.
    lstHelp->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    lstHelp->setFixedWidth(lstHelp->sizeHintForColumn(0) + 2 * lstHelp->frameWidth() +
                           lstHelp->verticalScrollBar()->sizeHint().width() + 8);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(lstHelp);
    layout->addWidget(txtHelp, 1);
    resize(lstHelp->width() + twipsToPixels(6000), twipsToPixels(5400));

    connect(lstHelp, &QListWidget::currentRowChanged, this, &HelpWindow::showTopic);
    connect(txtHelp, &QTextBrowser::anchorClicked, this,
            [this](const QUrl& link) { lstHelp->setCurrentRow(link.fragment().toInt()); });
    lstHelp->setCurrentRow(0);
    showTopic(0);
}

void HelpWindow::showTopic(int row) {
    if (row < 0 || row > kHelpTopics) return;
    if (row > 0) {
        txtHelp->setPlainText(screenText(helpBody[row]));
        return;
    }
    QString contents = QStringLiteral("<p>Choose a topic here or in the list.</p>");
    for (int i = 1; i <= kHelpTopics; ++i)
        contents += QStringLiteral("<div><a href=\"#%1\">%2</a></div>")
                        .arg(i)
                        .arg(screenText(helpTitle[i]).toHtmlEscaped());
    txtHelp->setHtml(contents);
}

void HelpWindow::placeBeside(const QWidget* mainWindow) {
    if (!mainWindow) return;
    const QRect frame = mainWindow->frameGeometry();
    move(frame.left() + twipsToPixels(200), frame.top() + twipsToPixels(1010));
}

HelpWindow* HelpWindow::instance() { return openHelp.data(); }

HelpWindow* showHelp(QWidget* mainWindow) {
    if (!openHelp) openHelp = new HelpWindow(mainWindow);
    openHelp->placeBeside(mainWindow);
    openHelp->show();
    openHelp->raise();
    openHelp->activateWindow();
    return openHelp.data();
}

}  // namespace qbrx
