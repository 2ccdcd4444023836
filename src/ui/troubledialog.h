// SPDX-License-Identifier: GPL-3.0-or-later
// The "Having Trouble?" window: a heading and one paragraph on getting a
// fresh copy of the program. A click on the window or on either text
// closes it.
#pragma once

#include <QWidget>

class QLabel;

namespace qbrx {

class TroubleDialog : public QWidget {
    Q_OBJECT
public:
    explicit TroubleDialog(QWidget* parent = nullptr);

    QLabel* lblHeading;
    QLabel* lblAdvice;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

// The Having Trouble? command: shows the window modelessly in front of
// `mainWindow`, creating it when it is not loaded.
TroubleDialog* showTrouble(QWidget* mainWindow);
TroubleDialog* troubleWindow();

}  // namespace qbrx
