// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up work that can run beside the application's own setup. One implementation
// per platform (startup_posix.cpp, startup_win.cpp).
#pragma once

#include <thread>

namespace kestro {

// Loads the system's font configuration on a second thread while the application
// connects to the display, so that the window's first text does not wait for it.
// Start it before the QApplication; wait() before building the first window.
class FontWarmUp {
  public:
    FontWarmUp();
    ~FontWarmUp();
    FontWarmUp(const FontWarmUp&) = delete;
    FontWarmUp& operator=(const FontWarmUp&) = delete;

    void wait();

  private:
    std::thread worker_;
};

}  // namespace kestro
