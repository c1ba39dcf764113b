#include <cstdint>
#include <cstring>

#include "kzvt.h"

namespace {

using Alloc = void* (*)(int32_t, int32_t, int32_t*);
using AllocL = void* (*)(intptr_t, intptr_t, intptr_t*);

struct MallocRow {
    const char* name;
    Alloc plain;
    AllocL wide;
    int bytes;  // bytes per pixel
};

#define ROW(plain, wide, b) \
    { #plain, reinterpret_cast < Alloc>(&plain), reinterpret_cast < AllocL>(&wide), b }

const MallocRow kRows[] = {
    ROW(kzviMalloc_8u_C1, kzviMalloc_8u_C1_L, 1),        ROW(kzviMalloc_8u_C2, kzviMalloc_8u_C2_L, 2),
    ROW(kzviMalloc_8u_C3, kzviMalloc_8u_C3_L, 3),        ROW(kzviMalloc_8u_C4, kzviMalloc_8u_C4_L, 4),
    ROW(kzviMalloc_8u_AC4, kzviMalloc_8u_AC4_L, 4),      ROW(kzviMalloc_16u_C1, kzviMalloc_16u_C1_L, 2),
    ROW(kzviMalloc_16u_C2, kzviMalloc_16u_C2_L, 4),      ROW(kzviMalloc_16u_C3, kzviMalloc_16u_C3_L, 6),
    ROW(kzviMalloc_16u_C4, kzviMalloc_16u_C4_L, 8),      ROW(kzviMalloc_16u_AC4, kzviMalloc_16u_AC4_L, 8),
    ROW(kzviMalloc_16s_C1, kzviMalloc_16s_C1_L, 2),      ROW(kzviMalloc_16s_C2, kzviMalloc_16s_C2_L, 4),
    ROW(kzviMalloc_16s_C3, kzviMalloc_16s_C3_L, 6),      ROW(kzviMalloc_16s_C4, kzviMalloc_16s_C4_L, 8),
    ROW(kzviMalloc_16s_AC4, kzviMalloc_16s_AC4_L, 8),    ROW(kzviMalloc_32s_C1, kzviMalloc_32s_C1_L, 4),
    ROW(kzviMalloc_32s_C2, kzviMalloc_32s_C2_L, 8),      ROW(kzviMalloc_32s_C3, kzviMalloc_32s_C3_L, 12),
    ROW(kzviMalloc_32s_C4, kzviMalloc_32s_C4_L, 16),     ROW(kzviMalloc_32s_AC4, kzviMalloc_32s_AC4_L, 16),
    ROW(kzviMalloc_32f_C1, kzviMalloc_32f_C1_L, 4),      ROW(kzviMalloc_32f_C2, kzviMalloc_32f_C2_L, 8),
    ROW(kzviMalloc_32f_C3, kzviMalloc_32f_C3_L, 12),     ROW(kzviMalloc_32f_C4, kzviMalloc_32f_C4_L, 16),
    ROW(kzviMalloc_32f_AC4, kzviMalloc_32f_AC4_L, 16),   ROW(kzviMalloc_32sc_C1, kzviMalloc_32sc_C1_L, 8),
    ROW(kzviMalloc_32sc_C2, kzviMalloc_32sc_C2_L, 16),   ROW(kzviMalloc_32sc_C3, kzviMalloc_32sc_C3_L, 24),
    ROW(kzviMalloc_32sc_C4, kzviMalloc_32sc_C4_L, 32),   ROW(kzviMalloc_32sc_AC4, kzviMalloc_32sc_AC4_L, 32),
    ROW(kzviMalloc_32fc_C1, kzviMalloc_32fc_C1_L, 8),    ROW(kzviMalloc_32fc_C2, kzviMalloc_32fc_C2_L, 16),
    ROW(kzviMalloc_32fc_C3, kzviMalloc_32fc_C3_L, 24),   ROW(kzviMalloc_32fc_C4, kzviMalloc_32fc_C4_L, 32),
    ROW(kzviMalloc_32fc_AC4, kzviMalloc_32fc_AC4_L, 32),
};
#undef ROW

int64_t expectedStep(int64_t width, int bytes) {
    return (width * bytes + 63) / 64 * 64;
}

}  // namespace

TEST(Malloc, StepAndAlignmentForEveryExport) {
    for (const MallocRow& r : kRows) {
        SCOPED_TRACE(r.name);
        for (int w : {1, 3, 17, 64, 1001}) {
            for (int h : {1, 2, 7}) {
                int32_t step = -1;
                uint8_t* p = static_cast<uint8_t*>(r.plain(w, h, &step));
                ASSERT_NE(p, nullptr);
                EXPECT_EQ(step, expectedStep(w, r.bytes));
                EXPECT_EQ(reinterpret_cast<uintptr_t>(p) % 64, 0u);
                memset(p, 0x5A, size_t(step) * h);  // the whole block is usable
                kzviFree(p);

                intptr_t stepL = -1;
                p = static_cast<uint8_t*>(r.wide(w, h, &stepL));
                ASSERT_NE(p, nullptr);
                EXPECT_EQ(stepL, expectedStep(w, r.bytes));
                EXPECT_EQ(reinterpret_cast<uintptr_t>(p) % 64, 0u);
                memset(p, 0x5A, size_t(stepL) * h);
                kzviFree(p);
            }
        }
    }
}

TEST(Malloc, DocumentedCases) {
    int32_t s = -1;
    Kzv8u* p = kzviMalloc_8u_C1(1, 1, &s);
    EXPECT_EQ(s, 64);
    kzviFree(p);
    p = kzviMalloc_8u_C3(22, 1, &s);
    EXPECT_EQ(s, 128);
    kzviFree(p);
    Kzv32fc* c = kzviMalloc_32fc_C4(2, 3, &s);
    EXPECT_EQ(s, 64);
    ASSERT_NE(c, nullptr);
    memset(c, 0, 192);
    kzviFree(c);
}

TEST(Malloc, Failures) {
    struct Case {
        int32_t w, h;
        int32_t step;  // expected step after the call
        const char* why;
    };
    const Case cases[] = {
        {0, 10, 0, "zero width"},
        {10, 0, 0, "zero height"},
        {-1, 5, 0, "negative width"},
        {2147483647, 1, 0, "row bytes beyond the step limit after rounding"},
        {65536, 65536, 65536, "total beyond 2^31-1 keeps the step"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        int32_t s = 12345;
        EXPECT_EQ(kzviMalloc_8u_C1(c.w, c.h, &s), nullptr);
        EXPECT_EQ(s, c.step);
    }
    // Row bytes themselves beyond 2^31-1.
    int32_t s = 1;
    EXPECT_EQ(kzviMalloc_32f_C4(200000000, 1, &s), nullptr);
    EXPECT_EQ(s, 0);
    // A null step pointer returns null.
    EXPECT_EQ(kzviMalloc_8u_C1(10, 10, nullptr), nullptr);
    EXPECT_EQ(kzviMalloc_8u_C1_L(10, 10, nullptr), nullptr);
    kzviFree(nullptr);
}

TEST(Malloc, PointerWidthLimits) {
    intptr_t s = 7;
    EXPECT_EQ(kzviMalloc_8u_C1_L(0, 3, &s), nullptr);
    EXPECT_EQ(s, 0);
#if INTPTR_MAX > INT32_MAX
    // On a 64-bit target the _L allocators go past the 32-bit limits: a block
    // of 2^31 + 64 bytes. Address space is reserved lazily, so this is cheap.
    Kzv8u* p = kzviMalloc_8u_C1_L(65536, 32769, &s);
    EXPECT_EQ(s, 65536);
    ASSERT_NE(p, nullptr);
    p[intptr_t(65536) * 32768 + 65535] = 1;  // the last byte is addressable
    kzviFree(p);
    // Sizes no allocator can satisfy still fail cleanly, step written.
    EXPECT_EQ(kzviMalloc_8u_C1_L(intptr_t(1) << 40, intptr_t(1) << 30, &s), nullptr);
    EXPECT_EQ(s, intptr_t(1) << 40);
#else
    // On a 32-bit target the whole block must stay below 2^32 bytes.
    EXPECT_EQ(kzviMalloc_8u_C1_L(65536, 65536, &s), nullptr);
    EXPECT_EQ(s, 65536);
    EXPECT_EQ(kzviMalloc_8u_C1_L(2147483647, 1, &s), nullptr);
    EXPECT_EQ(s, 0);
#endif
}
