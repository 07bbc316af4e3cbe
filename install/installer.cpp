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
    }
    return text.empty() ? "\n  (none)" : text;
}

std::string incompleteReport(const Channel& channel, const std::vector<StepOutcome>& outcomes) {
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
    std::string text = allDone
                           ? "The game's original files are back."
                           : "Some files could not be put back as they were; the kept originals "
                             "of those stay in \"KESTRO backup\".\n\nNot restored:" +
                                 failed;
    if (!restored.empty()) text += "\n\nRestored:" + restored;
    if (!removed.empty()) text += "\n\nRemoved (added by channel installs):" + removed;
    return text;
}

}  // namespace

FileResult copyStep(const InstallView& view) {
    resetAttributes(view.destination());  // fails harmlessly for a file not there yet
    return replaceFile(view.source(), view.destination());
}

const Channel* install(InstallView& view) {
    const std::string folder = view.gameFolder();
    // An empty or relative folder would send the files somewhere the player never
    // chose (the root of a drive, the current folder): refuse it before writing.
    if (const FileResult usable = checkFolder(folder); !usable.ok()) {
        view.setProgress(0);
        view.showMessage({std::string(kInstallTitle), unusableFolderReport(folder, usable),
                          Message::Kind::Warning});
        return nullptr;
    }
    for (const char* data : {"\\DATA", "\\DATA\\ENVIRO", "\\DATA\\POPUPS"}) {
        createFolder(folder + data);  // usually there already
    }

    const Channel* installed = nullptr;
    if (const Channel* channel = findChannel(view.selectedChannel())) {
        std::vector<StepOutcome> outcomes;
        for (const CopyStep& step : channel->steps) {
            view.setDestination(view.gameFolder() + std::string(step.destination));
            view.setSource(view.programFolder() + std::string(step.source));
            view.setProgress(step.progress);
            const std::string file(step.destination);
            if (const FileResult kept = keepOriginal(view.gameFolder(), view.programFolder(), file);
                !kept.ok()) {
                outcomes.push_back({file, kept, true});
                continue;
            }
            outcomes.push_back({file, view.runCopyStep()});
        }
        const bool allReplaced = std::all_of(outcomes.begin(), outcomes.end(),
                                             [](const StepOutcome& o) { return o.result.ok(); });
        if (allReplaced) {
            installed = channel;
            view.showMessage({std::string(kInstallTitle), std::string(channel->completionMessage),
                              Message::Kind::Plain});
        } else {
            view.showMessage({std::string(kInstallTitle), incompleteReport(*channel, outcomes),
                              Message::Kind::Warning});
        }
    }
    view.setProgress(0);
    return installed;
}

void restore(InstallView& view) {
    const std::string title(kInstallTitle);
    const std::string folder = view.gameFolder();
    if (const FileResult usable = checkFolder(folder); !usable.ok()) {
        view.showMessage({title, unusableFolder(folder, usable), Message::Kind::Warning});
        return;
    }
    if (!hasOriginals(folder)) {
        view.showMessage({title,
                          "There is nothing to restore: no original game file has been kept in \"" +
                              folder + "\".",
                          Message::Kind::Plain});
        return;
    }
    if (!view.askYesNo({title,
                        "Put the game's original files back in \"" + folder +
                            "\"?\n\nThe files that channel installs added are removed.",
                        Message::Kind::Plain}))
        return;
    bool allDone = false;
    const std::string report = restoreReport(restoreOriginals(folder), allDone);
    view.showMessage({title, report, allDone ? Message::Kind::Plain : Message::Kind::Warning});
}

}  // namespace kestro
