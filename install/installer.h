// SPDX-License-Identifier: GPL-3.0-or-later
// Installing a channel into the game folder. The window that runs it implements
// InstallView; the install reads and writes only through it.
#pragma once

#include <string>
#include <vector>

#include "catalogue.h"
#include "fileops.h"

namespace kestro {

inline constexpr std::string_view kInstallTitle = "KESTRO 2001";

struct Message {
    enum class Kind { Plain, Warning };
    std::string title;
    std::string text;
    Kind kind = Kind::Plain;
};

class InstallView {
  public:
    virtual ~InstallView() = default;

    virtual std::string selectedChannel() const = 0;  // Text1
    virtual std::string gameFolder() const = 0;       // Ubicacion

    // The pending copy, handed from the install to the copy step.
    virtual std::string destination() const = 0;  // Destino
    virtual std::string source() const = 0;       // Archivo
    virtual void setDestination(const std::string& text) = 0;
    virtual void setSource(const std::string& text) = 0;

    virtual void setProgress(float value) = 0;  // ProgressBar1, 0 to 100
    // The Copia button: copyStep(*this, written).
    virtual FileResult runCopyStep(Digest* written = nullptr) = 0;
    virtual void showMessage(const Message& message) = 0;  // modal, returns when closed
    virtual bool askYesNo(const Message& question) = 0;    // modal; true for Yes
};

// The copy step: makes the destination an ordinary file, then copies the source over
// it. Reads the two paths from the view; with `written`, tells what the file now holds.
FileResult copyStep(const InstallView& view, Digest* written = nullptr);

// Installs the channel named by the view's selection into its game folder and tells
// the user how it went: the channel's own message when every file was replaced,
// otherwise a warning that lists what was and was not replaced, and why. Returns the
// channel when every one of its files was replaced, else nullptr.
const ChannelSet* install(InstallView& view, const Catalogue& catalogue);

// Asks, then puts the game's kept original files back and removes the files installs
// added, as far as they are still what the program wrote, and reports file by file.
// True when nothing is left undone (also when there was nothing to restore).
bool restore(InstallView& view, const Catalogue& catalogue);

}  // namespace kestro
