// SPDX-License-Identifier: GPL-3.0-or-later
// Where the Quote Grid window opens: beside the main window wherever the
// main window goes (the window manager places it after it is shown), never
// over its menu bar, and left where the author puts it. Run on a
// 1920x1080 screen, and again at 1.5 times the scale.
#include "mainwindowfixture.h"
#include "quotegridwindow.h"

using namespace qbrx;
using namespace Qt::StringLiterals;

class TestGridPlacement : public QObject, test::MainWindowFixture {
    Q_OBJECT

    QPoint gridOffset() const {
        return form->gridWindow()->frameGeometry().topLeft() - form->frameGeometry().topLeft();
    }
    int menuBarBottom() const {
        const QMenuBar* bar = form->menuBar();
        return bar->mapToGlobal(QPoint(0, bar->height())).y();
    }

private slots:
    void init() { QVERIFY(start()); }
    void cleanup() { form.reset(); }

    // A menu bar taller than usual (a large font, like a larger scale) is
    // still not covered.
    void gridOpensBelowTheMenuBarAndFollowsUntilTheAuthorMovesIt() {
        // 1920 device pixels wide, at either scale.
        QCOMPARE(form->screen()->geometry().width() * form->screen()->devicePixelRatio(), 1920.0);
        QFont large = form->menuBar()->font();
        large.setPixelSize(90);
        form->menuBar()->setFont(large);
        QTRY_VERIFY(form->menuBar()->height() > 80);
        registerQuote(u"Less is more."_s);
        QuoteGridWindow* grid = form->gridWindow();
        QVERIFY(grid->isVisible());
        QVERIFY(grid->frameGeometry().top() >= menuBarBottom());
        QVERIFY(grid->frameGeometry().bottom() < form->screen()->availableGeometry().bottom());
        const QPoint offset = gridOffset();
        QCOMPARE(offset.x(), 13);

        form->move(form->pos() + QPoint(480, 160));
        QTRY_COMPARE(gridOffset(), offset);

        const QPoint put = grid->pos() + QPoint(40, 30);
        grid->move(put);
        form->move(form->pos() - QPoint(100, 0));
        QTest::qWait(20);
        QCOMPARE(grid->pos(), put);
    }
};

QTEST_MAIN(TestGridPlacement)
#include "test_gridplacement.moc"
