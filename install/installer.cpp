// SPDX-License-Identifier: GPL-3.0-or-later
#include "installer.h"

#include <algorithm>

#include "catalogue.h"
#include "originals.h"

namespace kestro {
namespace {

struct StepOutcome {
    std::string file;  // relative to the game folder
    FileResult result;
    bool originalNotKept = false;  // the game's own file could not be kept, so it was left alone
    FileResult noted;              // replaced, but the store could not note it
};

std::string reason(const StepOutcome& outcome) {
    if (outcome.originalNotKept)
        return "its original could not be kept (" + describe(outcome.result) +
               "), so it was left as it was";
    return describe(outcome.result);
}

std::string bulletList(const std::vector<StepOutcome>& outcomes, bool failed) {
    std::string text;
    for (const StepOutcome& outcome : outcomes) {
        if (outcome.result.ok() == failed) continue;
        text += "\n  " + outcome.file;
        if (failed) text += ": " + reason(outcome);
        if (!outcome.noted.ok())
            text += " (but it could not be noted in \"KESTRO backup\": " + describe(outcome.noted) +
                    "; a restore may leave it as it is)";
    }
    return text.empty() ? "\n  (none)" : text;
}

std::string incompleteReport(const ChannelSet& channel, const std::vector<StepOutcome>& outcomes) {
    return "The channel " + std::string(channel.key) +
           " was not installed completely.\n\nNot replaced:" + bulletList(outcomes, true) +
           "\n\nReplaced:" + bulletList(outcomes, false);
}

std::string unusableFolder(const std::string& folder, const FileResult& why) {
    const std::string shown = folder.empty() ? "(empty)" : "\"" + folder + "\"";
    return "The game folder " + shown + " cannot be used: " + describe(why) + ".";
}

std::string unusableFolderReport(const std::string& folder, const FileResult& why) {
    return unusableFolder(folder, why) +
           "\n\nNo game file was replaced. Choose the game folder with the \"...\" button.";
}

std::string restoreReport(const std::vector<RestoreOutcome>& outcomes, bool& allDone) {
    std::string failed, restored, removed;
    for (const RestoreOutcome& o : outcomes) {
        if (!o.result.ok())
            failed += "\n  " + o.file + ": " + describe(o.result);
        else
            (o.action == RestoreOutcome::Action::Restored ? restored : removed) += "\n  " + o.file;
    }
    allDone = failed.empty();
    std::string text = allDone ? "The game's original files are back."
                               : "Not every file could be put back as it was; what is kept "
                                 "stays in \"KESTRO backup\".\n\nLeft as they are:" +
                                     failed;
    if (!restored.empty()) text += "\n\nRestored:" + restored;
    if (!removed.empty()) text += "\n\nRemoved (added by channel installs):" + removed;
    return text;
}

// Why the store cannot be used now, for the user; nothing was changed.
std::string storeRefusal(const std::string& folder, const OriginalsStore& store,
                         const FileResult& why) {
    if (why.error == FileError::Locked)
        return "Another install into \"" + folder +
               "\" is running (is KESTRO open twice?).\n\nNothing was changed. Try again when "
               "it has finished.";
    if (why.error == FileError::StoreDamaged)
        return "The folder \"KESTRO backup\" in \"" + folder + "\" is damaged: " + store.damage() +
               ".\n\nNothing was changed. To go on, " +
               (store.damage().starts_with("its state file")
                    ? "delete \"state.txt\" in it: the kept files stay and are found again."
                    : "move \"KESTRO backup\" somewhere safe (the game's kept files are "
                      "inside it).");
    return "The game's original files cannot be kept in \"" + folder + "\": " + describe(why) +
           ".\n\nNothing was changed.";
}

}  // namespace

FileResult copyStep(const InstallView& view, Digest* written) {
    resetAttributes(view.destination());  // fails harmlessly for a file not there yet
    return replaceFile(view.source(), view.destination(), written);
}

const ChannelSet* install(InstallView& view, const Catalogue& catalogue) {
    const std::string folder = view.gameFolder();
    const std::string title(kInstallTitle);
    // An empty or relative folder would send the files somewhere the player never
    // chose (the root of a drive, the current folder): refuse it before writing.
    if (const FileResult usable = checkFolder(folder); !usable.ok()) {
        view.setProgress(0);
        view.showMessage({title, unusableFolderReport(folder, usable), Message::Kind::Warning});
        return nullptr;
    }
    // One install at a time: the lock comes before any change to the game folder.
    const ChannelSet* channel = catalogue.find(view.selectedChannel());
    OriginalsStore store(folder, catalogue.everySource());
    if (const FileResult opened = channel ? store.open(true) : FileResult{}; !opened.ok()) {
        view.setProgress(0);
        view.showMessage({title, storeRefusal(folder, store, opened), Message::Kind::Warning});
        return nullptr;
    }
    for (const char* data : {"\\DATA", "\\DATA\\ENVIRO", "\\DATA\\POPUPS"}) {
        createFolder(folder + data);  // usually there already
    }

    const ChannelSet* installed = nullptr;
    if (channel) {
        std::vector<StepOutcome> outcomes;
        for (const ChannelSet::File& step : channel->files) {
            const std::string file(step.destination);
            const std::string destination = view.gameFolder() + file;
            const std::string& source = step.source;
            view.setDestination(destination);
            view.setSource(source);
            view.setProgress(step.progress);
            // A box that cut the text would send the copy to another file.
            if (view.destination() != destination || view.source() != source) {
                outcomes.push_back({file, {FileError::PathTooLong, 0}, false, {}});
                continue;
            }
            const size_t slot = *slotOf(file);
            if (const FileResult kept = store.keep(slot); !kept.ok()) {
                const bool inPlace = kept.error == FileError::DestinationIsFolder ||
                                     kept.error == FileError::NotAFile;
                outcomes.push_back({file, kept, !inPlace, {}});
                continue;
            }
            Digest written;
            const FileResult copied = view.runCopyStep(&written);
            outcomes.push_back({file, copied, false, {}});
            if (copied.ok()) outcomes.back().noted = store.recordWritten(slot, written);
        }
        const bool allReplaced =
            std::all_of(outcomes.begin(), outcomes.end(),
                        [](const StepOutcome& o) { return o.result.ok() && o.noted.ok(); });
        if (allReplaced) {
            installed = channel;
            view.showMessage(
                {title, std::string(channel->completionMessage), Message::Kind::Plain});
        } else {
            view.showMessage({title, incompleteReport(*channel, outcomes), Message::Kind::Warning});
        }
    }
    view.setProgress(0);
    return installed;
}

bool restore(InstallView& view, const Catalogue& catalogue) {
    const std::string title(kInstallTitle);
    const std::string folder = view.gameFolder();
    if (const FileResult usable = checkFolder(folder); !usable.ok()) {
        view.showMessage({title, unusableFolder(folder, usable), Message::Kind::Warning});
        return false;
    }
    // A folder where nothing was ever installed gets no store made for it.
    OriginalsStore store(folder, catalogue.everySource());
    if (const FileResult opened = store.open(false); !opened.ok()) {
        view.showMessage({title, storeRefusal(folder, store, opened), Message::Kind::Warning});
        return false;
    }
    if (!store.anythingToRestore()) {
        view.showMessage({title,
                          "There is nothing to restore: no original game file has been kept in \"" +
                              folder + "\".",
                          Message::Kind::Plain});
        return true;
    }
    if (!view.askYesNo({title,
                        "Put the game's original files back in \"" + folder +
                            "\"?\n\nThe files that channel installs added are removed.",
                        Message::Kind::Plain}))
        return false;
    bool allDone = false;
    const std::string report = restoreReport(store.restore(), allDone);
    view.showMessage({title, report, allDone ? Message::Kind::Plain : Message::Kind::Warning});
    return allDone;
}

}  // namespace kestro
