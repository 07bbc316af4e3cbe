// SPDX-License-Identifier: GPL-3.0-or-later
// What a file holds, told apart from any other file: its size and XXH3-128 hash.
#pragma once

#include <cstddef>
#include <cstdint>

namespace kestro {

struct Digest {
    std::uint64_t size = 0, high = 0, low = 0;
    bool operator==(const Digest&) const = default;
};

// Hashes bytes as they stream past.
class DigestBuilder {
  public:
    DigestBuilder();
    ~DigestBuilder();
    DigestBuilder(const DigestBuilder&) = delete;
    DigestBuilder& operator=(const DigestBuilder&) = delete;
    void add(const void* data, std::size_t size);
    Digest finish();

  private:
    void* state_;
    std::uint64_t size_ = 0;
};

}  // namespace kestro
