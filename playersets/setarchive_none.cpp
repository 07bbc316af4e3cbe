// SPDX-License-Identifier: GPL-3.0-or-later
// A build without libarchive (the install core's own test build for Windows) reads sets
// from folders only.
#include "setsource.h"

namespace kestro {

SourceProblem readSetArchive(std::string_view, SetContents&, const ReadProgress&) {
    return {SourceProblem::What::UnknownArchive, 0, {}, {}};
}

SourceProblem readSetArchiveFile(const std::filesystem::path&, SetContents&, const ReadProgress&) {
    return {SourceProblem::What::UnknownArchive, 0, {}, {}};
}

}  // namespace kestro
