// SPDX-License-Identifier: GPL-3.0-or-later
// Started with no display to open the window on, the program says so in one line and
// ends with status 1, rather than aborting with Qt's advice to reinstall it.
#pragma once

#include <QString>

namespace kestro {

// Holds Qt's messages back from its construction until found() while the application
// connects to its display; with none, says `line` and ends. The line comes already in the
// player's language: no translator can be installed before the application exists.
class DisplayCheck {
  public:
    explicit DisplayCheck(const QString& line);
    DisplayCheck(const DisplayCheck&) = delete;
    DisplayCheck& operator=(const DisplayCheck&) = delete;
    // The application is up: the held messages go out as usual.
    void found();
};

}  // namespace kestro
