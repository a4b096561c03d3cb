// Test helper writing PNG files with libpng in every colour type and bit depth.
#include "png_zapis.h"

#include <png.h>

#include <algorithm>
#include <cstdio>

namespace {

// Samples of one pixel, alpha last, before packing to the bit depth.
std::vector<unsigned> Vzorky(COLORREF c, int typ, const std::vector<COLORREF>& paleta, int x,
                             int y) {
    const unsigned r = c & 0xFF, g = (c >> 8) & 0xFF, b = (c >> 16) & 0xFF;
    const unsigned a = static_cast<unsigned>(x * 37 + y * 11) & 0xFF;
    switch (typ) {
    case 0:
        return {r};
    case 3:
        return {static_cast<unsigned>(std::find(paleta.begin(), paleta.end(), c) - paleta.begin())};
    case 4:
        return {r, a};
    case 6:
        return {r, g, b, a};
    default:
        return {r, g, b};
    }
}

std::vector<unsigned char> Riadok(const COLORREF* px, int w, int y, const PngVolby& v,
                                  const std::vector<COLORREF>& paleta) {
    std::vector<unsigned char> out;
    unsigned bity = 0;
    int pocet_bitov = 0;
    for (int x = 0; x < w; ++x) {
        const std::vector<unsigned> s = Vzorky(px[x], v.typ, paleta, x, y);
        for (size_t k = 0; k < s.size(); ++k) {
            const bool alfa = (v.typ == 4 || v.typ == 6) && k + 1 == s.size();
            if (v.hlbka >= 8) {
                out.push_back(static_cast<unsigned char>(s[k]));
            }
            if (v.hlbka == 16) {
                out.push_back(static_cast<unsigned char>(alfa ? s[k] : (x * 29 + y * 7 + 0x80)));
            } else if (v.hlbka < 8) {
                // Grey keeps the top bits, palette indices are stored as they are.
                bity = bity << v.hlbka | (v.typ == 3 ? s[k] : s[k] >> (8 - v.hlbka));
                pocet_bitov += v.hlbka;
            }
            if (pocet_bitov == 8) {
                out.push_back(static_cast<unsigned char>(bity));
                bity = 0;
                pocet_bitov = 0;
            }
        }
    }
    if (pocet_bitov > 0) {
        out.push_back(static_cast<unsigned char>(bity << (8 - pocet_bitov)));
    }
    return out;
}

} // namespace

bool ZapisPng(const std::string& cesta, int w, int h, const std::vector<COLORREF>& px,
              const PngVolby& v) {
    std::vector<COLORREF> paleta;
    for (COLORREF c : v.typ == 3 ? px : std::vector<COLORREF>()) {
        if (std::find(paleta.begin(), paleta.end(), c) == paleta.end()) {
            paleta.push_back(c);
        }
    }
    std::vector<std::vector<unsigned char>> riadky;
    std::vector<png_bytep> ukazovatele;
    for (int y = 0; y < h; ++y) {
        riadky.push_back(Riadok(px.data() + static_cast<size_t>(y) * w, w, y, v, paleta));
    }
    for (auto& r : riadky) {
        ukazovatele.push_back(r.data());
    }
    FILE* f = paleta.size() <= (1u << v.hlbka) ? std::fopen(cesta.c_str(), "wb") : nullptr;
    if (f == nullptr) {
        return false;
    }
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        std::fclose(f);
        return false;
    }
    png_init_io(png, f);
    png_set_IHDR(png, info, static_cast<png_uint_32>(w), static_cast<png_uint_32>(h), v.hlbka,
                 v.typ, v.prekladane ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    std::vector<png_color> farby;
    for (COLORREF c : paleta) {
        farby.push_back({static_cast<png_byte>(c), static_cast<png_byte>(c >> 8),
                         static_cast<png_byte>(c >> 16)});
    }
    const std::vector<png_byte> alfa(paleta.size(), 0x40);
    png_color_16 priehladna = {};
    if (v.typ == 3) {
        png_set_PLTE(png, info, farby.data(), static_cast<int>(farby.size()));
    }
    if (v.priehladnost && v.typ != 4 && v.typ != 6) {
        png_set_tRNS(png, info, alfa.data(), static_cast<int>(alfa.size()), &priehladna);
    }
    png_set_gAMA(png, info, 1.0); // a reader that applied gamma would change every value
    png_write_info(png, info);
    png_write_image(png, ukazovatele.data());
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return std::fclose(f) == 0;
}
