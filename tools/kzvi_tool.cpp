// kzvi: command-line front end of the kzvi library, built on its public API.
//
//   kzvi info
//   kzvi [--pattern WxH] OP ARGS [+ OP ARGS ...] [IN] OUT
//   kzvi bench OP ARGS [--pattern WxH] [--repeat N]
//
// With no input file the built-in chirp test pattern is used.
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>

#include <string>
#include <vector>

#include "image_io.h"
#include "kzvcore.h"
#include "kzvi.h"
#include "tool_ops.h"

namespace {

const char* kUsage =
    "usage:\n"
    "  kzvi info                                  version, cache size and processor features\n"
    "  kzvi [--pattern WxH] [IN] OP ARGS [+ OP ARGS ...] [IN] OUT\n"
    "                                             apply operations to IN (or to the built-in\n"
    "                                             chirp pattern) and write OUT (.png, .pgm, .ppm)\n"
    "  kzvi bench OP ARGS [--pattern WxH] [--repeat N]\n"
    "                                             time one operation on the synthetic pattern\n"
    "operations:\n";

bool isImagePath(const std::string& s) {
    const char* exts[] = {".png", ".pgm", ".ppm", ".pnm"};
    for (const char* e : exts) {
        const size_t n = strlen(e);
        if (s.size() > n && strcasecmp(s.c_str() + s.size() - n, e) == 0) return true;
    }
    return false;
}

void printUsage(FILE* to) {
    fputs(kUsage, to);
    for (const Op& op : allOps()) {
        if (strlen(op.usage) <= 40)
            fprintf(to, "  %-40s %s\n", op.usage, op.help);
        else
            fprintf(to, "  %s\n  %-40s %s\n", op.usage, "", op.help);
    }
}

int fail(const std::string& msg) {
    fprintf(stderr, "kzvi: %s\n", msg.c_str());
    return 2;
}

struct Step {
    const Op* op;
    std::vector<std::string> args;
};

int info() {
    const KzvLibraryVersion* v = kzviGetLibVersion();
    printf("library:    %s\n", v->libraryName);
    printf("version:    %s (%d.%d.%d), built %s\n", v->versionText, v->majorVersion, v->minorVersion, v->updateNumber,
           v->buildDate);
    int32_t cache = 0, line = 0;
    if (kzvGetMaxCacheSizeB(&cache) == 0)
        printf("cache:      largest %d KiB", cache / 1024);
    else
        printf("cache:      largest unknown");
    kzv_get_cache_line_size(&line);
    printf(", line %d bytes\n", line);
    struct {
        uint64_t bit;
        const char* name;
    } const feats[] = {{KZV_FEATURE_SSE42, "sse4.2"}, {KZV_FEATURE_AVX, "avx"},        {KZV_FEATURE_AVX2, "avx2"},
                       {KZV_FEATURE_FMA, "fma"},      {KZV_FEATURE_F16C, "f16c"},      {KZV_FEATURE_BMI1, "bmi1"},
                       {KZV_FEATURE_BMI2, "bmi2"},    {KZV_FEATURE_LZCNT, "lzcnt"},    {KZV_FEATURE_POPCNT, "popcnt"},
                       {KZV_FEATURE_ERMS, "erms"},    {KZV_FEATURE_AVX512F, "avx512f"}};
    printf("features:  ");
    for (const auto& f : feats)
        if (ownGetFeature(f.bit)) printf(" %s", f.name);
    printf("\n");
    if (!ownGetFeature(KZV_FEATURE_AVX2 | KZV_FEATURE_FMA))
        printf("warning:    this processor lacks AVX2/FMA, which the library requires\n");
    return 0;
}

bool parseSize(const std::string& s, int& w, int& h) {
    char extra;
    return sscanf(s.c_str(), "%dx%d%c", &w, &h, &extra) == 2 && w > 0 && h > 0 && w <= 65536 && h <= 65536;
}

double now() {
    timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return double(ts.tv_sec) + 1e-9 * double(ts.tv_nsec);
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty() || args[0] == "-h" || args[0] == "--help" || args[0] == "help") {
        printUsage(args.empty() ? stderr : stdout);
        return args.empty() ? 2 : 0;
    }
    if (args[0] == "info") return info();

    bool bench = false;
    int repeat = 20;
    int patW = 512, patH = 512;
    std::vector<std::string> rest;
    size_t i = 0;
    if (args[0] == "bench") {
        bench = true;
        i = 1;
    }
    for (; i < args.size(); ++i) {
        if (args[i] == "--pattern") {
            if (i + 1 >= args.size() || !parseSize(args[i + 1], patW, patH))
                return fail("--pattern needs a size such as 640x480");
            ++i;
        } else if (bench && args[i] == "--repeat") {
            if (i + 1 >= args.size() || (repeat = atoi(args[i + 1].c_str())) < 1)
                return fail("--repeat needs a positive count");
            ++i;
        } else {
            rest.push_back(args[i]);
        }
    }

    // Split "OP ARGS + OP ARGS ... [IN] OUT".
    std::vector<std::string> files;
    while (!rest.empty() && isImagePath(rest.back()) && files.size() < 2) {
        files.insert(files.begin(), rest.back());
        rest.pop_back();
    }
    // The input may also come first: "kzvi in.png OP ARGS out.png".
    if (!rest.empty() && isImagePath(rest.front()) && files.size() == 1) {
        files.insert(files.begin(), rest.front());
        rest.erase(rest.begin());
    }
    std::vector<Step> steps;
    for (size_t k = 0; k < rest.size();) {
        const Op* op = findOp(rest[k]);
        if (!op) return fail("unknown operation '" + rest[k] + "' (kzvi --help lists them)");
        Step st{op, {}};
        ++k;
        while (k < rest.size() && rest[k] != "+") st.args.push_back(rest[k++]);
        if (k < rest.size()) ++k;  // the "+"
        steps.push_back(st);
    }
    if (steps.empty()) return fail("no operation given (kzvi --help lists them)");
    if (bench) {
        if (steps.size() != 1 || !files.empty()) return fail("bench times exactly one operation on the pattern");
    } else if (files.empty()) {
        return fail("no output file given");
    }

    std::string err;
    Image img;
    if (files.size() == 2) {
        if (!loadImage(files[0], img, err)) return fail(err);
        printf("read %s: %dx%d, %d channel(s), %s\n", files[0].c_str(), img.width, img.height, img.channels,
               depthName(img.depth));
    } else {
        if (!makePattern(patW, patH, img, err)) return fail(err);
        if (!bench) printf("built-in chirp pattern: %dx%d, 1 channel, 8u\n", patW, patH);
    }

    if (bench) {
        const Step& st = steps[0];
        double best = 1e30, total = 0;
        for (int r = 0; r < repeat; ++r) {
            Image work;
            if (!copyImage(img, work, err)) return fail(err);
            const double t0 = now();
            if (!st.op->run(work, st.args, err)) return fail(std::string(st.op->name) + ": " + err);
            const double dt = now() - t0;
            best = dt < best ? dt : best;
            total += dt;
        }
        printf("%s on %dx%d: best %.3f ms, mean %.3f ms over %d runs\n", st.op->name, img.width, img.height, best * 1e3,
               total / repeat * 1e3, repeat);
        return 0;
    }

    for (const Step& st : steps) {
        const double t0 = now();
        if (!st.op->run(img, st.args, err)) return fail(std::string(st.op->name) + ": " + err);
        printf("%-10s -> %dx%d, %d channel(s), %s  (%.2f ms)\n", st.op->name, img.width, img.height, img.channels,
               depthName(img.depth), (now() - t0) * 1e3);
    }
    if (!saveImage(files.back(), img, err)) return fail(err);
    printf("wrote %s\n", files.back().c_str());
    return 0;
}
