// The operations of the kzvi tool. Each works on one image in place (it may
// replace it with an image of another size, depth or channel count).
#ifndef KZVI_TOOL_OPS_H
#define KZVI_TOOL_OPS_H

#include <string>
#include <vector>

#include "image_io.h"

struct Op {
    const char* name;
    const char* usage;
    const char* help;
    bool (*run)(Image& img, const std::vector<std::string>& args, std::string& error);
};

const std::vector<Op>& allOps();
const Op* findOp(const std::string& name);

// The built-in input: the chirp test pattern, 8u, one channel.
bool makePattern(int width, int height, Image& out, std::string& error);
bool copyImage(const Image& src, Image& out, std::string& error);
// "kzvStatusSizeErr (-6)" for a library status.
std::string statusText(KzvStatus s);

#endif  // KZVI_TOOL_OPS_H
