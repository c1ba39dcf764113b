// Image files for the kzvi tool: PNG (8/16-bit grey, grey+alpha, RGB, RGBA)
// and binary PGM/PPM. Images live in kzviMalloc memory.
#ifndef KZVI_TOOL_IMAGE_IO_H
#define KZVI_TOOL_IMAGE_IO_H

#include <stdint.h>

#include <string>

#include "kzvi.h"

enum class Depth { U8, U16, F32 };

struct Image {
    int width = 0, height = 0, channels = 0;  // channels 1, 3 or 4
    Depth depth = Depth::U8;
    int32_t step = 0;
    uint8_t* data = nullptr;

    Image() = default;
    Image(int w, int h, int c, Depth d);
    ~Image();
    Image(Image&& o) noexcept;
    Image& operator=(Image&& o) noexcept;
    Image(const Image&) = delete;
    Image& operator=(const Image&) = delete;

    bool valid() const { return data != nullptr; }
    int sampleBytes() const { return depth == Depth::U8 ? 1 : depth == Depth::U16 ? 2 : 4; }
    KzvImageSize size() const { return KzvImageSize{width, height}; }
    uint8_t* row(int y) const { return data + ptrdiff_t(y) * step; }
    template <class T>
    T* as() const {
        return reinterpret_cast<T*>(data);
    }
};

const char* depthName(Depth d);

// Each returns false and sets `error` to a readable message on failure.
bool loadImage(const std::string& path, Image& out, std::string& error);
bool saveImage(const std::string& path, const Image& img, std::string& error);

#endif  // KZVI_TOOL_IMAGE_IO_H
