// SPDX-License-Identifier: GPL-3.0-or-later
#include "commandline.h"

#include <QCommandLineParser>
#include <QDir>
#include <cstdio>

#include "catalogue.h"
#include "channelsets.h"
#include "installer.h"
#include "originals.h"
#include "playersets.h"
#include "settings.h"

namespace kestro {
namespace {

void say(std::FILE* to, const QString& text) {
    std::fputs(text.toUtf8().constData(), to);
    std::fputc('\n', to);
}

// The install and restore report what they did here instead of in message boxes.
class ConsoleView : public InstallView {
  public:
    std::string channel, game, destinationText, sourceText;

    std::string selectedChannel() const override { return channel; }
    std::string gameFolder() const override { return game; }
    std::string destination() const override { return destinationText; }
    std::string source() const override { return sourceText; }
    void setDestination(const std::string& text) override { destinationText = text; }
    void setSource(const std::string& text) override { sourceText = text; }
    void setProgress(float) override {}
    FileResult runCopyStep(Digest* written) override { return copyStep(*this, written); }
    void showMessage(const Message& message) override {
        say(message.kind == Message::Kind::Warning ? stderr : stdout,
            QString::fromStdString(message.text));
    }
    bool askYesNo(const Message&) override { return true; }  // asked by the command itself
};

QString channelKeys(const Catalogue& catalogue) {
    QStringList keys;
    for (const ChannelSet& channel : catalogue.sets()) keys << QString::fromStdString(channel.key);
    return keys.join(QStringLiteral(", "));
}

int report(const SetResult& result) {
    say(result.ok ? stdout : stderr, QString::fromStdString(result.message));
    return result.ok ? kDone : kNotDone;
}

int usage(const QString& why) {
    say(stderr, QStringLiteral("kestro: %1\nTry 'kestro --help'.").arg(why));
    return kUsage;
}

}  // namespace

int runCommandLine(const QStringList& arguments, const QString& programFolder) {
    const std::string playerSets = playerSetsFolder().toStdString();
    const Catalogue catalogue(QDir::toNativeSeparators(programFolder).toStdString(), playerSets);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Installs TV channel graphics into VARNEX 2001 and puts the game's own "
                       "files back.\nWithout options, opens the window."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help and exit."));
    const QCommandLineOption version(QStringLiteral("version"),
                                     QStringLiteral("Show the version and exit."));
    const QCommandLineOption list(QStringLiteral("list"),
                                  QStringLiteral("List the channels; the one installed in the "
                                                 "stored game folder is marked."));
    const QCommandLineOption install(
        QStringLiteral("install"),
        QStringLiteral("Install CHANNEL (one of %1).").arg(channelKeys(catalogue)),
        QStringLiteral("CHANNEL"));
    const QCommandLineOption restore(QStringLiteral("restore"),
                                     QStringLiteral("Put the game's original files back."));
    const QCommandLineOption folder(QStringLiteral("game-folder"),
                                    QStringLiteral("The game folder to install into or restore "
                                                   "(default: the stored one; never stored)."),
                                    QStringLiteral("PATH"));
    const QCommandLineOption addSet(
        QStringLiteral("add-set"),
        QStringLiteral("Add your own channel set from a folder or a .zip, .rar or .7z archive."),
        QStringLiteral("PATH"));
    const QCommandLineOption name(
        QStringLiteral("name"),
        QStringLiteral("The name of the set --add-set adds (default: PATH's base name in "
                       "capitals). Named like one of the seven, it takes that one's place."),
        QStringLiteral("NAME"));
    const QCommandLineOption removeSet(QStringLiteral("remove-set"),
                                       QStringLiteral("Remove your own channel set NAME."),
                                       QStringLiteral("NAME"));
    parser.addOptions({help, version, list, install, restore, folder, addSet, name, removeSet});
    if (!parser.parse(arguments)) return usage(parser.errorText());
    if (!parser.positionalArguments().isEmpty())
        return usage(
            QStringLiteral("unexpected argument '%1'").arg(parser.positionalArguments()[0]));
    if (parser.isSet(help)) {
        std::fputs(parser.helpText().toUtf8().constData(), stdout);
        return kDone;
    }
    if (parser.isSet(version)) {
        say(stdout, QStringLiteral("KESTRO 2001 1.0"));
        return kDone;
    }
    const int actions = parser.isSet(list) + parser.isSet(install) + parser.isSet(restore) +
                        parser.isSet(addSet) + parser.isSet(removeSet);
    if (actions != 1)
        return usage(actions ? QStringLiteral("give one of --list, --install, --restore, "
                                              "--add-set, --remove-set")
                             : QStringLiteral("nothing to do"));
    if (parser.isSet(name) && !parser.isSet(addSet))
        return usage(QStringLiteral("--name goes with --add-set"));
    if (parser.isSet(addSet) || parser.isSet(removeSet)) {
        if (parser.isSet(folder))
            return usage(QStringLiteral("--game-folder goes with --install or --restore"));
        if (parser.isSet(removeSet)) {
            const ChannelSet* set = catalogue.find(parser.value(removeSet).toStdString());
            if (!set)
                return usage(QStringLiteral("you have no channel set named '%1'")
                                 .arg(parser.value(removeSet)));
            if (!set->playersOwn)
                return report({false, "The " + set->key + " set came with KESTRO; it cannot be removed."});
            return report(removeChannelSet(playerSets, set->key));
        }
        const QString source = parser.value(addSet);
        const QString setName =
            parser.isSet(name) ? parser.value(name).toUpper()
                               : QString::fromStdString(defaultSetName(source.toStdString())).toUpper();
        return report(addChannelSet(playerSets, source.toStdString(), setName.toStdString()));
    }

    ConsoleView view;
    const QString game = parser.isSet(folder) ? parser.value(folder) : GameFolderSetting::read();
    view.game = game.toStdString();
    if (parser.isSet(list)) {
        if (parser.isSet(folder))
            return usage(QStringLiteral("--game-folder goes with --install or --restore"));
        const ChannelSet* installed = game.isEmpty() ? nullptr : installedChannel(view.game, catalogue);
        for (const ChannelSet& channel : catalogue.sets())
            say(stdout, QString::fromStdString(channel.key) +
                            (&channel == installed ? QStringLiteral(" (installed)") : QString()));
        return kDone;
    }
    if (game.isEmpty())
        return usage(QStringLiteral("no game folder is stored; give one with --game-folder"));
    if (parser.isSet(restore)) return kestro::restore(view, catalogue) ? kDone : kNotDone;
    view.channel = parser.value(install).toStdString();
    if (!catalogue.find(view.channel))
        return usage(QStringLiteral("unknown channel '%1'; the channels are %2")
                         .arg(parser.value(install), channelKeys(catalogue)));
    return kestro::install(view, catalogue) ? kDone : kNotDone;
}

}  // namespace kestro
