// SPDX-License-Identifier: GPL-3.0-or-later
#include "reports.h"

#include <QStringList>
#include <algorithm>
#include <cerrno>

#include "shown.h"

namespace kestro {
namespace {

using Kind = FileOutcome::Kind;
using Stage = FileOutcome::Stage;
using What = StoreDamage::What;

QString quoted(const std::string& text) {
    return QStringLiteral("\"%1\"").arg(visible(toQString(text)));
}

// The first lines of a long list, and how many more: thousands are still one message.
QStringList firstNamed(QStringList lines) {
    constexpr qsizetype kNamed = 20;
    if (lines.size() > kNamed) {
        const int more = static_cast<int>(lines.size() - kNamed);
        lines.resize(kNamed);
        lines << Reports::tr("and %n more", nullptr, more);
    }
    return lines;
}

QStringList toQStrings(const std::vector<std::string>& texts) {
    QStringList lines;
    for (const std::string& text : texts) lines << toQString(text);
    return lines;
}

QString list(const QStringList& lines) {
    return lines.isEmpty() ? QStringLiteral("\n  ") + Reports::tr("(none)")
                           : QStringLiteral("\n  ") + lines.join(QStringLiteral("\n  "));
}

// The channel's own file, where known, is named: the player may have moved or changed it.
QString sourceNamed(const QString& text, const QString& file) {
    return file.isEmpty() ? text : QStringLiteral("%1 (%2)").arg(text, file);
}

}  // namespace

QString toQString(const std::string& text) {
    return QString::fromStdString(text);
}

std::string toStd(const QString& text) {
    return text.toStdString();
}

QString Reports::describe(const Error& error) {
    const QString subject = visible(toQString(error.subject));
    switch (error.code) {
        case ErrorCode::None:
            return tr("done");
        case ErrorCode::PathEmpty:
            return tr("no folder is set");
        case ErrorCode::PathRelative:
            return tr("the path is not a full path (it has no drive or root)");
        case ErrorCode::PathInvalid:
            return tr("the path is not valid");
        case ErrorCode::DriveMissing:
            return tr("the drive is not available");
        case ErrorCode::Missing:
        case ErrorCode::FolderMissing:
            return tr("the folder was not found");
        case ErrorCode::AlreadyExists:
            return tr("it already exists");
        case ErrorCode::SourceMissing:
            return sourceNamed(tr("the channel's file is missing"), subject);
        case ErrorCode::SourceNotAFile:
            return sourceNamed(tr("the channel's file is not a regular file"), subject);
        case ErrorCode::SourceUnreadable:
            return sourceNamed(tr("the channel's file cannot be read"), subject);
        case ErrorCode::SourceEmpty:
            return sourceNamed(tr("the channel's file is empty"), subject);
        case ErrorCode::SourceTooLarge:
            return sourceNamed(tr("the channel's file is larger than 64 MiB"), subject);
        case ErrorCode::IsFolder:
            return tr("a folder of that name is in the way");
        case ErrorCode::NotAFile:
            return tr("something other than a plain file is in its place");
        case ErrorCode::NotAFolder:
            return subject.isEmpty() ? tr("it is not a folder")
                                     : tr("%1 is not a folder").arg(subject);
        case ErrorCode::Link:
            return tr("%1 is a link to another place; KESTRO does not write through links")
                .arg(subject.isEmpty() ? tr("it") : subject);
        case ErrorCode::ReadOnly:
            return tr("the game file is read-only");
        case ErrorCode::PermissionDenied:
            return subject.isEmpty() ? tr("permission denied")
                                     : tr("permission denied for %1").arg(subject);
        case ErrorCode::ReadOnlyDisk:
            return tr("the disk is read-only");
        case ErrorCode::DiskFull:
            return tr("the disk is full");
        case ErrorCode::TooLarge:
            return tr("the file is too large");
        case ErrorCode::InUse:
            return tr("the file is in use (is the game running?)");
        case ErrorCode::PathTooLong:
            return tr("the path is too long");
        case ErrorCode::Locked:
            return tr("KESTRO is installing or restoring there already");
        case ErrorCode::Cancelled:
            return tr("it was stopped");
        case ErrorCode::Damaged:
            return tr("\"KESTRO backup\" is damaged");
        case ErrorCode::KeptChanged:
            return tr(
                "its copy in \"KESTRO backup\" was changed since it was kept, so it was "
                "left as it is");
        case ErrorCode::InStore:  // the folder itself, found by its name or the store's files
            return subject.isEmpty()
                       ? tr("it is a \"KESTRO backup\" folder, or lies in one: it or a folder "
                            "above it is named so, or holds KESTRO's kestro.lock or state.txt")
                       : tr("%1 is part of \"KESTRO backup\", where KESTRO keeps the game's own "
                            "files")
                             .arg(subject);
        case ErrorCode::Foreign:  // the store, or its state file, another account made
            return tr("%1 was made by another user account, and KESTRO trusts only what your "
                      "own account kept there")
                .arg(subject.isEmpty() ? QStringLiteral("\"KESTRO backup\"") : subject);
        case ErrorCode::GameData:
            return tr("it is the game's DATA folder; the game folder is the one that holds it");
        case ErrorCode::Other:
            break;
    }
    return toQString(std::system_category().message(error.system));
}

namespace {

QString damage(const StoreDamage& d) {
    const QString file = toQString(std::string(kGameFiles[d.slot].name));
    switch (d.what) {
        case What::StoreNotAFolder:
            return Reports::tr("it is not a plain folder");
        case What::LockNotAFile:
            return Reports::tr("its lock file is not a plain file");
        case What::StateNotAFile:
            return Reports::tr("its state file is not a plain file");
        case What::StateTooLarge:
            return Reports::tr("its state file is larger than 64 KiB");
        case What::StateUnreadable:
            return Reports::tr("its state file cannot be read (%1)")
                .arg(Reports::describe(d.error));
        case What::StateNotUnderstood:
            return d.line ? Reports::tr("line %1 of its state file is not understood").arg(d.line)
                          : Reports::tr("its state file was cut short or changed by hand");
        case What::KeptNotRecorded:
            return Reports::tr("it holds a kept %1, but its state file does not record one")
                .arg(file);
        case What::RecordedNotKept:
            return Reports::tr(
                       "its state file says %1 is kept, but the kept copy is missing or "
                       "not the one kept")
                .arg(file);
        case What::KeptNotAFile:
            return Reports::tr("where its kept %1 belongs there is a link, a folder or the like")
                .arg(file);
        case What::IntentContradicts:
            return Reports::tr(
                       "its state file notes %1 being put back, but not as the copy it keeps")
                .arg(file);
        case What::FolderNotAFolder:
            return Reports::tr("%1 in it is not a folder").arg(quoted(d.error.subject));
        case What::TwoStores:
            return Reports::tr(
                       "the game folder holds both %1 and %2, names that differ only in letter "
                       "case")
                .arg(quoted(d.error.subject), quoted(d.other));
        case What::TwoSpellings:
        case What::TwoCopies:
            return Reports::tr("it holds both %1 and %2, names that differ only in letter case")
                .arg(quoted(d.error.subject), quoted(d.other));
        case What::None:
            break;
    }
    return {};
}

QString reason(const FileOutcome& o) {
    const QString why = Reports::describe(o.error);
    switch (o.stage) {
        case Stage::Keep:
            return Reports::tr("its original could not be kept (%1), so it was left as it was")
                .arg(why);
        case Stage::Note:
            return Reports::tr(
                       "it could not be noted in \"KESTRO backup\" (%1), so it was left as it was")
                .arg(why);
        default:  // a game file that is a link, to install over: what to do instead
            return o.error.code == ErrorCode::Link && o.kind == FileOutcome::Kind::NotReplaced
                       ? Reports::tr(
                             "%1; to go on, replace the link with a copy of the file it "
                             "leads to")
                             .arg(why)
                       : why;
    }
}

QString installReport(const Report& r) {
    QStringList failed, replaced, aside;
    for (const FileOutcome& o : r.files) {
        if (o.done())
            replaced << toQString(o.shown);
        else
            failed << toQString(o.shown) + QStringLiteral(": ") + reason(o);
        if (!o.setAside.empty()) aside << toQString(o.setAside);
    }
    aside << toQStrings(r.alsoSetApart);
    for (const ChannelSet::LeftOut& file : r.channel->leftOut)
        failed << Reports::tr("%1 of your set: %2, so it was left out")
                      .arg(Reports::leftOutName(file), Reports::leftOutReason(file.why));
    if (r.channel->givesNothing())
        failed << Reports::tr(
            "Your set holds none of the game's files as a file KESTRO can read, so there was "
            "nothing to install");
    // The channel's own message, as it always was; what was kept apart is never left unsaid.
    QString text = r.kind == Report::Kind::Done
                       ? toQString(std::string(r.channel->completionMessage))
                       : Reports::tr(
                             "The channel %1 was not installed completely.\n\nNot "
                             "replaced:%2\n\nReplaced:%3")
                             .arg(toQString(r.channel->key), list(failed), list(replaced));
    if (!aside.isEmpty())
        text += QStringLiteral("\n\n") +
                Reports::tr(
                    "Kept apart in \"KESTRO backup\" (older versions of the game's own files that "
                    "newer ones replaced, or files whose owner KESTRO could not tell), to put back "
                    "by hand if you want them:%1")
                    .arg(list(aside));
    return text;
}

// What this run set apart: files of unknown owner in a kept copy's or a game file's place, or
// left beside one under the program's temporary names.
QString apartNow(const QStringList& lines) {
    if (lines.isEmpty()) return {};
    return QStringLiteral("\n\n") + Reports::tr(
                                        "Files KESTRO found in the game folder, whose owner "
                                        "it could not tell, were kept apart:%1")
                                        .arg(list(lines));
}

// What earlier runs set apart in the store (this run's are said with its files): the player
// who restores may want one of them back.
QString earlierApart(const Report& r, const QStringList& thisRun) {
    QStringList earlier;
    for (const std::string& shown : r.keptApart)
        if (!thisRun.contains(toQString(shown))) earlier << toQString(shown);
    if (earlier.isEmpty()) return {};
    return QStringLiteral("\n\n") +
           Reports::tr(
               "Kept apart in \"KESTRO backup\" by earlier runs (older versions of the game's own "
               "files that newer ones replaced, or files whose owner KESTRO could not tell), to "
               "put back by hand if you want them:%1")
               .arg(list(firstNamed(earlier)));  // years of patches are still one message
}

QString restoreReport(const Report& r) {
    QStringList failed, restored, removed, aside, untidied;
    for (const FileOutcome& o : r.files) {
        const QString file = toQString(o.shown);
        if (o.kind == Kind::NotRestored && o.stage == Stage::Tidy) {  // back all the same
            restored << file;
            untidied << file + QStringLiteral(": ") + Reports::describe(o.error);
        } else if (o.kind == Kind::LeftChanged)
            failed << file + QStringLiteral(": ") +
                          (o.keptAt.empty()
                               ? Reports::tr(
                                     "the game or you changed it since the last install, so it "
                                     "was left as it is")
                               : Reports::tr("the game or you changed it since the last install, "
                                             "so it was left as it is; the version kept before "
                                             "is %1, to put back by hand if you want it")
                                     .arg(quoted(o.keptAt)));
        else if (o.kind == Kind::NotRestored)
            failed << file + QStringLiteral(": ") + reason(o);
        else
            (o.kind == Kind::Restored ? restored : removed) << file;
        if (!o.setAside.empty()) aside << toQString(o.setAside);
    }
    aside << toQStrings(r.alsoSetApart);
    QString text = failed.isEmpty()
                       ? Reports::tr("The game's original files are back.")
                       : Reports::tr(
                             "Not every file could be put back as it was; what is kept stays "
                             "in \"KESTRO backup\".\n\nLeft as they are:%1")
                             .arg(list(failed));
    // Each list under its heading (its %1), where there is anything to list.
    const auto section = [&](const QStringList& lines, const QString& heading) {
        if (!lines.isEmpty()) text += QStringLiteral("\n\n") + heading.arg(list(lines));
    };
    section(restored, Reports::tr("Restored:%1"));
    section(untidied, Reports::tr("Not yet tidied in \"KESTRO backup\" (what KESTRO took out of "
                                  "their place could not be removed; the next install or "
                                  "restore tries again):%1"));
    section(removed, Reports::tr("Removed (added by channel installs):%1"));
    return text + apartNow(aside) + earlierApart(r, aside);
}

// Of two spellings, what to do with the one to move (it is kept too: without a record,
// either may be the game's).
QString twinAdvice(const StoreDamage& d) {
    const QString other = quoted(d.other), stays = quoted(d.error.subject);
    switch (d.otherIs) {
        case StoreDamage::Other::Empty:
            return Reports::tr("To go on, remove the empty folder %1.").arg(other);
        case StoreDamage::Other::AlsoRecorded:
            return Reports::tr(
                       "To go on, move each file in %1 that %2 does not hold to the same place in "
                       "%2 (its state file records files in both), then move %1 out of the game "
                       "folder and keep it.")
                .arg(other, stays);
        case StoreDamage::Other::NotRecorded:
            return Reports::tr(
                       "To go on, move %1 out of the game folder and keep it: %2 holds what its "
                       "state file records.")
                .arg(other, stays);
        case StoreDamage::Other::Unreadable:
            return Reports::tr(
                       "To go on, make %1 readable again: KESTRO cannot tell what it holds.")
                .arg(other);
        case StoreDamage::Other::NotAFolder:
            return Reports::tr("To go on, move %1 out of the game folder and keep it.").arg(other);
        case StoreDamage::Other::MayHoldFiles:
            break;
    }
    return Reports::tr(
               "To go on, move %1 out of the game folder and keep it: it may hold the game's own "
               "files.")
        .arg(other);
}

// The damaged store, named as it was found on disk.
QString storeNamed(const StoreDamage& d) {
    return quoted(d.store.empty() ? std::string(kStoreFolder) : d.store);
}

// A copy in a link's place goes on where it left off, loses nothing where the link leads, and
// is read as any other file there (a kept copy checked against its record).
QString linkAdvice(const Error& e) {
    if (e.code != ErrorCode::Link || e.subject.empty()) return {};
    return Reports::tr("To go on, replace the link %1 with a copy of what it leads to.")
        .arg(quoted(e.subject));
}

// What the player is to do about a damaged store, one step at a time.
QString advice(const StoreDamage& d) {
    switch (d.what) {
        case What::StoreNotAFolder:  // no folder of KESTRO's, so maybe the player's
            return Reports::tr(
                       "To go on, move %1 out of the game folder and keep it: KESTRO keeps the "
                       "game's own files in a folder of that name.")
                .arg(quoted(d.error.subject));
        // A lock or state file that is a folder may hold anything: moved, not deleted.
        case What::LockNotAFile:
            return Reports::tr("To go on, move %1 out of it.").arg(quoted("kestro.lock"));
        case What::StateNotAFile:
            return Reports::tr("To go on, move %1 out of it.").arg(quoted("state.txt"));
        case What::KeptNotAFile:  // what a link leads to is checked against the record
            if (d.error.code == ErrorCode::Link)
                return Reports::tr(
                           "To go on, replace the link %1 in it with a copy of what it "
                           "leads to.")
                    .arg(quoted(d.error.subject));
            [[fallthrough]];
        case What::FolderNotAFolder:
            return Reports::tr("To go on, move %1 out of it.").arg(quoted(d.error.subject));
        case What::TwoStores:
        case What::TwoSpellings:
        case What::TwoCopies:
            return twinAdvice(d);
        case What::RecordedNotKept:  // forgetting the records would not bring it back
            return Reports::tr(
                       "KESTRO cannot put the game's own %1 back. If you have a copy of it (from "
                       "the game's discs or your own), put it in its place in the game folder. "
                       "Then, to go on, delete \"state.txt\" in %2: the other kept files stay "
                       "and are found again.")
                .arg(toQString(std::string(kGameFiles[d.slot].name)), storeNamed(d));
        default:
            return Reports::tr(
                "To go on, delete \"state.txt\" in it: the kept files stay and are found again.");
    }
}

// Why, with the thing in the way named first where the reason does not name it itself.
QString withSubject(const Error& e) {
    const QString subject = visible(toQString(e.subject)), why = Reports::describe(e);
    return subject.isEmpty() || why.contains(subject) ? why : subject + QStringLiteral(": ") + why;
}

QString refusal(const Report& r, Reports::Where where) {
    const bool installing = r.action == Report::Action::Install;
    const QString folder = r.folder.empty() ? Reports::tr("(empty)") : quoted(r.folder);
    const QString nothing = installing ? Reports::tr("No game file was replaced.")
                                       : Reports::tr("No game file was put back.");
    switch (r.refusal.code) {
        case ErrorCode::PathEmpty:
        case ErrorCode::PathRelative:
        case ErrorCode::PathInvalid:
        case ErrorCode::DriveMissing:
        case ErrorCode::Missing:
        case ErrorCode::FolderMissing:
        case ErrorCode::NotAFolder:
        case ErrorCode::InStore:
        case ErrorCode::GameData:
            return Reports::unusableFolder(r.folder, r.refusal) + QStringLiteral("\n\n") + nothing +
                   QLatin1Char(' ') +
                   (where == Reports::Where::Window
                        ? Reports::tr("Choose the game folder with the \"...\" button.")
                        : Reports::tr("Give another game folder with --game-folder."));
        case ErrorCode::Locked:
            return Reports::tr(
                       "KESTRO is already installing or restoring in %1 (is it open twice?).")
                       .arg(folder) +
                   QStringLiteral("\n\n") + nothing + QLatin1Char(' ') +
                   Reports::tr("Try again when it has finished.");
        case ErrorCode::Damaged:
            return Reports::tr("The folder %1 in %2 is damaged: %3.")
                       .arg(storeNamed(r.damage), folder, damage(r.damage)) +
                   QStringLiteral("\n\n") + nothing + QLatin1Char(' ') + advice(r.damage);
        default: {
            // One pass over the text, so that a % in a set's name is never read as a place.
            const QString why = withSubject(r.refusal);
            const QString text =
                !installing ? Reports::tr("The game's original files cannot be put back in %1: %2.")
                                  .arg(folder, why)
                : r.channel
                    ? Reports::tr("The channel %1 cannot be installed in %2: %3.")
                          .arg(toQString(r.channel->key), folder, why)
                    : Reports::tr("The channel cannot be installed in %1: %2.").arg(folder, why);
            const QString next =
                r.refusal.code == ErrorCode::Foreign
                    ? Reports::tr(
                          "To go on, have that user or an administrator move %1 out of "
                          "the game folder.")
                          .arg(storeNamed(r.damage))
                    : linkAdvice(r.refusal);
            return text + QStringLiteral("\n\n") + nothing +
                   (next.isEmpty() ? QString() : QLatin1Char(' ') + next);
        }
    }
}

}  // namespace

QString Reports::report(const Report& r, Where where) {
    switch (r.kind) {
        case Report::Kind::Refused:
            return refusal(r, where) + apartNow(toQStrings(r.alsoSetApart));
        case Report::Kind::NothingToRestore: {
            const QStringList now = toQStrings(r.alsoSetApart);
            return tr("There is nothing to restore: no original game file has been kept in %1.")
                       .arg(quoted(r.folder)) +
                   apartNow(now) + earlierApart(r, now);
        }
        default:
            return r.action == Report::Action::Install ? installReport(r) : restoreReport(r);
    }
}

bool Reports::isWarning(const Report& r) {
    return r.kind == Report::Kind::Refused || r.kind == Report::Kind::Incomplete;
}

QString Reports::unusableFolder(const std::string& folder, const Error& why) {
    return tr("The game folder %1 cannot be used: %2.")
        .arg(folder.empty() ? tr("(empty)") : quoted(folder), describe(why));
}

QString Reports::confirmRestore(const QString& folder) {
    return tr("Put the game's original files back in \"%1\"?\n\nFiles added by channel installs "
              "will be removed.")
        .arg(folder);
}

QString Reports::leftOutReason(ChannelSet::LeftOut::Why why) {
    using enum ChannelSet::LeftOut::Why;
    switch (why) {
        case Empty:
            return tr("it is empty");
        case TooLarge:
            return tr("it is larger than 64 MiB");
        case NotAFile:
            return tr("it is not a plain file (a folder, a link or a device)");
    }
    return {};
}

QString Reports::leftOutName(const ChannelSet::LeftOut& file) {
    return toQString(std::string(kSetFileNames[file.slot]));
}

QString Reports::nameProblem(NameProblem problem) {
    switch (problem) {
        case NameProblem::Empty:
            return tr("The name is empty.");
        case NameProblem::TooLong:
            return tr("The name is longer than %1 characters.").arg(kMaxSetName);
        case NameProblem::NotText:
            return tr("The name is not valid text.");
        case NameProblem::BadCharacter:
            return tr(
                "The name cannot hold \\ / : * ? \" < > |, control characters, characters that "
                "show nothing, or spaces other than the plain one.");
        case NameProblem::NotCapitals:
            return tr("The name must be in capitals.");
        case NameProblem::DotOrSpaceEnd:
            return tr("The name cannot begin or end with a dot or a space.");
        case NameProblem::Device:
            return tr("Windows keeps that name for a device.");
        case NameProblem::Twice:
            return tr(
                "Entries of your channel sets folder share this name, written with different "
                "characters: rename one of them.");
        case NameProblem::LooksLike:  // said with the other name by setOutcome
            return tr("The name would pass for another set's.");
        case NameProblem::None:
            break;
    }
    return {};
}

QString Reports::sourceProblem(const SourceProblem& p, const QString& given) {
    const QString source = visible(given);
    using S = SourceProblem::What;
    const QString file = toQString(std::string(kSetFileNames[p.slot]));
    switch (p.what) {
        case S::Missing:
            return tr("\"%1\" was not found.").arg(source);
        case S::NotASource:
            return tr("\"%1\" is neither a folder nor an archive.").arg(source);
        case S::Unreadable:  // named once
            return tr("\"%1\" cannot be read: %2.")
                .arg(p.error.subject.empty() ? source : visible(toQString(p.error.subject)),
                     describe({p.error.code, p.error.system, {}}));
        case S::TooManyEntries:
            return tr("The folder \"%1\" holds too many files to be a channel set.").arg(source);
        case S::FileTwice:
            return tr("\"%1\" holds %2 more than once (%3 and %4); keep the one you want and try "
                      "again.")
                .arg(source, file, quoted(p.places().first), quoted(p.places().second));
        case S::FileTooLarge:
            return tr("%1 in \"%2\" is larger than 64 MiB; no channel file is that big.")
                .arg(file, source);
        case S::SetTooLarge:
            return tr("The set's files in \"%1\" come to more than 256 MiB.").arg(source);
        case S::EmptyFile:
            return tr("%1 in \"%2\" is empty; a channel file holds graphics.").arg(file, source);
        case S::UnknownArchive:
            return tr("\"%1\" is not an archive KESTRO can read (it reads .zip, .rar and .7z).")
                .arg(source);
        case S::Encrypted:
            return tr("The archive \"%1\" is encrypted; unpack it with its password first.")
                .arg(source);
        case S::SplitArchive:
            return tr("The archive \"%1\" is one part of a split archive; unpack it together with "
                      "its other parts and add the folder.")
                .arg(source);
        case S::Damaged:
            return tr("The archive \"%1\" is damaged: %2.")
                .arg(source, visible(toQString(p.detail)));
        case S::WalkTooLong:
            return tr("The archive \"%1\" holds more than 1 GiB to unpack on the way to the set's "
                      "files; unpack it first and add the folder.")
                .arg(source);
        case S::TooManyArchiveEntries:
            return tr("The archive \"%1\" holds more than 20,000 entries; unpack it first and add "
                      "the folder.")
                .arg(source);
        case S::Cancelled:
            return tr("Adding the channel set was stopped; nothing was added.");
        case S::None:
            break;
    }
    return {};
}

namespace {

// What stopped a removal, with the entry in the way.
QString removalProblem(const Error& e) {
    const QString subject = visible(toQString(e.subject));
    if (subject.isEmpty()) return Reports::describe(e);
    if (e.code == ErrorCode::InUse || (e.code == ErrorCode::Other && e.system == EBUSY))
        return Reports::tr("%1 is in use, or another disk or folder is mounted there").arg(subject);
    if (e.code == ErrorCode::PathTooLong)
        return Reports::tr("%1 lies more than 64 folders deep").arg(subject);
    if (e.code == ErrorCode::AlreadyExists)
        return Reports::tr("something was put in %1 meanwhile").arg(subject);
    return withSubject(e);
}

// What an add or a remove could not delete, told after its outcome.
QString leftBehind(const SetOutcome& o) {
    if (o.error.ok()) return {};
    return QLatin1Char(' ') +
           Reports::tr(
               "Something in your channel sets folder could not be deleted: %1. It is "
               "left in \"%2\", and KESTRO tries again to delete it the next time you "
               "add or remove a set.")
               .arg(removalProblem(o.error), visible(toQString(o.leftover)));
}

QString setsFolderUnusable(const Error& error) {
    // With no home folder named at all there is no place for the sets, rather than one gone.
    const QString why = error.code == ErrorCode::FolderMissing && error.subject.empty()
                            ? Reports::tr("there is no home folder to keep it in")
                            : withSubject(error);
    return Reports::tr("The folder for your channel sets cannot be used: %1.").arg(why);
}

}  // namespace

QString Reports::setOutcome(const SetOutcome& o, const QString& source) {
    using W = SetOutcome::What;
    const QString name = toQString(o.name);
    // Refusals that do not name the set and the action themselves (an add reads a source).
    const QString notDone = (source.isEmpty() ? tr("The channel set \"%1\" was not removed.")
                                              : tr("The channel set \"%1\" was not added."))
                                .arg(visible(name)) +
                            QLatin1Char(' ');
    switch (o.what) {
        case W::Added: {
            QStringList files;
            for (const size_t slot : o.files) files << toQString(std::string(kSetFileNames[slot]));
            QString text = tr("The channel set %1 was added, with %2.")
                               .arg(name, files.join(QStringLiteral(", ")));
            if (o.replacesShipped)
                text += QLatin1Char(' ') +
                        tr("It takes the place of the %1 set that came with KESTRO.").arg(name);
            if (o.passedOver)
                text += QLatin1Char(' ') +
                        tr("Entries passed over (links, devices, encrypted, or with \"..\" in "
                           "their path): %n.",
                           nullptr, o.passedOver);
            return text + leftBehind(o);
        }
        case W::Removed: {
            QString text = tr("The channel set %1 was removed.").arg(name);
            if (o.replacesShipped)
                text +=
                    QLatin1Char(' ') + tr("The %1 set that came with KESTRO is back.").arg(name);
            return text + leftBehind(o);
        }
        case W::BadName: {
            if (o.nameProblem != NameProblem::LooksLike)
                return notDone + nameProblem(o.nameProblem);
            // One of the seven's place is taken by the very name; one of the player's is
            // taken once that set is gone.
            const bool shipped = std::any_of(channels().begin(), channels().end(),
                                             [&](const Channel& c) { return c.key == o.like; });
            const QString like = toQString(o.like);
            return notDone +
                   (shipped ? tr("Its name would pass for that of the set %1 that came with "
                                 "KESTRO (%2 against %3): name it %1 to take that set's place, "
                                 "or give it another name.")
                            : tr("Its name would pass for that of your set %1 (%2 against %3): "
                                 "remove that set first to take its place, or give this one "
                                 "another name."))
                       .arg(visible(like), spelledOut(name), spelledOut(like));
        }
        case W::NameTaken:
            return tr("You already have a channel set named %1. Remove it first, or give this one "
                      "another name.")
                .arg(name);
        case W::NoSuchSet:
            return tr("You have no channel set named %1.").arg(name);
        case W::NoGameFiles:
            return notDone +
                   tr("\"%1\" holds none of the game's channel files: Misc16.fsh, misc8.fsh, "
                      "popups.abg or popups.big, anywhere in it (in a folder, at most five "
                      "folders down).")
                       .arg(visible(source)) +
                   (o.passedOver
                        ? QLatin1Char(' ') + tr("Some entries of that name were passed over: "
                                                "links, devices, encrypted files or paths "
                                                "with \"..\".")
                        : QString());
        case W::SourceProblem:  // a stopped add says so itself
            return (o.source.what == SourceProblem::What::Cancelled ? QString() : notDone) +
                   sourceProblem(o.source, source);
        case W::SetsFolder:
            return notDone + setsFolderUnusable(o.error);
        case W::Busy:
            return notDone + tr("KESTRO is adding or removing a channel set already.");
        case W::WriteFailed:
            return tr("The channel set %1 cannot be written into your channel sets: %2.")
                .arg(name, describe(o.error));
        case W::RemoveFailed:
            return tr("The channel set %1 cannot be removed: %2.")
                .arg(name, removalProblem(o.error));
    }
    return {};
}

QString Reports::misnamedSets(const std::vector<std::pair<std::string, NameProblem>>& entries) {
    QStringList lines;
    for (const auto& [name, problem] : entries)
        lines << QStringLiteral("\"%1\"%2: %3")
                     .arg(visible(toQString(name)),
                          problem == NameProblem::Twice
                              ? QStringLiteral(" (%1)").arg(spelledOut(toQString(name)))
                              : QString(),
                          nameProblem(problem));
    lines = firstNamed(lines);
    for (QString& line : lines) line.prepend(QStringLiteral("  "));
    return tr("These entries of your channel sets folder are not used as channel sets, since "
              "their names cannot be a set's:\n%1\nRename them, or add them again as channel "
              "sets.")
        .arg(lines.join(u'\n'));
}

QString Reports::setsOutOfSight(const Error& error) {
    return setsFolderUnusable(error) + QLatin1Char(' ') +
           tr("Until it can, only the seven channels that came with KESTRO are offered.");
}

}  // namespace kestro
