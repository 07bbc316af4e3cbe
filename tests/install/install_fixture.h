// SPDX-License-Identifier: GPL-3.0-or-later
// The install driven through a stand-in for the main window.
#pragma once

#include <algorithm>

#include "installer.h"
#include "temp_folder.h"

namespace kestro::test {

// Stands in for the main window: holds the texts and records what the user would see.
class FakeView : public InstallView {
  public:
    std::string channel, game, program;
    std::string destinationText = "Destino", sourceText = "Archivo";
    std::vector<float> progress;
    std::vector<Message> messages;
    std::vector<std::pair<std::string, std::string>> copies;  // destination, source

    std::string selectedChannel() const override { return channel; }
    std::string gameFolder() const override { return game; }
    std::string programFolder() const override { return program; }
    std::string destination() const override { return destinationText; }
    std::string source() const override { return sourceText; }
    // Like a text box, holds at most so many characters.
    size_t boxLimit = 32767;
    void setDestination(const std::string& text) override {
        destinationText = text.substr(0, boxLimit);
    }
    void setSource(const std::string& text) override { sourceText = text.substr(0, boxLimit); }
    void setProgress(float value) override { progress.push_back(value); }
    FileResult runCopyStep(Digest* written) override {
        copies.emplace_back(destinationText, sourceText);
        return copyStep(*this, written);
    }
    void showMessage(const Message& message) override { messages.push_back(message); }
    bool answerYes = true;
    std::vector<Message> questions;
    bool askYesNo(const Message& question) override {
        questions.push_back(question);
        return answerYes;
    }
};

class Install : public ::testing::Test {
  protected:
    void SetUp() override {
        fs::copy(test::channelsDir(), programDir(), fs::copy_options::recursive);
        fs::create_directories(gameDir());
        view_.program = test::utf8(programDir());
        view_.game = test::utf8(gameDir());
    }
    fs::path programDir() const { return tmp_.path() / "program"; }
    // The game folder as the game sees it, without the kept originals.
    std::vector<std::string> gameTree() const {
        std::vector<std::string> names = listTree(gameDir());
        std::erase_if(names, [](const std::string& n) { return n.starts_with("KESTRO backup"); });
        return names;
    }
    fs::path gameDir() const { return tmp_.path() / "VARNEX 2001"; }
    fs::path gameFile(std::string_view relative) const {
        std::string rel(relative.substr(1));
        std::replace(rel.begin(), rel.end(), '\\', '/');
        return gameDir() / rel;
    }
    fs::path programFile(std::string_view relative) const {
        std::string rel(relative.substr(1));
        std::replace(rel.begin(), rel.end(), '\\', '/');
        return programDir() / rel;
    }
    void install(const std::string& key) {
        view_.channel = key;
        kestro::install(view_);
    }
    const Message& onlyMessage() const {
        EXPECT_EQ(view_.messages.size(), 1u);
        return view_.messages.back();
    }

    TempFolder tmp_;
    FakeView view_;
};

}  // namespace kestro::test
