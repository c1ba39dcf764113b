// Cache queries as the row routines use them: the size of the largest cache
// decides when large writes switch to non-temporal stores.
#ifndef KZV_COMMON_CACHE_H
#define KZV_COMMON_CACHE_H

#include <stdint.h>

#include "kzvcore.h"

namespace kzv {

// The largest cache size in bytes, or 0 when the core library cannot tell
// (callers then stay on their ordinary path).
inline int64_t largestCacheBytes() {
    int32_t size = 0;
    if (kzvGetMaxCacheSizeB(&size) != 0) return 0;
    return size;
}

// True when `bytes` written reach cacheBytes / divisor and the cache size is
// known. Frames query once and pass the answer to their kernels, so tests can
// drive both paths through the kernels directly.
inline bool reachesCache(int64_t bytes, int64_t cacheBytes, int divisor = 1) {
    return cacheBytes > 0 && bytes >= cacheBytes / divisor;
}

inline int32_t cacheLineBytes() {
    int32_t line = 64;
    kzv_get_cache_line_size(&line);
    return line;
}

}  // namespace kzv

#endif  // KZV_COMMON_CACHE_H
