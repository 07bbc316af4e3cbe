// SPDX-License-Identifier: GPL-3.0-or-later
// What the player reads, made from what the core reports: the same texts in the window
// and on the command line, in the player's language. Each names the action that ran and
// the thing in the way.
#pragma once

#include <QCoreApplication>
#include <QString>

#include "installer.h"
#include "playersets.h"

namespace kestro {

class Reports {
    Q_DECLARE_TR_FUNCTIONS(Reports)

  public:
    // Where the player is told to choose the game folder: the window's button, or the
    // command line's option.
    enum class Where { Window, CommandLine };

    // Why a file operation failed, in a few words.
    static QString describe(const Error& error);
    // The end of an install or a restore. The channel's own completion message stays as
    // it always was, in every language.
    static QString report(const Report& report, Where where);
    // Whether a report tells of something not done (a warning).
    static bool isWarning(const Report& report);
    static QString confirmRestore(const QString& folder);
    // "The game folder "X" cannot be used: ...", where nothing was to change (a listing).
    static QString unusableFolder(const std::string& folder, const Error& why);
    // The end of adding or removing a player's set; `source` is where it came from.
    static QString setOutcome(const SetOutcome& outcome, const QString& source);
    // The player's sets out of sight, as it is said whenever they are listed.
    static QString setsOutOfSight(const Error& error);
    static QString misnamedSets(const std::vector<std::pair<std::string, NameProblem>>& entries);
    static QString nameProblem(NameProblem problem);
    // Why a file of a player's set is left out, "it is empty", and the file's name.
    static QString leftOutReason(ChannelSet::LeftOut::Why why);
    static QString leftOutName(const ChannelSet::LeftOut& file);
    static QString sourceProblem(const SourceProblem& problem, const QString& source);
};

QString toQString(const std::string& text);
std::string toStd(const QString& text);

}  // namespace kestro
