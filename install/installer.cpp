// SPDX-License-Identifier: GPL-3.0-or-later
#include "installer.h"

#include <algorithm>

namespace kestro {

Report unusableFolder(Report::Action action, std::string folder, Error why,
                      const ChannelSet* channel) {
    Report report;
    report.action = action;
    report.channel = channel;  // the install asked for, named
    report.kind = Report::Kind::Refused;
    report.folder = std::move(folder);
    report.refusal = std::move(why);
    return report;
}

namespace {

Report refused(Report::Action action, const GameFolder& folder, const Store& store, Error why) {
    Report report = unusableFolder(action, folder.text(), std::move(why));
    report.damage = store.damage();
    report.alsoSetApart = store.alsoSetApart();  // tidied before the refusal: said all the same
    return report;
}

}  // namespace

const ChannelSet* install(const InstallRequest& request, const Catalogue& catalogue,
                          InstallObserver& observer) {
    const ChannelSet* channel = catalogue.find(request.channel);
    // One install at a time: the lock comes before any change to the game folder.
    Store store(request.folder);
    Error refusal = store.open(true);
    if (refusal.ok()) refusal = store.makeDataFolders();
    if (!refusal.ok()) {
        observer.progress(0);
        Report report = refused(Report::Action::Install, request.folder, store, refusal);
        report.channel = channel;  // a script's log says which install was refused
        observer.finished(report);
        return nullptr;
    }
    if (!channel) {  // says nothing, unless the tidy-up set something apart
        observer.progress(0);
        if (!store.alsoSetApart().empty())
            observer.finished(refused(Report::Action::Install, request.folder, store,
                                      failure(ErrorCode::SourceMissing)));
        return nullptr;
    }
    Report report;
    report.folder = request.folder.text();
    report.channel = channel;
    for (const ChannelSet::File& file : channel->files) {
        observer.progress(file.progress);
        observer.fileStarted(request.folder.text() + std::string(kGameFiles[file.slot].path),
                             utf8Text(file.source.path));
        report.files.push_back(store.install(file.slot, file.source));
        observer.fileDone(report.files.back());
    }
    store.finish();
    report.alsoSetApart = store.alsoSetApart();
    // A file of the player's set that had to be left out is not installed either, and a set
    // that gives no file at all installs nothing.
    const bool all = !channel->files.empty() && channel->leftOut.empty() &&
                     std::all_of(report.files.begin(), report.files.end(),
                                 [](const FileOutcome& o) { return o.done(); });
    report.kind = all ? Report::Kind::Done : Report::Kind::Incomplete;
    observer.finished(report);
    observer.progress(0);
    return all ? channel : nullptr;
}

bool restore(const GameFolder& folder, InstallObserver& observer) {
    // A folder where nothing was ever installed gets no store made for it.
    Store store(folder);
    if (Error refusal = store.open(false); !refusal.ok()) {
        observer.finished(refused(Report::Action::Restore, folder, store, refusal));
        return false;
    }
    Report report;
    report.action = Report::Action::Restore;
    report.folder = folder.text();
    if (!store.anythingToRestore()) {
        report.kind = Report::Kind::NothingToRestore;
        report.alsoSetApart = store.alsoSetApart();  // tidying what an earlier run left
        report.keptApart = store.keptApart();        // older versions may lie there all the same
        observer.finished(report);
        return true;
    }
    if (!observer.confirmRestore(folder.text())) {
        // Answered no: what opening the store set apart is still said.
        if (!store.alsoSetApart().empty())
            observer.finished(
                refused(Report::Action::Restore, folder, store, failure(ErrorCode::Cancelled)));
        return false;
    }
    report.files = store.restore();
    for (const FileOutcome& outcome : report.files) observer.fileDone(outcome);
    store.finish();
    const bool all = std::all_of(report.files.begin(), report.files.end(),
                                 [](const FileOutcome& o) { return o.done(); });
    report.kind = all ? Report::Kind::Done : Report::Kind::Incomplete;
    report.alsoSetApart = store.alsoSetApart();
    report.keptApart = store.keptApart();
    observer.finished(report);
    return all;
}

const ChannelSet* installedChannel(const GameFolder& folder, const Catalogue& catalogue) {
    const Result<Folder> data = folder.root().child("DATA");
    if (!data.ok()) return nullptr;
    std::array<std::optional<Folder>, 2> folders;
    for (size_t i = 0; i < 2; ++i)
        if (Result<Folder> f = data.value.child(kGameFiles[i * 2].folder); f.ok())
            folders[i] = f.value;
    const auto same = [&](const ChannelSet::File& file) {
        const std::optional<Folder>& in = folders[folderOf(file.slot)];
        if (!in) return false;
        Result<ReadFile> game = ReadFile::open(*in, in->find(kGameFiles[file.slot].name));
        Result<ReadFile> channel = openSource(file.source);
        Digest a, b;
        return game.ok() && channel.ok() && game.value.info().size == channel.value.info().size &&
               digestOf(game.value, a).ok() && digestOf(channel.value, b).ok() && a == b;
    };
    for (const ChannelSet& channel : catalogue.sets())
        if (!channel.files.empty() && std::all_of(channel.files.begin(), channel.files.end(), same))
            return &channel;
    return nullptr;
}

}  // namespace kestro
