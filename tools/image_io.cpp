#include "image_io.h"

#include <png.h>
#include <stdio.h>
#include <string.h>

#include <memory>
#include <vector>

Image::Image(int w, int h, int c, Depth d) : width(w), height(h), channels(c), depth(d) {
    const int bytes = w * c * (d == Depth::U8 ? 1 : d == Depth::U16 ? 2 : 4);
    // Allocate as 8u C1 of the row's byte width: the step rule is the same.
    data = kzviMalloc_8u_C1(bytes, h, &step);
}

Image::~Image() {
    kzviFree(data);
}

Image::Image(Image&& o) noexcept {
    *this = std::move(o);
}

Image& Image::operator=(Image&& o) noexcept {
    if (this != &o) {
        kzviFree(data);
        width = o.width;
        height = o.height;
        channels = o.channels;
        depth = o.depth;
        step = o.step;
        data = o.data;
        o.data = nullptr;
    }
    return *this;
}

const char* depthName(Depth d) {
    return d == Depth::U8 ? "8u" : d == Depth::U16 ? "16u" : "32f";
}

namespace {

struct FileCloser {
    void operator()(FILE* f) const {
        if (f) fclose(f);
    }
};
using File = std::unique_ptr<FILE, FileCloser>;

bool endsWith(const std::string& s, const char* suffix) {
    const size_t n = strlen(suffix);
    if (s.size() < n) return false;
    for (size_t i = 0; i < n; ++i)
        if (tolower(static_cast<unsigned char>(s[s.size() - n + i])) != suffix[i]) return false;
    return true;
}

// ---- PNG ---------------------------------------------------------------------

void pngError(png_structp png, png_const_charp msg) {
    auto* err = static_cast<std::string*>(png_get_error_ptr(png));
    if (err) *err = msg;
    png_longjmp(png, 1);
}

void pngWarning(png_structp, png_const_charp) {}

bool loadPng(FILE* fp, const std::string& path, Image& out, std::string& error) {
    std::string pngMsg;
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &pngMsg, pngError, pngWarning);
    if (!png) {
        error = "out of memory";
        return false;
    }
    png_infop info = png_create_info_struct(png);
    std::vector<png_bytep> rows;
    Image img;
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_read_struct(&png, &info, nullptr);
        error = path + ": corrupt or unsupported PNG (" + pngMsg + ")";
        return false;
    }
    png_init_io(png, fp);
    png_read_info(png, info);
    const int colorType = png_get_color_type(png, info);
    const int bitDepth = png_get_bit_depth(png, info);
    if (colorType == PNG_COLOR_TYPE_PALETTE) png_set_palette_to_rgb(png);
    if (colorType == PNG_COLOR_TYPE_GRAY && bitDepth < 8) png_set_expand_gray_1_2_4_to_8(png);
    if (png_get_valid(png, info, PNG_INFO_tRNS)) png_set_tRNS_to_alpha(png);
    if (colorType == PNG_COLOR_TYPE_GRAY_ALPHA) png_set_gray_to_rgb(png);
    if (bitDepth == 16) png_set_swap(png);  // host order (little endian)
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
    const int channels = png_get_channels(png, info);
    const int depth = png_get_bit_depth(png, info);
    const png_uint_32 w = png_get_image_width(png, info);
    const png_uint_32 h = png_get_image_height(png, info);
    if ((channels != 1 && channels != 3 && channels != 4) || (depth != 8 && depth != 16) || w > 1u << 20 ||
        h > 1u << 20) {
        png_destroy_read_struct(&png, &info, nullptr);
        error = path + ": unsupported PNG layout";
        return false;
    }
    img = Image(int(w), int(h), channels, depth == 16 ? Depth::U16 : Depth::U8);
    if (!img.valid()) {
        png_destroy_read_struct(&png, &info, nullptr);
        error = path + ": image too large";
        return false;
    }
    rows.resize(h);
    for (png_uint_32 y = 0; y < h; ++y) rows[y] = img.row(int(y));
    png_read_image(png, rows.data());
    png_read_end(png, nullptr);
    png_destroy_read_struct(&png, &info, nullptr);
    out = std::move(img);
    return true;
}

bool savePng(FILE* fp, const std::string& path, const Image& img, std::string& error) {
    std::string pngMsg;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, &pngMsg, pngError, pngWarning);
    if (!png) {
        error = "out of memory";
        return false;
    }
    png_infop info = png_create_info_struct(png);
    std::vector<png_bytep> rows(size_t(img.height));
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        error = path + ": cannot write PNG (" + pngMsg + ")";
        return false;
    }
    png_init_io(png, fp);
    const int type = img.channels == 1   ? PNG_COLOR_TYPE_GRAY
                     : img.channels == 3 ? PNG_COLOR_TYPE_RGB
                                         : PNG_COLOR_TYPE_RGBA;
    png_set_IHDR(png, info, png_uint_32(img.width), png_uint_32(img.height), img.depth == Depth::U16 ? 16 : 8, type,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    if (img.depth == Depth::U16) png_set_swap(png);
    for (int y = 0; y < img.height; ++y) rows[size_t(y)] = img.row(y);
    png_write_image(png, rows.data());
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return true;
}

// ---- PGM / PPM ---------------------------------------------------------------

bool readToken(FILE* fp, long& value) {
    int c = fgetc(fp);
    for (;;) {
        while (c == ' ' || c == '\t' || c == '\r' || c == '\n') c = fgetc(fp);
        if (c != '#') break;
        while (c != '\n' && c != EOF) c = fgetc(fp);
    }
    if (c < '0' || c > '9') return false;
    value = 0;
    while (c >= '0' && c <= '9') {
        value = value * 10 + (c - '0');
        if (value > 1L << 24) return false;
        c = fgetc(fp);
    }
    return true;  // the single whitespace after the token is consumed
}

bool loadPnm(FILE* fp, const std::string& path, Image& out, std::string& error) {
    char magic[2];
    long w, h, maxval;
    if (fread(magic, 1, 2, fp) != 2 || magic[0] != 'P' || (magic[1] != '5' && magic[1] != '6') || !readToken(fp, w) ||
        !readToken(fp, h) || !readToken(fp, maxval) || w < 1 || h < 1 || maxval < 1 || maxval > 65535 || w > 1L << 20 ||
        h > 1L << 20) {
        error = path + ": corrupt or unsupported PGM/PPM header";
        return false;
    }
    const int channels = magic[1] == '5' ? 1 : 3;
    Image img(int(w), int(h), channels, maxval > 255 ? Depth::U16 : Depth::U8);
    if (!img.valid()) {
        error = path + ": image too large";
        return false;
    }
    const size_t rowBytes = size_t(w) * channels * img.sampleBytes();
    for (int y = 0; y < img.height; ++y) {
        uint8_t* r = img.row(y);
        if (fread(r, 1, rowBytes, fp) != rowBytes) {
            error = path + ": truncated PGM/PPM data";
            return false;
        }
        if (img.depth == Depth::U16)  // big endian on disk
            for (size_t i = 0; i < rowBytes; i += 2) std::swap(r[i], r[i + 1]);
    }
    out = std::move(img);
    return true;
}

bool savePnm(FILE* fp, const std::string& path, const Image& img, std::string& error) {
    if (img.channels == 4) {
        error = path + ": PGM/PPM cannot hold four channels; write a PNG";
        return false;
    }
    fprintf(fp, "P%c\n%d %d\n%d\n", img.channels == 1 ? '5' : '6', img.width, img.height,
            img.depth == Depth::U16 ? 65535 : 255);
    const size_t rowBytes = size_t(img.width) * img.channels * img.sampleBytes();
    std::vector<uint8_t> buf(rowBytes);
    for (int y = 0; y < img.height; ++y) {
        memcpy(buf.data(), img.row(y), rowBytes);
        if (img.depth == Depth::U16)
            for (size_t i = 0; i < rowBytes; i += 2) std::swap(buf[i], buf[i + 1]);
        if (fwrite(buf.data(), 1, rowBytes, fp) != rowBytes) {
            error = path + ": write failed";
            return false;
        }
    }
    return true;
}

}  // namespace

bool loadImage(const std::string& path, Image& out, std::string& error) {
    File fp(fopen(path.c_str(), "rb"));
    if (!fp) {
        error = path + ": cannot open (" + strerror(errno) + ")";
        return false;
    }
    unsigned char sig[8] = {0};
    const size_t n = fread(sig, 1, 8, fp.get());
    rewind(fp.get());
    if (n == 8 && png_sig_cmp(sig, 0, 8) == 0) return loadPng(fp.get(), path, out, error);
    if (n >= 2 && sig[0] == 'P') return loadPnm(fp.get(), path, out, error);
    error = path + ": not a PNG, PGM or PPM file";
    return false;
}

bool saveImage(const std::string& path, const Image& img, std::string& error) {
    if (img.depth == Depth::F32) {
        error = path + ": a 32f image cannot be written; convert it to 8u or 16u first";
        return false;
    }
    const bool pnm = endsWith(path, ".pgm") || endsWith(path, ".ppm") || endsWith(path, ".pnm");
    File fp(fopen(path.c_str(), "wb"));
    if (!fp) {
        error = path + ": cannot create (" + strerror(errno) + ")";
        return false;
    }
    const bool ok = pnm ? savePnm(fp.get(), path, img, error) : savePng(fp.get(), path, img, error);
    if (fclose(fp.release()) != 0 && ok) {
        error = path + ": write failed";
        return false;
    }
    return ok;
}
