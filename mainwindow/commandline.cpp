// SPDX-License-Identifier: GPL-3.0-or-later
#include "commandline.h"

#include <QCommandLineParser>
#include <QDir>
#include <cstdio>

#include "catalogue.h"
#include "installer.h"
#include "originals.h"
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
    std::string channel, game, program, destinationText, sourceText;

    std::string selectedChannel() const override { return channel; }
    std::string gameFolder() const override { return game; }
    std::string programFolder() const override { return program; }
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

QString channelKeys() {
    QStringList keys;
    for (const Channel& channel : channels())
        keys << QString::fromUtf8(channel.key.data(), channel.key.size());
    return keys.join(QStringLiteral(", "));
}

int usage(const QString& why) {
    say(stderr, QStringLiteral("kestro: %1\nTry 'kestro --help'.").arg(why));
    return kUsage;
}

}  // namespace

int runCommandLine(const QStringList& arguments, const QString& programFolder) {
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
        QStringLiteral("Install CHANNEL (one of %1).").arg(channelKeys()),
        QStringLiteral("CHANNEL"));
    const QCommandLineOption restore(QStringLiteral("restore"),
                                     QStringLiteral("Put the game's original files back."));
    const QCommandLineOption folder(QStringLiteral("game-folder"),
                                    QStringLiteral("The game folder to install into or restore "
                                                   "(default: the stored one; never stored)."),
                                    QStringLiteral("PATH"));
    parser.addOptions({help, version, list, install, restore, folder});
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
    const int actions = parser.isSet(list) + parser.isSet(install) + parser.isSet(restore);
    if (actions != 1)
        return usage(actions ? QStringLiteral("give one of --list, --install, --restore")
                             : QStringLiteral("nothing to do"));

    ConsoleView view;
    view.program = QDir::toNativeSeparators(programFolder).toStdString();
    const QString game = parser.isSet(folder) ? parser.value(folder) : GameFolderSetting::read();
    view.game = game.toStdString();
    if (parser.isSet(list)) {
        if (parser.isSet(folder))
            return usage(QStringLiteral("--game-folder goes with --install or --restore"));
        const Channel* installed =
            game.isEmpty() ? nullptr : installedChannel(view.game, view.program);
        for (const Channel& channel : channels())
            say(stdout, QString::fromUtf8(channel.key.data(), channel.key.size()) +
                            (&channel == installed ? QStringLiteral(" (installed)") : QString()));
        return kDone;
    }
    if (game.isEmpty())
        return usage(QStringLiteral("no game folder is stored; give one with --game-folder"));
    if (parser.isSet(restore)) return kestro::restore(view) ? kDone : kNotDone;
    view.channel = parser.value(install).toStdString();
    if (!findChannel(view.channel))
        return usage(QStringLiteral("unknown channel '%1'; the channels are %2")
                         .arg(parser.value(install), channelKeys()));
    return kestro::install(view) ? kDone : kNotDone;
}

}  // namespace kestro
