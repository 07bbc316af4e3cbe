// SPDX-License-Identifier: GPL-3.0-or-later
#include "commandline.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "files.h"
#include "findgame.h"
#include "findgamedialog.h"
#include "installer.h"
#include "names.h"
#include "playersets.h"
#include "reports.h"
#include "settings.h"
#include "shown.h"

namespace kestro {
namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};

void say(std::FILE* to, const QString& text) {
    const QByteArray bytes = text.toUtf8() + '\n';
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), to);
}

// Every message to standard error is the program's, and says so.
void complain(const QString& text) {
    say(stderr, QStringLiteral("kestro: ") + text);
}

int usage(const QString& why) {
    complain(why);
    say(stderr, Texts::tr("Try 'kestro --help'."));
    return kUsage;
}

// The options, described in the player's language.
struct Options {
    QCommandLineParser parser;
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")},
                            Texts::tr("Show this help and exit.")};
    QCommandLineOption version{QStringLiteral("version"), Texts::tr("Show the version and exit.")};
    QCommandLineOption list{
        QStringLiteral("list"),
        Texts::tr("List the channels; the one installed in the game folder is marked.")};
    QCommandLineOption install{QStringLiteral("install"),
                               Texts::tr("Install CHANNEL (see --list)."),
                               QStringLiteral("CHANNEL")};
    QCommandLineOption restore{QStringLiteral("restore"),
                               Texts::tr("Put the game's original files back.")};
    QCommandLineOption folder{
        QStringLiteral("game-folder"),
        Texts::tr("The game folder to list, install into or restore (default: the "
                  "stored one; never stored)."),
        QStringLiteral("PATH")};
    QCommandLineOption addSet{
        QStringLiteral("add-set"),
        Texts::tr("Add your own channel set from a folder or a .zip, .rar or .7z archive."),
        QStringLiteral("PATH")};
    QCommandLineOption name{
        QStringLiteral("name"),
        Texts::tr(
            "The name of the set --add-set adds (default: PATH's base name in "
            "capitals). Named like one of the seven sets that came with KESTRO, it takes that "
            "one's place."),
        QStringLiteral("NAME")};
    QCommandLineOption removeSet{QStringLiteral("remove-set"),
                                 Texts::tr("Remove your own channel set NAME."),
                                 QStringLiteral("NAME")};
    QCommandLineOption findGame{
        QStringLiteral("find-game"),
        Texts::tr("Print each VARNEX 2001 folder found on this computer, one a line.")};

    Options() {
        parser.setApplicationDescription(
            Texts::tr("Installs TV channel graphics into VARNEX 2001 and puts the game's own "
                      "files back.\nWithout options, opens the window."));
        parser.addOptions(
            {help, version, list, install, restore, folder, addSet, name, removeSet, findGame});
    }
};

}  // namespace

QString fromHere(const QString& text) {
    const bool drive = text.size() >= 2 && text[1] == u':' && text[0].isLetter();
    // Where the system cannot name the current folder (its path too long), Qt would take
    // the path from the root: it stays as typed and is refused as not a full path.
    const QString here = QDir::currentPath();
    return drive || QDir::isAbsolutePath(text) || !QDir::isAbsolutePath(here)
               ? text
               : QDir::cleanPath(QDir(here).absoluteFilePath(text));
}

namespace {

// The key the player meant when they gave one in another letter case.
QString didYouMean(const QString& given, const QStringList& known) {
    for (const QString& key : known)
        if (key.compare(given, Qt::CaseInsensitive) == 0)
            return Texts::tr("; did you mean %1?").arg(key);
    return {};
}

// The install and restore report what they do here instead of in message boxes.
class ConsoleObserver : public InstallObserver {
  public:
    void progress(float) override {}
    void fileStarted(const std::string&, const std::string&) override {}
    void fileDone(const FileOutcome&) override {}
    void finished(const Report& report) override {
        const QString text = Reports::report(report, Reports::Where::CommandLine);
        Reports::isWarning(report) ? complain(text) : say(stdout, text);
    }
    bool confirmRestore(const std::string&) override {
        return true;
    }  // asked by the command itself
};

// The game folder a command works on: the one given, or the stored one. With
// `noneStored` the status when nothing is stored (a command that needs none).
struct FolderText {
    std::optional<QString> text;
    int failed = -1;  // an exit status when there is none
};
FolderText gameFolderText(const std::optional<QString>& given,
                          std::optional<int> noneStored = std::nullopt) {
    if (given) return {fromHere(*given)};
    const GameFolderSetting::Stored stored = GameFolderSetting::read();
    if (!stored.problem.isEmpty()) {
        complain(Texts::tr("%1; give the game folder with --game-folder.").arg(stored.problem));
        return {std::nullopt, kNotDone};
    }
    if (stored.folder.isEmpty())
        return {std::nullopt,
                noneStored
                    ? *noneStored
                    : usage(Texts::tr("no game folder is stored; give one with --game-folder"))};
    return {stored.folder};
}

// The folder to install into or restore in, or only to look at (no action: nothing changes).
std::optional<GameFolder> openFolder(const QString& text, std::optional<Report::Action> action,
                                     const ChannelSet* channel = nullptr) {
    Result<GameFolder> folder = GameFolder::open(toStd(text));
    if (folder.ok()) return folder.value;
    if (action)
        ConsoleObserver().finished(unusableFolder(*action, toStd(text), folder.error, channel));
    else
        complain(Reports::unusableFolder(toStd(text), folder.error));
    return std::nullopt;
}

QStringList keysOf(const Catalogue& catalogue) {
    QStringList keys;
    for (const ChannelSet& set : catalogue.sets()) keys << toQString(set.key);
    return keys;
}

int report(const SetOutcome& outcome, const QString& source) {
    const QString text = Reports::setOutcome(outcome, source);
    outcome.ok() && outcome.error.ok() ? say(stdout, text) : complain(text);  // or a warning
    return outcome.ok() ? kDone : kNotDone;
}

struct Runner {
    std::filesystem::path program;
    PlayerSets sets = PlayerSets::forThisUser();

    Catalogue catalogue() const {
        if (Error e = sets.outOfSight(); !e.ok()) complain(Reports::setsOutOfSight(e));
        if (const auto misnamed = sets.misnamed(); !misnamed.empty())
            complain(Reports::misnamedSets(misnamed));
        return Catalogue(program, sets.read());
    }

    int operator()(const command::Help&) {
        std::fputs(helpText().toUtf8().constData(), stdout);
        return kDone;
    }
    int operator()(const command::Version&) {
        say(stdout, QStringLiteral("KESTRO 2001 %1").arg(QStringLiteral("1.0")));
        say(stdout, QStringLiteral("Copyright (C) 2026 Lucas Ferrer"));
        say(stdout,
            Texts::tr(
                "License GPLv3+: GNU GPL version 3 or later <https://gnu.org/licenses/gpl.html>.\n"
                "This is free software: you are free to change and redistribute it.\n"
                "There is NO WARRANTY, to the extent permitted by law."));
        return kDone;
    }
    int operator()(const command::Usage& u) { return usage(u.why); }
    int operator()(const command::List& c) {
        const Catalogue sets = catalogue();
        const ChannelSet* installed = nullptr;
        // The channels are listed all the same; a game folder that cannot be looked at for
        // the mark, given or stored, is said and leaves a status a script can see.
        const FolderText text = gameFolderText(c.gameFolder, kDone);
        int status = text.text ? kDone : text.failed;
        if (text.text) {
            if (const auto folder = openFolder(*text.text, std::nullopt))
                installed = installedChannel(*folder, sets);
            else
                status = kNotDone;
        }
        for (const ChannelSet& set : sets.sets()) {
            say(stdout,
                toQString(set.key) + (&set == installed ? Texts::tr(" (installed)") : QString()));
            for (const ChannelSet::LeftOut& file : set.leftOut)
                complain(Texts::tr("your set %1: %2 is left out: %3")
                             .arg(toQString(set.key), Reports::leftOutName(file),
                                  Reports::leftOutReason(file.why)));
            if (set.givesNothing())
                complain(Texts::tr("your set %1 holds none of the game's files as a file KESTRO "
                                   "can read, and installs nothing")
                             .arg(toQString(set.key)));
        }
        return status;
    }
    int operator()(const command::Install& c) {
        const Catalogue sets = catalogue();
        // With the player's own sets out of sight (said above), it may be one of them.
        if (!sets.find(toStd(c.channel)) && didYouMean(c.channel, keysOf(sets)).isEmpty() &&
            !Runner::sets.outOfSight().ok()) {
            complain(
                Texts::tr("'%1' is not a channel that came with KESTRO, and your own "
                          "channel sets cannot be seen")
                    .arg(visible(c.channel)) +
                Texts::tr("; the channels are %1").arg(keysOf(sets).join(QStringLiteral(", "))));
            return kNotDone;
        }
        if (!sets.find(toStd(c.channel)))
            return usage(Texts::tr("unknown channel '%1'").arg(visible(c.channel)) +
                         (didYouMean(c.channel, keysOf(sets)).isEmpty()
                              ? Texts::tr("; the channels are %1")
                                    .arg(keysOf(sets).join(QStringLiteral(", ")))
                              : didYouMean(c.channel, keysOf(sets))));
        const FolderText text = gameFolderText(c.gameFolder);
        if (!text.text) return text.failed;
        const auto folder =
            openFolder(*text.text, Report::Action::Install, sets.find(toStd(c.channel)));
        if (!folder) return kNotDone;
        ConsoleObserver observer;
        return kestro::install({toStd(c.channel), *folder}, sets, observer) ? kDone : kNotDone;
    }
    int operator()(const command::Restore& c) {
        const FolderText text = gameFolderText(c.gameFolder);
        if (!text.text) return text.failed;
        const auto folder = openFolder(*text.text, Report::Action::Restore);
        if (!folder) return kNotDone;
        ConsoleObserver observer;
        return kestro::restore(*folder, observer) ? kDone : kNotDone;
    }
    int operator()(const command::AddSet& c) {
        const QString source = fromHere(c.source);
        const QString name =
            c.name ? c.name->toUpper() : toQString(defaultSetName(toStd(source))).toUpper();
        const SetOutcome added = sets.add(utf8Path(toStd(source)), toStd(name));
        const int status = report(added, c.source);
        if (added.what == SetOutcome::What::BadName && !c.name)  // the name came from PATH
            complain(Texts::tr("give the set a name with --name"));
        return status;
    }
    int operator()(const command::RemoveSet& c) {
        if (Error e = sets.outOfSight(); !e.ok()) {  // not "no such set": none can be seen
            SetOutcome unusable;
            unusable.what = SetOutcome::What::SetsFolder;
            unusable.name = toStd(c.name);
            unusable.error = e;
            return report(unusable, {});
        }
        QStringList own;
        for (const std::string& name : sets.names()) own << toQString(name);
        if (!own.contains(c.name)) {
            std::vector<std::pair<std::string, NameProblem>> misnamed = sets.misnamed();
            std::erase_if(misnamed,
                          [&](const auto& m) { return toQString(composed(m.first)) != c.name; });
            if (!misnamed.empty()) {  // there, but no set: why, and what the player can do
                complain(Reports::misnamedSets(misnamed));
                return kNotDone;
            }
            const QString meant = didYouMean(c.name, own);  // one of theirs first
            for (const Channel& shipped : channels())
                if (const QString key = toQString(std::string(shipped.key));
                    meant.isEmpty() && key.compare(c.name, Qt::CaseInsensitive) == 0) {
                    complain(
                        Texts::tr("The %1 set came with KESTRO; it cannot be removed.").arg(key));
                    return kNotDone;
                }
            return usage(Texts::tr("you have no channel set named '%1'").arg(visible(c.name)) +
                         meant);
        }
        return report(sets.remove(toStd(c.name)), {});
    }
    int operator()(const command::FindGame&) {
        const SearchReport found = findGame(searchForThisUser());
        for (const FoundGame& game : found.found)  // a folder a line, for scripts
            say(stdout, visible(toQString(game.folder), false));
        for (const Unread& place : found.skipped)
            complain(place.why == Unread::Why::Unstorable
                         ? unreadText(place)
                         : Texts::tr("could not read %1").arg(unreadText(place)));
        if (found.stoppedEarly)
            complain(Texts::tr("the search stopped early; some places were not searched"));
        if (found.found.empty())
            complain(found.sawUnusable()
                         ? Texts::tr("no VARNEX 2001 folder that can be used was found")
                         : Texts::tr("no VARNEX 2001 folder was found"));
        return found.found.empty() ? kNotDone : kDone;
    }
};

}  // namespace

QString helpText() {
    Options options;
    QString text = options.parser.helpText();
    // The usage line names the program as a player types it, wherever it was started from.
    const QString program = QCoreApplication::arguments().value(0);
    const qsizetype at =
        program.isEmpty() ? -1 : text.left(text.indexOf(u'\n')).lastIndexOf(program);
    if (at >= 0) text.replace(at, program.size(), QStringLiteral("kestro"));
    return text;
}

Command parseCommandLine(const QStringList& arguments) {
    Options o;
    QCommandLineParser& p = o.parser;
    if (!p.parse(arguments)) return command::Usage{visible(p.errorText())};
    // Bytes that are not UTF-8 came in as U+FFFD: a path made of them names another file.
    for (const QString& argument : arguments.mid(1))
        if (argument.contains(QChar::ReplacementCharacter))
            return command::Usage{
                Texts::tr("'%1' is not UTF-8 text; give names as UTF-8, or rename the folder")
                    .arg(visible(argument))};
    if (!p.positionalArguments().isEmpty())
        return command::Usage{
            Texts::tr("unexpected argument '%1'").arg(visible(p.positionalArguments()[0]))};
    const std::initializer_list<const QCommandLineOption*> all = {
        &o.list, &o.install, &o.restore, &o.folder, &o.addSet, &o.name, &o.removeSet, &o.findGame};
    for (const QCommandLineOption* option : all) {
        const QString shown = QStringLiteral("--") + option->names().constLast();
        // The last one silently winning would hide a script's mistake.
        if (p.optionNames().count(option->names().constLast()) > 1)
            return command::Usage{Texts::tr("%1 is given more than once").arg(shown)};
        if (!option->valueName().isEmpty() && p.isSet(*option) && p.value(*option).isEmpty())
            return command::Usage{Texts::tr("%1 needs a value").arg(shown)};
    }
    if (p.isSet(o.help)) return command::Help{};
    if (p.isSet(o.version)) return command::Version{};
    const int actions = p.isSet(o.list) + p.isSet(o.install) + p.isSet(o.restore) +
                        p.isSet(o.addSet) + p.isSet(o.removeSet) + p.isSet(o.findGame);
    if (actions != 1)  // none (--game-folder alone, say) or several: what there is to give
        return command::Usage{
            Texts::tr("give one of --list, --install, --restore, --add-set, "
                      "--remove-set, --find-game")};
    if (p.isSet(o.name) && !p.isSet(o.addSet))
        return command::Usage{Texts::tr("--name goes with --add-set")};
    const bool withFolder = p.isSet(o.list) || p.isSet(o.install) || p.isSet(o.restore);
    if (p.isSet(o.folder) && !withFolder)
        return command::Usage{Texts::tr("--game-folder goes with --list, --install or --restore")};
    const auto folder =
        p.isSet(o.folder) ? std::optional<QString>(p.value(o.folder)) : std::nullopt;
    if (p.isSet(o.list)) return command::List{folder};
    // A key typed with its accent apart names the set listed with it whole.
    const auto key = [&](const QCommandLineOption& option) {
        return QString::fromStdString(composed(p.value(option).toStdString()));
    };
    if (p.isSet(o.install)) return command::Install{key(o.install), folder};
    if (p.isSet(o.restore)) return command::Restore{folder};
    if (p.isSet(o.removeSet)) return command::RemoveSet{key(o.removeSet)};
    if (p.isSet(o.findGame)) return command::FindGame{};
    return command::AddSet{p.value(o.addSet), p.isSet(o.name)
                                                  ? std::optional<QString>(p.value(o.name))
                                                  : std::nullopt};
}

int runCommand(const Command& command, const QString& programFolder) {
    const int status =
        std::visit(Runner{utf8Path(toStd(QDir::toNativeSeparators(programFolder)))}, command);
    // A report a script never got (the disk full, say) leaves it nothing to go by.
    errno = 0;
    if (std::fflush(stdout) == 0 && !std::ferror(stdout)) return status;
    const int why = errno ? errno : EIO;  // the write that failed was an earlier one
    // Whether the command did its work, the status no longer tells: the message does.
    complain(Texts::tr("its report could not be written to standard output (%1)")
                 .arg(QString::fromLocal8Bit(std::strerror(why))) +
             (status == kDone ? Texts::tr("; what was asked was done") : QString()));
    return status == kDone ? kNotDone : status;
}

}  // namespace kestro
