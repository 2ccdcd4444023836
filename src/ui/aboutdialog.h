// SPDX-License-Identifier: GPL-3.0-or-later
// The About window: the logo, the date and version lines. A click anywhere
// closes it.
#pragma once

#include <QWidget>
#include <array>

class QFrame;
class QLabel;

namespace qbrx {

class LogoPicture;

class AboutDialog : public QWidget {
    Q_OBJECT
public:
    explicit AboutDialog(QWidget* parent = nullptr);

    LogoPicture* picIcon;
    QLabel* lblProduct;
    std::array<QLabel*, 2> line;  // line_0: the date, line_1: the version
    QFrame* Line1;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

// The About Quotabrix command: shows the About window modelessly in front
// of `mainWindow`, creating it when it is not loaded.
AboutDialog* showAbout(QWidget* mainWindow);
AboutDialog* aboutWindow();

}  // namespace qbrx
