// SPDX-License-Identifier: GPL-3.0-or-later
// Measures what a player and a maintainer care about, each against its floor in the
// same run: start-up, install speed, memory while installing, the folder dialog on a
// huge folder, finding the game, and the preview. Prints a table; medians over repeated
// runs.
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <algorithm>
#include <cctype>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "catalogue.h"
#include "channellist.h"
#include "dirlistbox.h"
#include "findgame.h"
#include "form1.h"
#include "modal.h"
#include "paint_quit.h"
#include "platform.h"
#include "seams.h"
#include "settings.h"
#include "startup.h"

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;
// The largest file an install takes: three of them, about 200 MB, are the heaviest install.
constexpr size_t kLargest = kestro::kMaxChannelFileSize;

namespace {

std::string self;  // this executable, for the child processes

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

double millisecondsOf(const std::function<void()>& work) {
    const auto start = Clock::now();
    work();
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

struct Child {
    double ms;
    long maxRssKb;
};

// Starts a command as a child process, its standard output into `out` when given.
pid_t spawn(const std::vector<std::string>& args, int out = -1) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        if (out >= 0) ::dup2(out, STDOUT_FILENO);
        std::vector<char*> argv;
        for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    return pid;
}

void exitUnlessSucceeded(int status, const std::string& command) {
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "child %s failed\n", command.c_str());
        std::exit(1);
    }
}

// Runs a command as a child process; wall time from start to exit, and its peak memory.
Child run(const std::vector<std::string>& args) {
    const auto start = Clock::now();
    const pid_t pid = spawn(args);
    int status = 0;
    rusage usage{};
    ::wait4(pid, &status, 0, &usage);
    const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    exitUnlessSucceeded(status, args[0]);
    return {ms, usage.ru_maxrss};
}

// Runs a window as a child process; time from before its start to its first paint,
// which the child prints (see paint_quit.h). Its teardown is not start-up.
double runToFirstPaint(const std::vector<std::string>& args) {
    int out[2];
    if (::pipe2(out, O_CLOEXEC) != 0) std::exit(1);
    const auto start = Clock::now();
    const pid_t pid = spawn(args, out[1]);
    ::close(out[1]);
    std::string text;
    char buf[64];
    for (ssize_t n; (n = ::read(out[0], buf, sizeof buf)) > 0;) text.append(buf, size_t(n));
    ::close(out[0]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    exitUnlessSucceeded(status, args[0]);
    if (text.empty()) {
        std::fprintf(stderr, "child %s never painted\n", args[0].c_str());
        std::exit(1);
    }
    const Clock::time_point painted{std::chrono::nanoseconds(std::stoll(text))};
    return std::chrono::duration<double, std::milli>(painted - start).count();
}

void writeFile(const fs::path& path, size_t size, char seed) {
    fs::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary);
    std::vector<char> block(1 << 20);
    for (size_t i = 0; i < block.size(); ++i) block[i] = static_cast<char>(seed + i * 7);
    for (size_t done = 0; done < size; done += block.size())
        out.write(block.data(), static_cast<std::streamsize>(std::min(block.size(), size - done)));
}

// A program folder whose PROTV set (the largest: three files) has files of `size`.
fs::path programWithProtv(const fs::path& root, size_t size) {
    const fs::path program = root / "program";
    fs::create_directories(program);
    for (const auto& e : fs::directory_iterator(KESTRO_CHANNELS_DIR))
        if (e.is_directory())
            fs::copy(e.path(), program / e.path().filename(), fs::copy_options::recursive);
    for (const char* f : {"misc16.fsh", "misc8.fsh", "popups.abg"})
        writeFile(program / "protv" / f, size, f[0]);
    return program;
}

// The main window as a player has it: loaded, shown, settled.
struct Window {
    explicit Window(const QString& program, const QString& game) : form(program) {
        kestro::GameFolderSetting::setLocation(settings.filePath(QStringLiteral("KESTRO.ini")));
        kestro::GameFolderSetting::write(game, nullptr);
        // Answer every message at once, and Yes to every question.
        kestro::setModalRunner(
            [](QDialog& d) { return qobject_cast<QMessageBox*>(&d) ? int(QMessageBox::Yes) : 0; });
        form.Form_Load();
        form.show();
        QApplication::processEvents();
    }
    // As a click on the channel, then on Install, then on Restore, would.
    void choose(const QString& key) {
        auto* list = form.findChild<QListWidget*>(QStringLiteral("ListView1"));
        emit list->itemClicked(list->findItems(key, Qt::MatchExactly).value(0));
    }
    void install() { form.findChild<QPushButton*>(QStringLiteral("Command1"))->click(); }
    void restore() { form.findChild<QAction*>(QStringLiteral("mnuRestore"))->trigger(); }
    QTemporaryDir settings;
    kestro::Form1 form;
};

// --- children ---

int startupChild(const char* settingsFile) {
    int argc = 1;
    char* argv[] = {self.data(), nullptr};
    kestro::FontWarmUp fonts;  // as main.cpp starts the program
    QApplication app(argc, argv);
    fonts.wait();
    kestro::GameFolderSetting::setLocation(QString::fromLocal8Bit(settingsFile));
    kestro::Form1 form(QStringLiteral(KESTRO_CHANNELS_DIR));
    form.Form_Load();
    QuitOnFirstPaint quit(&form);
    form.show();
    return app.exec();
}

int memoryChild(bool install, const char* program, const char* game) {
    int argc = 1;
    char* argv[] = {self.data(), nullptr};
    QApplication app(argc, argv);
    Window w(QString::fromLocal8Bit(program), QString::fromLocal8Bit(game));
    if (install) {
        w.choose(QStringLiteral("PROTV"));
        w.install();
    }
    QApplication::processEvents();
    return 0;
}

// --- measures ---

struct Row {
    std::string measure, ours, floor, ratio, goal;
};
std::vector<Row> rows;

std::string fmt(const char* f, double v) {
    char buf[64];
    std::snprintf(buf, sizeof buf, f, v);
    return buf;
}

void startup(const std::string& floorExe, const fs::path& tmp) {
    const fs::path ini = tmp / "KESTRO.ini";
    std::ofstream(ini) << "[GENERAL]\nPATH=" << tmp.string() << "\n";
    std::vector<double> ours, floor;
    for (int i = -3; i < 51; ++i) {  // the first runs load libraries and fonts from disk
        if (i == 0) ours.clear(), floor.clear();
        ours.push_back(runToFirstPaint({self, "startup-child", ini.string()}));
        floor.push_back(runToFirstPaint({floorExe}));
    }
    const double o = median(ours), f = median(floor);
    rows.push_back({"start-up to window shown", fmt("%.1f ms", o), fmt("%.1f ms", f),
                    fmt("%.2f", o / f), "<= 1.25"});
}

// A game folder as the game installs it: its data folders with its own small files.
fs::path gameWithItsFiles(const fs::path& game) {
    for (const char* f :
         {"DATA/ENVIRO/Misc16.fsh", "DATA/ENVIRO/misc8.fsh", "DATA/POPUPS/popups.abg"})
        writeFile(game / f, 1024, 'g');
    return game;
}

// Installing PROTV over a game whose own files were kept by an earlier install (the
// uncounted first run), as a player switching channels does, against cp of the same
// files over the same game files followed by sync of them.
//
// With `settle`, a file of the channel's size is copied and deleted before each timed
// run of either side. On a virtual machine that hands freed memory back to its host,
// memory freed a while ago costs a fault to take back; cp frees the old file before
// writing the new one and never meets it, while a safe replacement writes the new file
// first. Settling gives both sides memory the machine holds, as real hardware has.
void install(const fs::path& tmp, size_t size, int runs, const char* label, const char* goal,
             bool settle = true) {
    const fs::path program = programWithProtv(tmp / label, size);
    const fs::path game = gameWithItsFiles(tmp / label / "game");
    const fs::path floorGame = gameWithItsFiles(tmp / label / "floor game");
    const std::string p = (program / "protv").string(), d = (floorGame / "DATA").string();
    const std::string cp = "cd '" + d + "' && cp '" + p + "/misc16.fsh' ENVIRO/Misc16.fsh && cp '" +
                           p + "/misc8.fsh' ENVIRO/misc8.fsh && cp '" + p +
                           "/popups.abg' POPUPS/popups.abg && sync ENVIRO/Misc16.fsh "
                           "ENVIRO/misc8.fsh POPUPS/popups.abg";
    const auto timeOurs = [&] {
        int argc = 1;
        char* argv[] = {self.data(), nullptr};
        QApplication app(argc, argv);
        Window w(QString::fromStdString(program.string()), QString::fromStdString(game.string()));
        w.choose(QStringLiteral("PROTV"));
        return millisecondsOf([&] { w.install(); });
    };
    const auto timeFloor = [&] {
        return millisecondsOf([&] {
            if (std::system(cp.c_str()) != 0) std::exit(1);
        });
    };
    const auto settleMemory = [&] {
        const fs::path scratch = tmp / label / "scratch";
        fs::copy_file(program / "protv/misc16.fsh", scratch);
        fs::remove(scratch);
    };
    std::vector<double> ours, floor;
    for (int i = -1; i < runs; ++i) {  // run -1 keeps the game's files and is not counted
        if (i == 0) ours.clear(), floor.clear();
        // Taking turns at going first, so neither always follows the other's writes.
        for (int turn = 0; turn < 2; ++turn) {
            if (settle) settleMemory();
            ::sync();  // nothing of the previous run is left to flush during this one
            if ((turn == 0) == (i % 2 == 0))
                ours.push_back(timeOurs());
            else
                floor.push_back(timeFloor());
        }
    }
    if (!fs::exists(game / "KESTRO backup/DATA/ENVIRO/Misc16.fsh")) std::exit(1);
    fs::remove_all(tmp / label);
    const double o = median(ours), f = median(floor);
    rows.push_back({std::string("install PROTV, ") + label, fmt("%.1f ms", o), fmt("%.1f ms", f),
                    fmt("%.2f", o / f), goal});
}

// Restoring the game's own 64 MiB files after PROTV was installed over them, against cp
// of the same files back over the channel's followed by sync of them. Memory settled
// before each timed run, as for the install.
void restore(const fs::path& tmp, size_t size, int runs) {
    const fs::path program = programWithProtv(tmp / "restore", size);
    const fs::path game = tmp / "restore/game", floorGame = tmp / "restore/floor game";
    const char* files[] = {"DATA/ENVIRO/Misc16.fsh", "DATA/ENVIRO/misc8.fsh",
                           "DATA/POPUPS/popups.abg"};
    std::string cp = "cd '" + floorGame.string() + "'";
    for (const char* f : files) cp += std::string(" && cp 'own/") + f + "' " + f;
    cp += " && sync DATA/ENVIRO/Misc16.fsh DATA/ENVIRO/misc8.fsh DATA/POPUPS/popups.abg";
    std::vector<double> ours, floor;
    for (int i = 0; i < runs; ++i) {
        for (const char* f : files) {
            writeFile(game / f, size, 'g');
            writeFile(floorGame / "own" / f, size, 'g');
            std::string name = fs::path(f).filename().string();  // the channel's in lower case
            name[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(name[0])));
            fs::create_directories((floorGame / f).parent_path());
            fs::copy_file(program / "protv" / name, floorGame / f,
                          fs::copy_options::overwrite_existing);
        }
        int argc = 1;
        char* argv[] = {self.data(), nullptr};
        QApplication app(argc, argv);
        Window w(QString::fromStdString(program.string()), QString::fromStdString(game.string()));
        w.choose(QStringLiteral("PROTV"));
        w.install();
        for (int turn = 0; turn < 2; ++turn) {
            const fs::path scratch = tmp / "restore/scratch";
            fs::copy_file(program / "protv/misc16.fsh", scratch);  // memory settled
            fs::remove(scratch);
            ::sync();
            if ((turn == 0) == (i % 2 == 0))
                ours.push_back(millisecondsOf([&] { w.restore(); }));
            else
                floor.push_back(millisecondsOf([&] {
                    if (std::system(cp.c_str()) != 0) std::exit(1);
                }));
        }
        if (fs::exists(game / "KESTRO backup/DATA/ENVIRO/Misc16.fsh")) std::exit(1);  // not back
        fs::remove_all(game);
    }
    fs::remove_all(tmp / "restore");
    const double o = median(ours), f = median(floor);
    rows.push_back({"restore, 3 x 64 MiB", fmt("%.1f ms", o), fmt("%.1f ms", f), fmt("%.2f", o / f),
                    "<= 1.2"});
}

// Installing FOX into a game folder given as "C:\..." through a Wine prefix: how often the
// prefix's drives are listed in the whole run (start-up included), and how many files and
// folders the install itself opens.
void prefixInstall(const fs::path& tmp) {
    const fs::path prefix = tmp / "prefix";
    fs::create_directories(prefix / "dosdevices");
    fs::create_directories(prefix / "drive_c/Games/VARNEX 2001/DATA/ENVIRO");
    fs::create_symlink("../drive_c", prefix / "dosdevices/c:");
    ::setenv("WINEPREFIX", prefix.c_str(), 1);
    int argc = 1;
    char* argv[] = {self.data(), nullptr};
    QApplication app(argc, argv);
    const long listedBefore = kestro::fileLayerCounts().driveListings;
    Window w(QStringLiteral(KESTRO_CHANNELS_DIR), QStringLiteral("C:\\Games\\VARNEX 2001"));
    w.choose(QStringLiteral("FOX"));
    const long opened = kestro::fileLayerCounts().opens;
    w.install();
    const long opens = kestro::fileLayerCounts().opens - opened;
    const long listed = kestro::fileLayerCounts().driveListings - listedBefore;
    ::unsetenv("WINEPREFIX");
    fs::remove_all(prefix);
    rows.push_back({"FOX through the Wine prefix: drive listings a run, opens an install",
                    std::to_string(listed) + ", " + std::to_string(opens), "-", "-",
                    "1, about 12"});
}

void memory(const fs::path& tmp) {
    const fs::path program = programWithProtv(tmp / "memory", kLargest);
    const fs::path game = tmp / "memory/game";
    fs::create_directories(game);
    const long idle = run({self, "memory-child", "idle", program.string(), game.string()}).maxRssKb;
    const long busy =
        run({self, "memory-child", "install", program.string(), game.string()}).maxRssKb;
    fs::remove_all(tmp / "memory");
    rows.push_back({"peak memory, installing 3 x 64 MiB", fmt("%.1f MB", busy / 1024.0),
                    fmt("%.1f MB", idle / 1024.0), fmt("%+.1f MB", (busy - idle) / 1024.0),
                    "within +10 MB"});
}

void dialog(const fs::path& tmp) {
    const fs::path big = tmp / "twenty thousand";
    fs::create_directories(big);
    for (int i = 0; i < 20000; ++i) fs::create_directory(big / ("folder " + std::to_string(i)));
    int argc = 1;
    char* argv[] = {self.data(), nullptr};
    QApplication app(argc, argv);
    const kestro::Drive root{QStringLiteral("/"), QStringLiteral("/"), QStringLiteral("/"), u'/'};
    const QStringList components =
        QString::fromStdString(big.string()).split(u'/', Qt::SkipEmptyParts);
    std::vector<double> ours, floor;
    for (int i = 0; i < 5; ++i) {
        kestro::DirListBox list;
        ours.push_back(millisecondsOf([&] { list.open(root, components); }));
        size_t n = 0;
        floor.push_back(millisecondsOf([&] {
            for (const auto& e : fs::directory_iterator(big)) n += e.is_directory();
        }));
    }
    fs::remove_all(big);
    const double o = median(ours), f = median(floor);
    rows.push_back({"folder dialog, 20,000 subfolders", fmt("%.1f ms", o), fmt("%.1f ms", f),
                    fmt("%.1f", o / f), "reported"});
}

// Finding the game in a home with five prefixes, 20,000 folders where the search looks,
// against listing the same folders with find. Both run on folders already in memory.
void findgame(const fs::path& tmp) {
    const fs::path home = tmp / "findgame";
    std::vector<std::string> find{"/usr/bin/find"};
    for (const char* prefix :
         {".wine", "Games/lutris", ".local/share/bottles/bottles/b", ".PlayOnLinux/wineprefix/p",
          ".steam/steam/steamapps/compatdata/1/pfx"}) {
        const fs::path programs = home / prefix / "drive_c/Program Files";
        for (int publisher = 0; publisher < 40; ++publisher)  // 40 + 40 x 99 = 4,000 folders
            for (int product = 0; product < 99; ++product)
                fs::create_directories(programs / ("publisher " + std::to_string(publisher)) /
                                       ("product " + std::to_string(product)));
        find.push_back((home / prefix).string());
    }
    writeFile(home /
                  ".steam/steam/steamapps/compatdata/1/pfx/drive_c/Program Files/publisher 39/"
                  "product 98/DATA/ENVIRO/Misc16.fsh",
              16, 'g');
    const int nowhere = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
    kestro::GameSearch search;
    search.home = home;
    std::vector<double> ours, floor;
    for (int i = -1; i < 9; ++i) {  // run -1 brings the folders into memory and is not counted
        if (i == 0) ours.clear(), floor.clear();
        kestro::SearchReport report;
        ours.push_back(millisecondsOf([&] { report = kestro::findGame(search); }));
        if (report.found.size() != 1 || report.stoppedEarly) std::exit(1);
        floor.push_back(millisecondsOf([&] {
            int status = 0;
            ::waitpid(spawn(find, nowhere), &status, 0);
            exitUnlessSucceeded(status, find[0]);
        }));
    }
    ::close(nowhere);
    fs::remove_all(home);
    const double o = median(ours), f = median(floor);
    rows.push_back({"find the game, 5 prefixes, 20,000 folders", fmt("%.1f ms", o),
                    fmt("%.1f ms", f), fmt("%.2f", o / f), "<= 2"});
}

void preview(const fs::path& tmp) {
    int argc = 1;
    char* argv[] = {self.data(), nullptr};
    QApplication app(argc, argv);
    Window w(QStringLiteral(KESTRO_CHANNELS_DIR), QString::fromStdString(tmp.string()));
    auto* image = w.form.findChild<QLabel*>(QStringLiteral("Image1"));
    const QString file = QStringLiteral(KESTRO_CHANNELS_DIR "/fox/preview.jpg");
    std::vector<double> ours, floor;
    for (int i = 0; i < 200; ++i) {
        w.choose(QStringLiteral("NTV"));
        ours.push_back(millisecondsOf([&] {
            w.choose(QStringLiteral("FOX"));
            image->repaint();
        }));
        floor.push_back(millisecondsOf([&] { QImageReader(file).read(); }));
    }
    const double o = median(ours), f = median(floor);
    rows.push_back({"preview, click to picture shown", fmt("%.3f ms", o), fmt("%.3f ms", f),
                    fmt("%.2f", o / f), "reported"});
}

}  // namespace

int main(int argc, char* argv[]) {
    self = fs::canonical("/proc/self/exe").string();
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);  // unless the caller chose a display
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "startup-child") return startupChild(argv[2]);
    if (mode == "memory-child")
        return memoryChild(std::string(argv[2]) == "install", argv[3], argv[4]);
    if (argc < 2) {
        std::fprintf(stderr,
                     "usage: kestro_bench <floor_window executable> [scratch folder] "
                     "[startup|install|prefix|restore|memory|dialog|findgame|preview ...]\n");
        return 2;
    }
    const fs::path tmp =
        fs::path(argc > 2 ? argv[2] : "/var/tmp") / ("kestro-bench-" + std::to_string(::getpid()));
    // Every measure unless some are named.
    const std::vector<std::string> named(argv + std::min(argc, 3), argv + argc);
    const auto wanted = [&](const char* measure) {
        return named.empty() || std::find(named.begin(), named.end(), measure) != named.end();
    };
    fs::create_directories(tmp);
    if (wanted("startup")) startup(argv[1], tmp);
    if (wanted("install")) {
        install(tmp, 2u << 20, 7, "3 x 2 MB", "reported");
        install(tmp, kLargest, 9, "3 x 64 MiB", "<= 1.2");
        install(tmp, kLargest, 9, "3 x 64 MiB, memory not settled", "reported", false);
    }
    if (wanted("prefix")) prefixInstall(tmp);
    if (wanted("restore")) restore(tmp, kLargest, 5);
    if (wanted("memory")) memory(tmp);
    if (wanted("dialog")) dialog(tmp);
    if (wanted("findgame")) findgame(tmp);
    if (wanted("preview")) preview(tmp);
    fs::remove_all(tmp);

    std::printf("| measure | KESTRO | floor | ratio | goal |\n|---|---|---|---|---|\n");
    for (const Row& r : rows)
        std::printf("| %s | %s | %s | %s | %s |\n", r.measure.c_str(), r.ours.c_str(),
                    r.floor.c_str(), r.ratio.c_str(), r.goal.c_str());
    return 0;
}
