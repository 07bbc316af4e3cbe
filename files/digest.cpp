// SPDX-License-Identifier: GPL-3.0-or-later
#include "digest.h"

// Header-only, so the Windows build needs nothing but the header.
#define XXH_INLINE_ALL
#include <xxhash.h>

namespace kestro {

DigestBuilder::DigestBuilder() : state_(XXH3_createState()) {
    XXH3_128bits_reset(static_cast<XXH3_state_t*>(state_));
}

DigestBuilder::~DigestBuilder() {
    XXH3_freeState(static_cast<XXH3_state_t*>(state_));
}

void DigestBuilder::add(const void* data, std::size_t size) {
    XXH3_128bits_update(static_cast<XXH3_state_t*>(state_), data, size);
    size_ += size;
}

Digest DigestBuilder::finish() {
    const XXH128_hash_t hash = XXH3_128bits_digest(static_cast<XXH3_state_t*>(state_));
    return {size_, hash.high64, hash.low64};
}

}  // namespace kestro
