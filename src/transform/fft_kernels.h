// One-dimensional Fourier transforms of single-precision data, the building
// blocks of the two-dimensional FFT/DFT and of the families built on them
// (DCT, packed-spectrum operations, convolution by FFT).
//
// Interface
// ---------
// A 1-D transform lives in a plan: a block of caller memory, 64-byte
// aligned, whose first 32-bit word is its identifier (kPlanComplex = 5 or
// kPlanReal = 7). Plans hold the length, the forward and inverse scale
// factors of the normalisation flag (doubles, 1.0 unless the flag sets them)
// and tables computed in double and rounded once to float.
//
//   1. complexPlanSizes / realPlanSizes(n, flag, &sizes): validates the
//      length (>= 1) and flag (1, 2, 4, 8) and reports the plan bytes, the
//      init memory bytes (Init only; 0 when none is needed) and the scratch
//      bytes a transform call needs. Sizes exclude caller-misalignment slack.
//   2. complexPlanInit / realPlanInit(n, flag, hint, plan, initMem): builds
//      the plan at `plan` (64-byte aligned, at least `sizes.plan` bytes).
//      initMem (any alignment) is needed only when sizes.init > 0.
//   3. complexTransform(plan, inverse, in, out, scratch): any length; `in`
//      may equal `out`; scratch holds at least scratchBytes(plan) bytes,
//      32-byte aligned (may be null when that is 0).
//      realForward(plan, in, out, scratch): n reals -> n floats in the
//      packed layout (X0, Re X1, Im X1, ..., and X(n/2) last for even n).
//      realInverse(plan, in, out, scratch): packed -> n reals.
//      `in` may equal `out` for both.
//   4. Batches of eight interleaved complex sequences (the column pass):
//      batchSupported(plan) tells whether the plan can run them (not for
//      lengths that need the chirp method); batch8(plan, inverse, data)
//      transforms in place n elements of 8 complex values (64 bytes each,
//      32-byte aligned) and leaves the spectrum in a permuted order:
//      frequency k of lane j is at element batchOrder(plan)[k], lane j.
//      The plan's scale factor is NOT applied by batch8 (callers fold it
//      into their scatter: planScale(plan, inverse)).
//
// Plans are read-only after Init: any number of calls may share one, each
// with its own scratch. Nothing here allocates or keeps global state.
#ifndef KZV_TRANSFORM_FFT_KERNELS_H
#define KZV_TRANSFORM_FFT_KERNELS_H

#include <stddef.h>
#include <stdint.h>

#include "kzvi.h"

namespace kzv::fft {

constexpr int32_t kPlanComplex = 5;
constexpr int32_t kPlanReal = 7;

struct PlanSizes {
    uint64_t plan = 0;     // reported plan bytes
    uint64_t init = 0;     // reported init-memory bytes
    uint64_t scratch = 0;  // reported scratch bytes
    uint64_t planUsed = 0;     // bytes Init actually writes
    uint64_t scratchUsed = 0;  // bytes a transform call actually uses (0: none)
};

// Scale factors of a normalisation flag for length n; false for a bad flag.
bool flagScales(int flag, int64_t n, double* fwd, double* inv);

KzvStatus complexPlanSizes(int64_t n, int flag, PlanSizes* sizes);
KzvStatus realPlanSizes(int64_t n, int flag, PlanSizes* sizes);
KzvStatus complexPlanInit(int64_t n, int flag, int hint, uint8_t* plan, uint8_t* initMem);
KzvStatus realPlanInit(int64_t n, int flag, int hint, uint8_t* plan, uint8_t* initMem);

int32_t planId(const uint8_t* plan);
int64_t planLength(const uint8_t* plan);
float planScale(const uint8_t* plan, bool inverse);
size_t scratchBytes(const uint8_t* plan);

void complexTransform(const uint8_t* plan, bool inverse, const Kzv32fc* in, Kzv32fc* out, void* scratch);
void realForward(const uint8_t* plan, const float* in, float* out, void* scratch);
void realInverse(const uint8_t* plan, const float* in, float* out, void* scratch);

bool batchSupported(const uint8_t* plan);
void batch8(const uint8_t* plan, bool inverse, float* data);
const int32_t* batchOrder(const uint8_t* plan);

}  // namespace kzv::fft

#endif  // KZV_TRANSFORM_FFT_KERNELS_H
