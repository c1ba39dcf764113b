// kzvcore: aligned allocation, cache-size queries and processor features.
#include "kzvcore.h"

#include <cpuid.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

namespace {

constexpr size_t kAlign = 64;

struct Regs {
    unsigned a, b, c, d;
};

Regs cpuid(unsigned leaf, unsigned sub = 0) {
    Regs r{0, 0, 0, 0};
    __cpuid_count(leaf, sub, r.a, r.b, r.c, r.d);
    return r;
}

unsigned maxLeaf() {
    return __get_cpuid_max(0, nullptr);
}

unsigned maxExtLeaf() {
    return __get_cpuid_max(0x80000000u, nullptr);
}

// Enabled register states from XGETBV(0), or 0 where OSXSAVE is off.
uint64_t xcr0() {
    Regs r = cpuid(1);
    if (!(r.c & (1u << 27))) return 0;
    unsigned lo, hi;
    __asm__ volatile("xgetbv" : "=a"(lo), "=d"(hi) : "c"(0));
    return (uint64_t(hi) << 32) | lo;
}

uint64_t detectFeatures() {
    uint64_t f = 0;
    unsigned top = maxLeaf();
    if (top < 1) return 0;
    Regs l1 = cpuid(1);
    auto bit = [](unsigned reg, int b) { return (reg >> b) & 1u; };
    if (bit(l1.d, 23)) f |= KZV_FEATURE_MMX;
    if (bit(l1.d, 25)) f |= KZV_FEATURE_SSE;
    if (bit(l1.d, 26)) f |= KZV_FEATURE_SSE2;
    if (bit(l1.c, 0)) f |= KZV_FEATURE_SSE3;
    if (bit(l1.c, 9)) f |= KZV_FEATURE_SSSE3;
    if (bit(l1.c, 22)) f |= KZV_FEATURE_MOVBE;
    if (bit(l1.c, 19)) f |= KZV_FEATURE_SSE41;
    if (bit(l1.c, 20)) f |= KZV_FEATURE_SSE42;
    if (bit(l1.c, 25)) f |= KZV_FEATURE_AES;
    if (bit(l1.c, 1)) f |= KZV_FEATURE_CLMUL;
    if (bit(l1.c, 30)) f |= KZV_FEATURE_RDRAND;
    if (bit(l1.c, 23)) f |= KZV_FEATURE_POPCNT;
    const uint64_t x = xcr0();
    const bool ymm = (x & 0x6) == 0x6;
    const bool zmm = (x & 0xE6) == 0xE6;
    if (ymm && bit(l1.c, 28)) f |= KZV_FEATURE_AVX;
    if (ymm && bit(l1.c, 29)) f |= KZV_FEATURE_F16C;
    if (ymm && bit(l1.c, 12)) f |= KZV_FEATURE_FMA;
    if (top >= 7) {
        Regs l7 = cpuid(7, 0);
        if (ymm && bit(l7.b, 5)) f |= KZV_FEATURE_AVX2;
        if (bit(l7.b, 3)) f |= KZV_FEATURE_BMI1;
        if (bit(l7.b, 8)) f |= KZV_FEATURE_BMI2;
        if (bit(l7.b, 19)) f |= KZV_FEATURE_ADX;
        if (bit(l7.b, 18)) f |= KZV_FEATURE_RDSEED;
        if (bit(l7.b, 29)) f |= KZV_FEATURE_SHA;
        if (bit(l7.b, 23)) f |= KZV_FEATURE_CLFLUSHOPT;
        if (bit(l7.b, 9)) f |= KZV_FEATURE_ERMS;
        if (zmm && bit(l7.b, 16)) f |= KZV_FEATURE_AVX512F;
    }
    unsigned ext = maxExtLeaf();
    if (ext >= 0x80000001u) {
        Regs e1 = cpuid(0x80000001u);
        if (bit(e1.c, 5)) f |= KZV_FEATURE_LZCNT;
        if (bit(e1.c, 8)) f |= KZV_FEATURE_PREFETCHW;
    }
    if (ext >= 0x80000007u) {
        Regs e7 = cpuid(0x80000007u);
        if (bit(e7.d, 8)) f |= KZV_FEATURE_INVTSC;
    }
    return f;
}

// Deterministic cache parameters (leaf 4 on Intel, 0x8000001D on AMD):
// the size of the largest data or unified cache, 0 when not reported.
uint64_t cacheFromLeaf(unsigned leaf) {
    uint64_t best = 0;
    for (unsigned i = 0; i < 16; ++i) {
        Regs r = cpuid(leaf, i);
        unsigned type = r.a & 0x1F;
        if (type == 0) break;
        if (type != 1 && type != 3) continue;  // data or unified
        uint64_t ways = ((r.b >> 22) & 0x3FF) + 1;
        uint64_t parts = ((r.b >> 12) & 0x3FF) + 1;
        uint64_t line = (r.b & 0xFFF) + 1;
        uint64_t sets = uint64_t(r.c) + 1;
        uint64_t size = ways * parts * line * sets;
        if (size > best) best = size;
    }
    return best;
}

uint64_t cacheFromCpuid() {
    char vendor[13] = {0};
    Regs v = cpuid(0);
    memcpy(vendor, &v.b, 4);
    memcpy(vendor + 4, &v.d, 4);
    memcpy(vendor + 8, &v.c, 4);
    uint64_t size = 0;
    if (v.a >= 4) size = cacheFromLeaf(4);
    if (size == 0 && maxExtLeaf() >= 0x8000001Du) {
        // AMD reports topology extensions in 0x80000001 ECX bit 22.
        Regs e1 = cpuid(0x80000001u);
        if ((e1.c >> 22) & 1u) size = cacheFromLeaf(0x8000001Du);
    }
    if (size == 0 && maxExtLeaf() >= 0x80000006u) {
        // Legacy AMD leaf: L2 in ECX[31:16] KiB, L3 in EDX[31:18] x 512 KiB.
        Regs e6 = cpuid(0x80000006u);
        uint64_t l2 = uint64_t(e6.c >> 16) * 1024;
        uint64_t l3 = uint64_t(e6.d >> 18) * 512 * 1024;
        size = l3 > l2 ? l3 : l2;
    }
    (void)vendor;
    return size;
}

// Fallback: the largest "index*/size" under the kernel's cache description.
uint64_t cacheFromSysfs() {
    uint64_t best = 0;
    for (int i = 0; i < 8; ++i) {
        char path[96];
        snprintf(path, sizeof path, "/sys/devices/system/cpu/cpu0/cache/index%d/size", i);
        FILE* fp = fopen(path, "r");
        if (!fp) continue;
        unsigned long long v = 0;
        char unit = 0;
        int n = fscanf(fp, "%llu%c", &v, &unit);
        fclose(fp);
        if (n < 1) continue;
        if (unit == 'K')
            v *= 1024ull;
        else if (unit == 'M')
            v *= 1024ull * 1024ull;
        if (v > best) best = v;
    }
    return best;
}

uint64_t maxCacheBytes() {
    // Computed once; the processor does not change under a running process.
    static const uint64_t size = [] {
        uint64_t s = cacheFromCpuid();
        if (s == 0) s = cacheFromSysfs();
        return s;
    }();
    return size;
}

uint64_t features() {
    static const uint64_t f = detectFeatures();
    return f;
}

void* alignedAlloc(size_t bytes) {
    void* p = nullptr;
    if (posix_memalign(&p, kAlign, bytes) != 0) return nullptr;
    return p;
}

}  // namespace

void* kzvMalloc(int32_t length) {
    if (length < 1) return nullptr;
    return alignedAlloc(size_t(length));
}

void* kzvMalloc_L(intptr_t length) {
    if (length < 1) return nullptr;
    return alignedAlloc(size_t(length));
}

void kzvFree(void* ptr) {
    free(ptr);
}

int32_t kzvGetMaxCacheSizeB(int32_t* pSizeBytes) {
    if (!pSizeBytes) return -8;
    uint64_t s = maxCacheBytes();
    if (s == 0 || s > 0x7FFFFFFFu) return -1;
    *pSizeBytes = int32_t(s);
    return 0;
}

int32_t kzv_get_cache_line_size(int32_t* pSizeBytes) {
    if (!pSizeBytes) return -8;
    int32_t line = 64;
    if (maxLeaf() >= 1) {
        Regs r = cpuid(1);
        unsigned clflush = ((r.b >> 8) & 0xFF) * 8;
        if ((r.d >> 19) & 1u && clflush) line = int32_t(clflush);
    }
    *pSizeBytes = line;
    return 0;
}

int32_t ownGetFeature(uint64_t featureMask) {
    return (features() & featureMask) == featureMask ? 1 : 0;
}
