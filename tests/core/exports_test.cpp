// The shared objects export exactly the names the headers declare, every one
// resolves, and no AVX-512 instruction is in the code.
#include <dlfcn.h>

#include <cstdio>
#include <fstream>
#include <set>
#include <string>

#include "kzvt.h"

namespace {

std::set<std::string> readList(const char* path) {
    std::set<std::string> names;
    std::ifstream in(path);
    std::string line;
    while (std::getline(in, line))
        if (!line.empty()) names.insert(line);
    return names;
}

std::string run(const std::string& cmd) {
    std::string out;
    FILE* p = popen(cmd.c_str(), "r");
    if (!p) return out;
    char buf[4096];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, p)) > 0) out.append(buf, n);
    pclose(p);
    return out;
}

// Names of the defined dynamic symbols of a shared object.
std::set<std::string> definedSymbols(const char* lib) {
    std::set<std::string> names;
    const std::string out = run(std::string("nm -D --defined-only ") + lib);
    size_t pos = 0;
    while (pos < out.size()) {
        size_t eol = out.find('\n', pos);
        if (eol == std::string::npos) eol = out.size();
        std::string line = out.substr(pos, eol - pos);
        pos = eol + 1;
        size_t sp = line.rfind(' ');
        if (sp == std::string::npos) continue;
        std::string name = line.substr(sp + 1);
        size_t at = name.find('@');
        if (at != std::string::npos) name = name.substr(0, at);
        if (!name.empty()) names.insert(name);
    }
    return names;
}

void expectSameSets(const std::set<std::string>& declared, const std::set<std::string>& defined) {
    for (const auto& n : declared) EXPECT_TRUE(defined.count(n)) << "declared but not exported: " << n;
    for (const auto& n : defined) EXPECT_TRUE(declared.count(n)) << "exported but not declared: " << n;
}

}  // namespace

TEST(Exports, KzviExportsExactlyTheDeclaredNames) {
    const auto declared = readList(KZVT_EXPORTS);
    ASSERT_GT(declared.size(), 70u);
    expectSameSets(declared, definedSymbols(KZVT_LIBKZVI));
}

TEST(Exports, KzvcoreExportsExactlyTheDeclaredNames) {
    const auto declared = readList(KZVT_CORE_EXPORTS);
    ASSERT_EQ(declared.size(), 6u);
    expectSameSets(declared, definedSymbols(KZVT_LIBKZVCORE));
}

TEST(Exports, EveryNameResolves) {
    void* h = dlopen(KZVT_LIBKZVI, RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(h, nullptr) << dlerror();
    for (const auto& n : readList(KZVT_EXPORTS)) EXPECT_NE(dlsym(h, n.c_str()), nullptr) << n;
    // The loaded library answers at once: nothing to initialise.
    using VersionFn = const KzvLibraryVersion* (*)();
    auto fn = reinterpret_cast<VersionFn>(dlsym(h, "kzviGetLibVersion"));
    ASSERT_NE(fn, nullptr);
    EXPECT_EQ(fn()->majorVersion, 2021);
    dlclose(h);
}

TEST(Exports, NoAvx512Instructions) {
    for (const char* lib : {KZVT_LIBKZVI, KZVT_LIBKZVCORE}) {
        const std::string dis = run(std::string("objdump -d --no-show-raw-insn ") + lib);
        ASSERT_GT(dis.size(), 1000u) << "objdump produced no disassembly of " << lib;
        size_t pos = 0;
        int bad = 0;
        while (pos < dis.size() && bad < 5) {
            size_t eol = dis.find('\n', pos);
            if (eol == std::string::npos) eol = dis.size();
            const std::string line = dis.substr(pos, eol - pos);
            pos = eol + 1;
            const bool zmm = line.find("%zmm") != std::string::npos;
            bool kreg = false;
            for (char k = '0'; k <= '7'; ++k)
                if (line.find(std::string("%k") + k) != std::string::npos) kreg = true;
            if (zmm || kreg) {
                ADD_FAILURE() << lib << ": AVX-512 instruction: " << line;
                ++bad;
            }
        }
    }
}
