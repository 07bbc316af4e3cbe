// Ends the application once `widget` has painted: the moment a window is on screen.
#pragma once

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

class QuitOnFirstPaint : public QObject {
  public:
    explicit QuitOnFirstPaint(QWidget* widget) { widget->installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) QTimer::singleShot(0, qApp, &QApplication::quit);
        return false;
    }
};
