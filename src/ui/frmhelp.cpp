#include "frmhelp.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPointer>
#include <QScrollBar>
#include <QTextBrowser>

#include "helptopics.h"
#include "text.h"

namespace qbrx {

namespace {

QPointer<frmHelp> openHelp;

// Screen lengths are given in twips; 15 twips make one pixel.
int twipsToPixels(int twips)
{
    return qRound(twips / 15.0);
}

QString fromCp1252(const std::string& bytes)
{
    return QString::fromStdString(cp1252ToUtf8(bytes));
}

}  // namespace

frmHelp::frmHelp(QWidget* parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName("frmHelp");
    setWindowTitle(QString(93, QLatin1Char(' ')) + "Help");
    setAttribute(Qt::WA_DeleteOnClose);

    if (helpTitle[1].empty())
        MakeHelp();

    lstHelp = new QListWidget(this);
    lstHelp->setObjectName("lstHelp");
    lstHelp->setAccessibleName("Help Topics");
    txtHelp = new QTextBrowser(this);
    txtHelp->setObjectName("txtHelp");
    txtHelp->setAccessibleName("Help Text");
    txtHelp->setOpenLinks(false);

    for (int i = 1; i <= kHelpTopics; ++i)
        lstHelp->addItem(fromCp1252(helpTitle[i]));
    // Wide enough for the longest title beside the scroll bar.
    lstHelp->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    lstHelp->setFixedWidth(lstHelp->sizeHintForColumn(0) + 2 * lstHelp->frameWidth()
                           + lstHelp->verticalScrollBar()->sizeHint().width() + 8);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(lstHelp);
    layout->addWidget(txtHelp, 1);
    resize(lstHelp->width() + twipsToPixels(6000), twipsToPixels(5400));

    connect(lstHelp, &QListWidget::currentRowChanged, this, &frmHelp::showTopic);
    lstHelp->setCurrentRow(0);
    showTopic(0);
}

void frmHelp::showTopic(int row)
{
    if (row < 0 || row >= kHelpTopics)
        return;
    txtHelp->setPlainText(fromCp1252(helpBody[row + 1]));
}

void frmHelp::placeBeside(const QWidget* mainWindow)
{
    if (!mainWindow)
        return;
    const QRect frame = mainWindow->frameGeometry();
    move(frame.left() + twipsToPixels(200), frame.top() + twipsToPixels(1010));
}

frmHelp* frmHelp::instance()
{
    return openHelp.data();
}

frmHelp* showHelp(QWidget* mainWindow)
{
    if (!openHelp)
        openHelp = new frmHelp(mainWindow);
    openHelp->placeBeside(mainWindow);
    openHelp->show();
    openHelp->raise();
    openHelp->activateWindow();
    return openHelp.data();
}

}  // namespace qbrx
