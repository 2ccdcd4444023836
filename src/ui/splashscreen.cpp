// SPDX-License-Identifier: GPL-3.0-or-later
#include "splashscreen.h"

#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QScreen>
#include <QSvgRenderer>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <numbers>

#include "uifonts.h"

// The logo lives in a resource file compiled into the static ui library;
// naming its initialiser keeps the linker from dropping it.
static void initLogoResource() { Q_INIT_RESOURCE(logo); }

namespace qbrx {

namespace {

QPointer<SplashScreen> openSplash;

constexpr int kRockInterval = 60;     // milliseconds per animation step
constexpr int kRockPeriod = 80;       // steps per full sway
constexpr double kRockDegrees = 8.0;  // largest tilt either way

}  // namespace

LogoPicture::LogoPicture(QWidget* parent) : QWidget(parent) {
    timer_ = new QTimer(this);
    timer_->setInterval(kRockInterval);
    connect(timer_, &QTimer::timeout, this, &LogoPicture::step);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

QSize LogoPicture::sizeHint() const { return {96, 96}; }

QSvgRenderer& LogoPicture::renderer() const {
    if (!renderer_) {
        static const bool loaded = (initLogoResource(), true);
        (void)loaded;
        renderer_ = new QSvgRenderer(QStringLiteral(":/qbrx/logo.svg"), const_cast<LogoPicture*>(this));
    }
    return *renderer_;
}

bool LogoPicture::hasPicture() const { return renderer().isValid(); }

void LogoPicture::setRocking(bool on) {
    rocking_ = on;
    if (on && isVisible()) timer_->start();
    if (!on) {
        timer_->stop();
        angle_ = 0.0;
        update();
    }
}

void LogoPicture::step() {
    phase_ = (phase_ + 1) % kRockPeriod;
    angle_ = kRockDegrees * std::sin(2.0 * std::numbers::pi * phase_ / kRockPeriod);
    update();
}

void LogoPicture::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (rocking_) timer_->start();
}

void LogoPicture::hideEvent(QHideEvent* event) {
    timer_->stop();
    QWidget::hideEvent(event);
}

void LogoPicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    // Leave room for the corners when the picture is tilted.
    const double side = std::min(width(), height()) * (rocking_ ? 0.86 : 1.0);
    painter.translate(width() / 2.0, height() / 2.0);
    painter.rotate(angle_);
    renderer().render(&painter, QRectF(-side / 2, -side / 2, side, side));
}

SplashScreen::SplashScreen(QWidget* parent) : QWidget(parent, Qt::Window | Qt::FramelessWindowHint) {
    setObjectName("frmSplash");
    setWindowTitle(QString());
    setAttribute(Qt::WA_DeleteOnClose);
    setFocusPolicy(Qt::StrongFocus);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    pal.setColor(QPalette::WindowText, Qt::black);
    setPalette(pal);

    Image1 = new LogoPicture(this);
    Image1->setObjectName("Image1");
    Image1->setFixedSize(128, 128);

    lblProduct = new QLabel("Quotabrix", this);
    lblProduct->setObjectName("lblProduct");
    lblProduct->setFont(uiFont("Times New Roman", 24, true));
    lblProduct->setAlignment(Qt::AlignCenter);

    Line1 = new QFrame(this);
    Line1->setObjectName("Line1");
    Line1->setFrameShape(QFrame::HLine);
    Line1->setFrameShadow(QFrame::Sunken);

    lblTagLine = new QLabel("Quotation Puzzle Development Tool", this);
    lblTagLine->setObjectName("lblTagLine");
    QFont tagFont = uiFont("Arial", 12);
    tagFont.setItalic(true);
    lblTagLine->setFont(tagFont);
    lblTagLine->setAlignment(Qt::AlignCenter);

    // Fixed places, worked out for these fonts: the splash is up while the
    // program starts, mostly too briefly to be drawn, and showing it then
    // measures no text.
    setFixedSize(400, 263);
    Image1->setGeometry(136, 24, 128, 128);
    lblProduct->setGeometry(36, 162, 328, 36);
    Line1->setGeometry(36, 208, 328, 3);
    lblTagLine->setGeometry(36, 221, 328, 18);
}

// A click anywhere on the splash, its picture and texts included, closes it,
// as a key does.
void SplashScreen::mousePressEvent(QMouseEvent*) { close(); }

void SplashScreen::keyPressEvent(QKeyEvent*) { close(); }

void SplashScreen::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    // Without a title bar the window draws its own border.
    QPainter painter(this);
    painter.setPen(QPen(Qt::black, 2));
    painter.drawRect(rect().adjusted(1, 1, -1, -1));
}

SplashScreen* showSplash() {
    if (!openSplash) openSplash = new SplashScreen;
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect area = screen->availableGeometry();
        QRect frame = openSplash->frameGeometry();
        frame.moveCenter(area.center());
        openSplash->move(frame.topLeft());
    }
    openSplash->show();
    openSplash->raise();
    openSplash->activateWindow();
    return openSplash.data();
}

void hideSplash() {
    if (openSplash) openSplash->close();
}

SplashScreen* splashWindow() { return openSplash.data(); }

void centreOver(QWidget* window, const QWidget* mainWindow) {
    if (!mainWindow) return;
    QRect frame = window->frameGeometry();
    frame.moveCenter(mainWindow->frameGeometry().center());
    window->move(frame.topLeft());
}

}  // namespace qbrx
