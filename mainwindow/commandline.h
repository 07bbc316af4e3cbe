// SPDX-License-Identifier: GPL-3.0-or-later
// The command line: what the window's Install and Restore do, for scripts (a game
// launcher's install script, say), with the report on standard output and error and no
// window or display at all. Started with no arguments, the program opens its window.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <variant>

namespace kestro {

// Exit statuses: everything done, something not done (the report says what), a usage
// error.
enum ExitStatus { kDone = 0, kNotDone = 1, kUsage = 2 };

// What the command line asks for, one type per command.
namespace command {
struct Help {};
struct Version {};
struct List {
    std::optional<QString> gameFolder;
};
struct Install {
    QString channel;
    std::optional<QString> gameFolder;
};
struct Restore {
    std::optional<QString> gameFolder;
};
struct AddSet {
    QString source;
    std::optional<QString> name;
};
struct RemoveSet {
    QString name;
};
struct FindGame {};
struct Usage {  // not understood: why
    QString why;
};
}  // namespace command
using Command =
    std::variant<command::Help, command::Version, command::List, command::Install, command::Restore,
                 command::AddSet, command::RemoveSet, command::FindGame, command::Usage>;

// Takes the arguments (the program's name first) apart; nothing is looked at on disk.
Command parseCommandLine(const QStringList& arguments);

// Runs a command with the channel folders in `programFolder`; the exit status.
int runCommand(const Command& command, const QString& programFolder);

inline int runCommandLine(const QStringList& arguments, const QString& programFolder) {
    return runCommand(parseCommandLine(arguments), programFolder);
}

// The help text, with the usage line naming the program as "kestro".
QString helpText();

// A path the player typed, taken from the current folder when it is not a full one (a
// Windows path with its drive stays as it is).
QString fromHere(const QString& text);

}  // namespace kestro
