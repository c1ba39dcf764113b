// The kzvi tool end to end against direct library calls: each operation is
// run by the tool on a PGM/PPM file, and its output must equal, byte for
// byte, what the library gives for the same input and parameters. This
// checks the tool's argument handling, file reading and writing and its
// choice of library calls together.
#include <gtest/gtest.h>
#include <stdio.h>
#include <stdlib.h>
#include <sys/stat.h>

#include <random>
#include <string>
#include <vector>

#include "kzvi.h"

namespace {

struct Pnm {
    int width = 0, height = 0, channels = 0;
    std::vector<uint8_t> pixels;  // 8-bit samples, rows packed
};

std::string workDir() {
    const std::string dir = KZVT_TOOL_WORK;
    mkdir(dir.c_str(), 0755);
    return dir + "/";
}

void writePnm(const std::string& path, const Pnm& img) {
    FILE* f = fopen(path.c_str(), "wb");
    ASSERT_NE(f, nullptr) << path;
    fprintf(f, "%s\n%d %d\n255\n", img.channels == 1 ? "P5" : "P6", img.width, img.height);
    fwrite(img.pixels.data(), 1, img.pixels.size(), f);
    fclose(f);
}

// Reads the binary P5/P6 files the tool writes (8-bit only: one header line
// per field, no comments).
bool readPnm(const std::string& path, Pnm& img) {
    FILE* f = fopen(path.c_str(), "rb");
    if (!f) return false;
    char magic[3] = {0};
    int maxval = 0;
    const bool ok = fscanf(f, "%2s %d %d %d", magic, &img.width, &img.height, &maxval) == 4 && maxval == 255 &&
                    fgetc(f) != EOF;
    img.channels = std::string(magic) == "P5" ? 1 : 3;
    img.pixels.resize(size_t(img.width) * img.height * img.channels);
    const bool full = ok && fread(img.pixels.data(), 1, img.pixels.size(), f) == img.pixels.size();
    fclose(f);
    return full;
}

// Runs the tool with `args`; returns its exit status.
int runTool(const std::string& args) {
    const std::string cmd = std::string(KZVT_TOOL) + " " + args + " > " + workDir() + "tool.log 2>&1";
    const int rc = system(cmd.c_str());
    return WIFEXITED(rc) ? WEXITSTATUS(rc) : -1;
}

Pnm randomImage(int w, int h, int c, unsigned seed) {
    Pnm img;
    img.width = w;
    img.height = h;
    img.channels = c;
    img.pixels.resize(size_t(w) * h * c);
    std::mt19937 rng(seed);
    // Smooth content plus noise, so thresholds and filters see structure.
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w * c; ++x)
            img.pixels[size_t(y) * w * c + x] = uint8_t((x * 3 + y * 5) % 200 + rng() % 56);
    return img;
}

// Runs the tool on `in` with `op`, returns its output image.
Pnm toolOutput(const Pnm& in, const std::string& op) {
    const std::string dir = workDir();
    const std::string src = dir + (in.channels == 1 ? "in.pgm" : "in.ppm");
    const std::string dst = dir + (in.channels == 1 ? "out.pgm" : "out.ppm");
    remove(dst.c_str());
    writePnm(src, in);
    EXPECT_EQ(runTool(src + " " + op + " " + dst), 0) << op;
    Pnm out;
    EXPECT_TRUE(readPnm(dst, out)) << op;
    return out;
}

void expectSame(const Pnm& tool, const Pnm& lib, const std::string& what) {
    ASSERT_EQ(tool.width, lib.width) << what;
    ASSERT_EQ(tool.height, lib.height) << what;
    ASSERT_EQ(tool.channels, lib.channels) << what;
    size_t diff = 0;
    while (diff < tool.pixels.size() && tool.pixels[diff] == lib.pixels[diff]) ++diff;
    EXPECT_EQ(diff, tool.pixels.size()) << what << ": first difference at sample " << diff;
}

int32_t stepOf(const Pnm& p) {
    return p.width * p.channels;
}

TEST(ToolOps, MirrorMatchesLibrary) {
    for (int c : {1, 3}) {
        const Pnm in = randomImage(37, 21, c, 1u + c);
        for (auto [name, axis] : {std::pair<const char*, int>{"h", 1}, {"v", 0}, {"both", 2}}) {
            Pnm lib = in;
            const KzvImageSize r{in.width, in.height};
            ASSERT_EQ(c == 1 ? kzviMirror_8u_C1IR(lib.pixels.data(), stepOf(lib), r, axis)
                             : kzviMirror_8u_C3IR(lib.pixels.data(), stepOf(lib), r, axis),
                      kzvStatusOk);
            expectSame(toolOutput(in, std::string("mirror ") + name), lib, std::string("mirror ") + name);
        }
    }
}

TEST(ToolOps, BoxFilterMatchesLibrary) {
    for (int c : {1, 3}) {
        const Pnm in = randomImage(45, 30, c, 7u + c);
        Pnm lib = in;
        const KzvImageSize r{in.width, in.height}, m{5, 3};
        int32_t size = 0;
        ASSERT_EQ(kzviFilterBoxBorderGetBufferSize(r, m, kzvDataKind8u, c, &size), kzvStatusOk);
        std::vector<Kzv8u> buf(static_cast<size_t>(size));
        ASSERT_EQ(c == 1 ? kzviFilterBoxBorder_8u_C1R(in.pixels.data(), stepOf(in), lib.pixels.data(), stepOf(lib), r,
                                                      m, kzvBorderReplicate, nullptr, buf.data())
                         : kzviFilterBoxBorder_8u_C3R(in.pixels.data(), stepOf(in), lib.pixels.data(), stepOf(lib), r,
                                                      m, kzvBorderReplicate, nullptr, buf.data()),
                  kzvStatusOk);
        expectSame(toolOutput(in, "filter box 5x3"), lib, "filter box 5x3");
    }
}

TEST(ToolOps, SharpenMatchesLibrary) {
    const Kzv16s kernel[9] = {-1, -2, -1, -2, 16, -2, -1, -2, -1};
    for (int c : {1, 3}) {
        const Pnm in = randomImage(31, 26, c, 21u + c);
        const KzvImageSize r{in.width, in.height}, k{3, 3};
        int32_t specSize = 0, bufSize = 0;
        ASSERT_EQ(kzviFilterBorderGetSize(k, r, kzvDataKind8u, kzvDataKind16s, c, &specSize, &bufSize), kzvStatusOk);
        std::vector<Kzv8u> specMem(static_cast<size_t>(specSize)), buf(static_cast<size_t>(bufSize));
        auto* spec = reinterpret_cast<KzviFilterBorderSpec*>(specMem.data());
        ASSERT_EQ(kzviFilterBorderInit_16s(kernel, k, 4, kzvDataKind8u, c, kzvRoundNearestEven, spec), kzvStatusOk);
        Pnm lib = in;
        const Kzv8u zero[3] = {0, 0, 0};
        ASSERT_EQ(c == 1 ? kzviFilterBorder_8u_C1R(in.pixels.data(), stepOf(in), lib.pixels.data(), stepOf(lib), r,
                                                   kzvBorderReplicate, zero, spec, buf.data())
                         : kzviFilterBorder_8u_C3R(in.pixels.data(), stepOf(in), lib.pixels.data(), stepOf(lib), r,
                                                   kzvBorderReplicate, zero, spec, buf.data()),
                  kzvStatusOk);
        expectSame(toolOutput(in, "filter sharpen"), lib, "filter sharpen");
    }
}

TEST(ToolOps, ThresholdMatchesLibrary) {
    const Pnm in = randomImage(50, 40, 1, 11u);
    const KzvImageSize r{in.width, in.height};
    Kzv8u otsu = 0;
    ASSERT_EQ(kzviComputeThreshold_Otsu_8u_C1R(in.pixels.data(), stepOf(in), r, &otsu), kzvStatusOk);
    for (int t : {-1, 0, 100, 255}) {
        Pnm lib = in;
        const Kzv8u level = t < 0 ? otsu : Kzv8u(t);
        ASSERT_EQ(kzviCompareC_8u_C1R(in.pixels.data(), stepOf(in), level, lib.pixels.data(), stepOf(lib), r,
                                      kzvCmpGreater),
                  kzvStatusOk);
        const std::string op = t < 0 ? "threshold otsu" : "threshold " + std::to_string(t);
        expectSame(toolOutput(in, op), lib, op);
    }
}

TEST(ToolOps, NoiseWithSeedMatchesLibrary) {
    const Pnm in = randomImage(33, 17, 1, 3u);
    const KzvImageSize r{in.width, in.height};
    Pnm gauss = in, uniform = in;
    unsigned int seed = 42;
    ASSERT_EQ(kzviAddRandGauss_8u_C1IR(gauss.pixels.data(), stepOf(gauss), r, 10, 20, &seed), kzvStatusOk);
    seed = 9;
    ASSERT_EQ(kzviAddRandUniform_8u_C1IR(uniform.pixels.data(), stepOf(uniform), r, 0, 50, &seed), kzvStatusOk);
    expectSame(toolOutput(in, "noise gauss 10 20 42"), gauss, "noise gauss");
    expectSame(toolOutput(in, "noise uniform 0 50 9"), uniform, "noise uniform");
}

TEST(ToolOps, PatternIsTheChirp) {
    Pnm lib;
    lib.width = 70;
    lib.height = 44;
    lib.channels = 1;
    lib.pixels.resize(70 * 44);
    ASSERT_EQ(kzviImageJaehne_8u_C1R(lib.pixels.data(), 70, {70, 44}), kzvStatusOk);
    const std::string out = workDir() + "pattern.pgm";
    ASSERT_EQ(runTool("--pattern 70x44 mirror h + mirror h " + out), 0);
    Pnm tool;
    ASSERT_TRUE(readPnm(out, tool));
    expectSame(tool, lib, "pattern");
}

TEST(ToolOps, ConvertRoundTripKeepsPixels) {
    // 8u -> 32f -> 16u -> 8u: every step is exact for 8-bit values.
    const Pnm in = randomImage(19, 13, 3, 5u);
    expectSame(toolOutput(in, "convert 32f + convert 16u + convert 8u"), in, "convert chain");
}

TEST(ToolOps, ResizeMatchesLibrary) {
    struct Case {
        const char* name;
        KzvInterp interp;
    };
    const Case cases[] = {{"nearest", kzvInterpNearest},
                          {"linear", kzvInterpLinear},
                          {"cubic", kzvInterpCubic},
                          {"lanczos", kzvInterpLanczos}};
    for (int c : {1, 3}) {
        const Pnm in = randomImage(41, 29, c, 13u + c);
        for (const Case& k : cases) {
            for (auto [w, h] : {std::pair<int, int>{23, 17}, {90, 61}}) {
                const KzvImageSize src{in.width, in.height}, dst{w, h};
                int32_t specSize = 0, initSize = 0, bufSize = 0;
                ASSERT_EQ(kzviResizeGetSize_8u(src, dst, k.interp, 0, &specSize, &initSize), kzvStatusOk);
                std::vector<Kzv8u> specMem(static_cast<size_t>(specSize)), init(size_t(initSize) + 1);
                auto* spec = reinterpret_cast<KzvResizeSpec*>(specMem.data());
                KzvStatus s = k.interp == kzvInterpNearest ? kzviResizeNearestInit_8u(src, dst, spec)
                              : k.interp == kzvInterpLinear
                                  ? kzviResizeLinearInit_8u(src, dst, spec)
                              : k.interp == kzvInterpCubic ? kzviResizeCubicInit_8u(src, dst, 0.0f, 0.5f, spec, init.data())
                                                           : kzviResizeLanczosInit_8u(src, dst, 3, spec, init.data());
                ASSERT_EQ(s, kzvStatusOk);
                ASSERT_EQ(kzviResizeGetBufferSize_8u(spec, dst, c, &bufSize), kzvStatusOk);
                std::vector<Kzv8u> buf(static_cast<size_t>(bufSize));
                Pnm lib;
                lib.width = w;
                lib.height = h;
                lib.channels = c;
                lib.pixels.resize(size_t(w) * h * c);
                const Kzv8u* sp = in.pixels.data();
                Kzv8u* dp = lib.pixels.data();
                const int32_t ss = stepOf(in), ds = stepOf(lib);
                const KzvImagePoint o{0, 0};
                const KzvBorderKind b = kzvBorderReplicate;
                if (k.interp == kzvInterpNearest)
                    s = c == 1 ? kzviResizeNearest_8u_C1R(sp, ss, dp, ds, o, dst, spec, buf.data())
                               : kzviResizeNearest_8u_C3R(sp, ss, dp, ds, o, dst, spec, buf.data());
                else if (k.interp == kzvInterpLinear)
                    s = c == 1 ? kzviResizeLinear_8u_C1R(sp, ss, dp, ds, o, dst, b, nullptr, spec, buf.data())
                               : kzviResizeLinear_8u_C3R(sp, ss, dp, ds, o, dst, b, nullptr, spec, buf.data());
                else if (k.interp == kzvInterpCubic)
                    s = c == 1 ? kzviResizeCubic_8u_C1R(sp, ss, dp, ds, o, dst, b, nullptr, spec, buf.data())
                               : kzviResizeCubic_8u_C3R(sp, ss, dp, ds, o, dst, b, nullptr, spec, buf.data());
                else
                    s = c == 1 ? kzviResizeLanczos_8u_C1R(sp, ss, dp, ds, o, dst, b, nullptr, spec, buf.data())
                               : kzviResizeLanczos_8u_C3R(sp, ss, dp, ds, o, dst, b, nullptr, spec, buf.data());
                ASSERT_EQ(s, kzvStatusOk);
                const std::string op = "resize --size " + std::to_string(w) + "x" + std::to_string(h) + " --interp " +
                                       k.name;
                expectSame(toolOutput(in, op), lib, op);
            }
        }
    }
}

TEST(ToolOps, BadArgumentsFailWithAMessage) {
    const Pnm in = randomImage(8, 8, 1, 1u);
    const std::string src = workDir() + "small.pgm";
    writePnm(src, in);
    const char* bad[] = {"resize --size 0x5", "resize --size 10x10 --interp sinc", "resize", "filter box 3",
                         "threshold 300", "mirror sideways"};
    for (const char* op : bad) EXPECT_NE(runTool(src + " " + op + " " + workDir() + "bad.pgm"), 0) << op;
    // A library status comes back by name: a 2-pixel source is too small for
    // cubic interpolation.
    const Pnm tiny = randomImage(2, 2, 1, 1u);
    writePnm(src, tiny);
    EXPECT_NE(runTool(src + " resize --size 4x4 --interp cubic " + workDir() + "bad.pgm"), 0);
    FILE* log = fopen((workDir() + "tool.log").c_str(), "r");
    ASSERT_NE(log, nullptr);
    char text[512] = {0};
    const size_t n = fread(text, 1, sizeof text - 1, log);
    fclose(log);
    EXPECT_NE(std::string(text, n).find("kzvStatusSizeErr"), std::string::npos) << text;
}

}  // namespace
