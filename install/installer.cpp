#include "installer.h"

#include <algorithm>

#include "catalogue.h"

namespace kestro {
namespace {

struct StepOutcome {
    std::string_view file;  // relative to the game folder
    FileResult result;
};

std::string bulletList(const std::vector<StepOutcome>& outcomes, bool failed) {
    std::string text;
    for (const StepOutcome& outcome : outcomes) {
        if (outcome.result.ok() == failed) continue;
        text += "\n  ";
        text += outcome.file;
        if (failed) text += ": " + describe(outcome.result);
    }
    return text.empty() ? "\n  (none)" : text;
}

std::string incompleteReport(const Channel& channel, const std::vector<StepOutcome>& outcomes) {
    return "The channel " + std::string(channel.key) +
           " was not installed completely.\n\nNot replaced:" + bulletList(outcomes, true) +
           "\n\nReplaced:" + bulletList(outcomes, false);
}

std::string unusableFolderReport(const std::string& folder, const FileResult& why) {
    const std::string shown = folder.empty() ? "(empty)" : "\"" + folder + "\"";
    return "The game folder " + shown + " cannot be used: " + describe(why) +
           ".\n\nNo game file was replaced. Choose the game folder with the \"...\" button.";
}

}  // namespace

FileResult copyStep(const InstallView& view) {
    resetAttributes(view.destination());  // fails harmlessly for a file not there yet
    return replaceFile(view.source(), view.destination());
}

void install(InstallView& view) {
    const std::string folder = view.gameFolder();
    // An empty or relative folder would send the files somewhere the player never
    // chose (the root of a drive, the current folder): refuse it before writing.
    if (const FileResult usable = checkFolder(folder); !usable.ok()) {
        view.setProgress(0);
        view.showMessage({std::string(kInstallTitle), unusableFolderReport(folder, usable),
                          Message::Kind::Warning});
        return;
    }
    for (const char* data : {"\\DATA", "\\DATA\\ENVIRO", "\\DATA\\POPUPS"}) {
        createFolder(folder + data);  // usually there already
    }

    if (const Channel* channel = findChannel(view.selectedChannel())) {
        std::vector<StepOutcome> outcomes;
        for (const CopyStep& step : channel->steps) {
            view.setDestination(view.gameFolder() + std::string(step.destination));
            view.setSource(view.programFolder() + std::string(step.source));
            view.setProgress(step.progress);
            outcomes.push_back({step.destination, view.runCopyStep()});
        }
        const bool allReplaced = std::all_of(outcomes.begin(), outcomes.end(),
                                             [](const StepOutcome& o) { return o.result.ok(); });
        if (allReplaced) {
            view.showMessage({std::string(kInstallTitle), std::string(channel->completionMessage),
                              Message::Kind::Plain});
        } else {
            view.showMessage({std::string(kInstallTitle), incompleteReport(*channel, outcomes),
                              Message::Kind::Warning});
        }
    }
    view.setProgress(0);
}

}  // namespace kestro
