// PNG reading for the finder: any colour type and bit depth to a 0x00BBGGRR pixel table.
#include "cli/cli.h"

#include <png.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

constexpr size_t kDlzkaSpravy = 256;

[[noreturn]] void PriChybePng(png_structp png, png_const_charp sprava) {
    char* buffer = static_cast<char*>(png_get_error_ptr(png));
    std::snprintf(buffer, kDlzkaSpravy, "corrupt or truncated PNG (%s)", sprava);
    png_longjmp(png, 1);
}

void PriVarovaniPng(png_structp, png_const_charp) {}

// Every pixel becomes red, green, blue and one spare byte, 8 bits each: palettes and low bit
// depths expanded, grey copied to all three channels, 16-bit samples cut to their high byte,
// alpha dropped. No gamma or colour correction: the stored values go through unchanged.
void NastavTransformacie(png_structp png, png_infop info) {
    png_set_expand(png);
    png_set_strip_16(png);
    png_set_strip_alpha(png);
    png_set_gray_to_rgb(png);
    png_set_filler(png, 0, PNG_FILLER_AFTER);
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
}

// Turns each pixel's R, G, B bytes into one colour value in place.
void NaFarby(unsigned char* pixely, size_t pocet) {
    COLORREF* farby = reinterpret_cast<COLORREF*>(pixely);
    for (size_t i = 0; i < pocet; ++i) {
        const unsigned char* p = pixely + 4 * i;
        const COLORREF farba = static_cast<COLORREF>(p[0]) | static_cast<COLORREF>(p[1]) << 8 |
                               static_cast<COLORREF>(p[2]) << 16;
        farby[i] = farba;
    }
}

// libpng reports errors by longjmp into this frame, so it holds only trivially destructible
// locals, and those changed after setjmp are volatile.
bool CitajObsahPng(FILE* subor, COLORREF** tabulka, int* sirka, int* vyska, char* sprava) {
    png_structp png =
        png_create_read_struct(PNG_LIBPNG_VER_STRING, sprava, PriChybePng, PriVarovaniPng);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (info == nullptr) {
        png_destroy_read_struct(&png, nullptr, nullptr);
        std::snprintf(sprava, kDlzkaSpravy, "not enough memory to read it");
        return false;
    }
    unsigned char* volatile pixely = nullptr;
    png_bytep* volatile riadky = nullptr;
    if (setjmp(png_jmpbuf(png))) {
        std::free(pixely);
        std::free(riadky);
        png_destroy_read_struct(&png, &info, nullptr);
        return false;
    }
    png_init_io(png, subor);
    png_set_sig_bytes(png, 8);
    png_set_user_limits(png, 0x7FFFFFFF, 0x7FFFFFFF);
    png_read_info(png, info);
    const png_uint_32 w = png_get_image_width(png, info);
    const png_uint_32 h = png_get_image_height(png, info);
    if (w > static_cast<png_uint_32>(kMaxRozmer) || h > static_cast<png_uint_32>(kMaxRozmer)) {
        std::snprintf(sprava, kDlzkaSpravy,
                      "image is %lu x %lu pixels; at most %d are accepted in either dimension",
                      static_cast<unsigned long>(w), static_cast<unsigned long>(h), kMaxRozmer);
        png_destroy_read_struct(&png, &info, nullptr);
        return false;
    }
    NastavTransformacie(png, info);
    if (png_get_rowbytes(png, info) != 4 * static_cast<size_t>(w)) {
        png_error(png, "unexpected pixel layout");
    }
    pixely = static_cast<unsigned char*>(std::malloc(4 * static_cast<size_t>(w) * h));
    riadky = static_cast<png_bytep*>(std::malloc(sizeof(png_bytep) * h));
    if (pixely == nullptr || riadky == nullptr) {
        png_error(png, "not enough memory");
    }
    for (png_uint_32 y = 0; y < h; ++y) {
        riadky[y] = pixely + 4 * static_cast<size_t>(w) * y;
    }
    png_read_image(png, riadky);
    png_read_end(png, nullptr);
    NaFarby(pixely, static_cast<size_t>(w) * h);
    std::free(riadky);
    png_destroy_read_struct(&png, &info, nullptr);
    *tabulka = reinterpret_cast<COLORREF*>(pixely);
    *sirka = static_cast<int>(w);
    *vyska = static_cast<int>(h);
    return true;
}

} // namespace

bool CitajPng(const char* cesta, COLORREF** tabulka, int* sirka, int* vyska, std::string* chyba) {
    FILE* subor = std::fopen(cesta, "rb");
    if (subor == nullptr) {
        *chyba = std::string("cannot open '") + cesta + "': " + std::strerror(errno);
        return false;
    }
    unsigned char podpis[8];
    errno = 0;
    const size_t precitane = std::fread(podpis, 1, sizeof podpis, subor);
    if (std::ferror(subor)) {
        *chyba = std::string("cannot read '") + cesta + "': " + std::strerror(errno);
        std::fclose(subor);
        return false;
    }
    if (precitane != sizeof podpis || png_sig_cmp(podpis, 0, sizeof podpis) != 0) {
        *chyba = std::string("'") + cesta + "' is not a PNG file";
        std::fclose(subor);
        return false;
    }
    char sprava[kDlzkaSpravy] = "";
    const bool ok = CitajObsahPng(subor, tabulka, sirka, vyska, sprava);
    std::fclose(subor);
    if (!ok) {
        *chyba = std::string("'") + cesta + "': " + sprava;
    }
    return ok;
}
