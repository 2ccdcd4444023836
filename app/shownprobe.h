// SPDX-License-Identifier: GPL-3.0-or-later
// The start-up measurement (bench/startup.sh): with QBRX_EXIT_WHEN_SHOWN in
// the environment, once the watched window has first been exposed on the
// screen and painted, the program prints the wall-clock time (nanoseconds
// since the epoch) on standard output and leaves its event loop. Without the
// variable nothing is watched.
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace qbrx {

class ShownProbe final : public QObject {
public:
    // Watches the top-level `window` when the environment asks for it.
    static void watch(QWidget& window) {
        if (std::getenv("QBRX_EXIT_WHEN_SHOWN") == nullptr) return;
        window.winId();  // the native window, whose exposure is watched
        window.windowHandle()->installEventFilter(new ShownProbe(&window));
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Expose && !done_) {
            done_ = true;
            // The window paints while this exposure is handled; the time is
            // taken once that is done.
            QTimer::singleShot(0, this, [] {
                const auto now = std::chrono::system_clock::now().time_since_epoch();
                std::printf("%lld\n", static_cast<long long>(
                                          std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
                std::fflush(stdout);
                QCoreApplication::exit(0);
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    explicit ShownProbe(QObject* parent) : QObject(parent) {}
    bool done_ = false;
};

}  // namespace qbrx
