// SPDX-License-Identifier: GPL-3.0-or-later
// Ends the application once `widget` has painted: the moment a window is on screen.
// That moment (steady clock, nanoseconds) goes to standard output, so the parent can
// time start-up without the child's teardown.
#pragma once

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <cstdio>

class QuitOnFirstPaint : public QObject {
  public:
    explicit QuitOnFirstPaint(QWidget* widget) { widget->installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* event) override {
        // The window paints itself first and its controls after; the zero timer runs
        // once the whole window is painted and flushed.
        if (event->type() == QEvent::Paint && !painted_) {
            painted_ = true;
            QTimer::singleShot(0, qApp, [] {
                const auto now = std::chrono::steady_clock::now().time_since_epoch();
                std::printf("%lld\n",
                            static_cast<long long>(std::chrono::nanoseconds(now).count()));
                std::fflush(stdout);
                QApplication::quit();
            });
        }
        return false;
    }

  private:
    bool painted_ = false;
};
