// Draws the default menu pictures: a "NO PICTURE" card in the game's two menu picture sizes,
// written as uncompressed 8-bit Windows bitmaps (1078 bytes of headers and palette, then the
// rows bottom-up; both widths are multiples of 4, so rows carry no padding).
// Usage: bmpgen <folder>  writes <folder>/na1.bmp (640x480) and <folder>/na2.bmp (440x330).
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

// Palette: 0..191 a dark blue-grey ramp for the background, then the drawing colours.
constexpr std::uint8_t kWhite = 250;
constexpr std::uint8_t kBlack = 251;
constexpr std::uint8_t kRed = 252;
constexpr std::uint8_t kLight = 253;

std::array<std::uint8_t, 1024> palette() {
    std::array<std::uint8_t, 1024> p{};
    auto set = [&p](int i, int r, int g, int b) {
        p[std::size_t(i) * 4 + 0] = std::uint8_t(b); // entries are blue, green, red, 0
        p[std::size_t(i) * 4 + 1] = std::uint8_t(g);
        p[std::size_t(i) * 4 + 2] = std::uint8_t(r);
    };
    for (int i = 0; i < 192; ++i)
        set(i, 20 + i / 3, 24 + i / 3, 40 + i / 2);
    set(kWhite, 255, 255, 255);
    set(kBlack, 0, 0, 0);
    set(kRed, 200, 24, 24);
    set(kLight, 200, 204, 214);
    return p;
}

// A 5x7 font for the letters of the caption, one row per byte, bit 4 the leftmost column.
struct Glyph {
    char c;
    std::array<std::uint8_t, 7> rows;
};
constexpr std::array<Glyph, 10> kFont{{
    {'N', {0x11, 0x19, 0x15, 0x13, 0x11, 0x11, 0x11}},
    {'O', {0x0E, 0x11, 0x11, 0x11, 0x11, 0x11, 0x0E}},
    {'P', {0x1E, 0x11, 0x11, 0x1E, 0x10, 0x10, 0x10}},
    {'I', {0x0E, 0x04, 0x04, 0x04, 0x04, 0x04, 0x0E}},
    {'C', {0x0E, 0x11, 0x10, 0x10, 0x10, 0x11, 0x0E}},
    {'T', {0x1F, 0x04, 0x04, 0x04, 0x04, 0x04, 0x04}},
    {'U', {0x11, 0x11, 0x11, 0x11, 0x11, 0x11, 0x0E}},
    {'R', {0x1E, 0x11, 0x11, 0x1E, 0x14, 0x12, 0x11}},
    {'E', {0x1F, 0x10, 0x10, 0x1E, 0x10, 0x10, 0x1F}},
    {' ', {0, 0, 0, 0, 0, 0, 0}},
}};

class Canvas {
public:
    Canvas(int w, int h) : w_(w), h_(h), px_(std::size_t(w) * std::size_t(h), 0) {}
    int width() const { return w_; }
    int height() const { return h_; }
    void set(int x, int y, std::uint8_t c) {
        if (x >= 0 && y >= 0 && x < w_ && y < h_)
            px_[std::size_t(y) * std::size_t(w_) + std::size_t(x)] = c;
    }
    void fill(int x0, int y0, int w, int h, std::uint8_t c) {
        for (int y = y0; y < y0 + h; ++y)
            for (int x = x0; x < x0 + w; ++x)
                set(x, y, c);
    }
    // Rows from the top; the file stores them from the bottom.
    const std::uint8_t* row(int y) const { return &px_[std::size_t(y) * std::size_t(w_)]; }

private:
    int w_, h_;
    std::vector<std::uint8_t> px_;
};

void drawText(Canvas& c, const std::string& text, int x0, int y0, int scale, std::uint8_t colour) {
    for (std::size_t i = 0; i < text.size(); ++i)
        for (const Glyph& g : kFont) {
            if (g.c != text[i])
                continue;
            for (int r = 0; r < 7; ++r)
                for (int col = 0; col < 5; ++col)
                    if (g.rows[std::size_t(r)] & (0x10 >> col))
                        c.fill(x0 + int(i) * 6 * scale + col * scale, y0 + r * scale, scale, scale,
                               colour);
        }
}

// Background ramp, a light frame, a chequered band top and bottom, a crossed-out picture
// frame and the caption.
Canvas draw(int w, int h) {
    Canvas c(w, h);
    for (int y = 0; y < h; ++y)
        c.fill(0, y, w, 1, std::uint8_t(y * 191 / (h - 1)));
    const int border = w / 80;
    c.fill(0, 0, w, border, kLight);
    c.fill(0, h - border, w, border, kLight);
    c.fill(0, 0, border, h, kLight);
    c.fill(w - border, 0, border, h, kLight);

    const int square = w / 32;
    for (int band : {border * 2, h - border * 2 - 2 * square})
        for (int row = 0; row < 2; ++row)
            for (int x = border; x < w - border; x += square)
                c.fill(x, band + row * square, std::min(square, w - border - x), square,
                       ((x / square + row) % 2) ? kBlack : kWhite);

    const int boxW = w / 3, boxH = h / 4;
    const int boxX = (w - boxW) / 2, boxY = h / 2 - boxH + h / 40;
    const int line = w / 160 + 1;
    c.fill(boxX, boxY, boxW, line, kWhite);
    c.fill(boxX, boxY + boxH - line, boxW, line, kWhite);
    c.fill(boxX, boxY, line, boxH, kWhite);
    c.fill(boxX + boxW - line, boxY, line, boxH, kWhite);
    for (int x = 0; x < boxW; ++x) {
        const int y = x * boxH / boxW;
        c.fill(boxX + x, boxY + y, line, line, kRed);
        c.fill(boxX + x, boxY + boxH - 1 - y - line, line, line, kRed);
    }

    const std::string caption = "NO PICTURE";
    const int scale = w / 80;
    const int textW = int(caption.size()) * 6 * scale - scale;
    drawText(c, caption, (w - textW) / 2, boxY + boxH + h / 16, scale, kWhite);
    return c;
}

void put16(std::vector<std::uint8_t>& out, std::uint32_t v) {
    out.push_back(std::uint8_t(v));
    out.push_back(std::uint8_t(v >> 8));
}

void put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}

std::vector<std::uint8_t> bitmapFile(const Canvas& c) {
    const std::uint32_t offset = 14 + 40 + 1024;
    const std::uint32_t imageSize = std::uint32_t(c.width()) * std::uint32_t(c.height());
    std::vector<std::uint8_t> out;
    out.reserve(offset + imageSize);
    out.push_back('B'); // BITMAPFILEHEADER
    out.push_back('M');
    put32(out, offset + imageSize);
    put32(out, 0);
    put32(out, offset);
    put32(out, 40); // BITMAPINFOHEADER
    put32(out, std::uint32_t(c.width()));
    put32(out, std::uint32_t(c.height())); // positive: rows bottom-up
    put16(out, 1);                         // planes
    put16(out, 8);                         // bits per pixel
    put32(out, 0);                         // BI_RGB, uncompressed
    put32(out, imageSize);
    put32(out, 2835); // 72 dpi
    put32(out, 2835);
    put32(out, 256); // colours used
    put32(out, 0);   // all of them important
    const auto pal = palette();
    out.insert(out.end(), pal.begin(), pal.end());
    for (int y = c.height() - 1; y >= 0; --y)
        out.insert(out.end(), c.row(y), c.row(y) + c.width());
    return out;
}

bool write(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream f(path, std::ios::binary | std::ios::trunc);
    f.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    return bool(f.flush());
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: bmpgen <folder>\n");
        return 2;
    }
    const std::string dir = argv[1];
    if (!write(dir + "/na1.bmp", bitmapFile(draw(640, 480))) ||
        !write(dir + "/na2.bmp", bitmapFile(draw(440, 330)))) {
        std::fprintf(stderr, "bmpgen: cannot write the pictures into %s\n", dir.c_str());
        return 1;
    }
    return 0;
}
