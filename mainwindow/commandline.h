// SPDX-License-Identifier: GPL-3.0-or-later
// The command line: what the window's Install and Restore do, for scripts (a game
// launcher's install script, say), with the report on standard output and error and
// no window or display at all. Started with no arguments, the program opens its window.
#pragma once

#include <QStringList>

namespace kestro {

// Exit statuses: everything done, something not done (the report says what), a usage
// error.
enum ExitStatus { kDone = 0, kNotDone = 1, kUsage = 2 };

// Runs the command line `arguments` (the program's name first) with the channel
// folders in `programFolder`; the exit status.
int runCommandLine(const QStringList& arguments, const QString& programFolder);

}  // namespace kestro
