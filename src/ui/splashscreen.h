// SPDX-License-Identifier: GPL-3.0-or-later
// The splash window shown while the program starts, and the logo picture
// that it shares with the About window.
#pragma once

#include <QPointer>
#include <QWidget>

class QFrame;
class QLabel;
class QSvgRenderer;
class QTimer;

namespace qbrx {

// The program's logo, drawn from its SVG at any size. With rocking on it
// sways gently while it is visible.
class LogoPicture : public QWidget {
    Q_OBJECT
public:
    explicit LogoPicture(QWidget* parent = nullptr);
    QSize sizeHint() const override;
    void setRocking(bool on);
    bool isRocking() const { return rocking_; }
    double angle() const { return angle_; }
    bool hasPicture() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void step();
    // The logo is read when it is first needed: the splash and the grid
    // window are built before the main window shows, but paint later.
    QSvgRenderer& renderer() const;
    mutable QSvgRenderer* renderer_ = nullptr;
    QTimer* timer_;
    bool rocking_ = false;
    int phase_ = 0;
    double angle_ = 0.0;
};

class SplashScreen : public QWidget {
    Q_OBJECT
public:
    explicit SplashScreen(QWidget* parent = nullptr);

    LogoPicture* Image1;
    QLabel* lblProduct;
    QLabel* lblTagLine;
    QFrame* Line1;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

// Shows the splash window in the middle of the screen (creating it when it
// is not loaded) and returns it.
SplashScreen* showSplash();
// The end of start-up: the splash goes away if the user has not already
// closed it with a click or a key.
void hideSplash();

// Centres a small information window over the main window's frame.
void centreOver(QWidget* window, const QWidget* mainWindow);

// Shows the one window of its kind (`open` holds it while it is loaded)
// modelessly in front of `mainWindow`, creating it centred over the main
// window when it is not loaded, and returns it.
template <class Window>
Window* showOnce(QPointer<Window>& open, QWidget* mainWindow) {
    if (!open) {
        open = new Window(mainWindow);
        centreOver(open, mainWindow);
    }
    open->show();
    open->raise();
    open->activateWindow();
    return open.data();
}
// The splash window while it is loaded, else nullptr.
SplashScreen* splashWindow();

}  // namespace qbrx
