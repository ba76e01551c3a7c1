// sumfix: recomputes the checksum trailer of a game data file in place.
//
// The file is a body followed by four trailer bytes: the 16-bit sum of the
// body bytes and a 16-bit rotating checksum of them, each little-endian.
// The old trailer never enters the computation and the file length never
// changes. Messages go to standard error; the exit status is 0 when the
// trailer was written and 1 on any failure.
#include <cstddef>
#include <cstdint>
#include <cstdio>

namespace {

constexpr long kTrailerSize = 4;

// Fixed-size read buffer: memory use does not depend on the file size.
constexpr std::size_t kChunkSize = 64 * 1024;

struct Checksum final {
    std::uint16_t sum = 0;
    std::uint16_t rot = 0;
};

int report(const char* format, const char* program, const char* file) {
    std::fprintf(stderr, format, program, file);
    return 1;
}

bool writeWord(std::FILE* f, std::uint16_t value) {
    const unsigned char bytes[2] = {static_cast<unsigned char>(value & 0xFF),
                                    static_cast<unsigned char>(value >> 8)};
    return std::fwrite(bytes, 1, sizeof bytes, f) == sizeof bytes;
}

// Reads exactly `length` bytes from the current position. Returns false when
// the file ends early or a read fails, so no made-up trailer gets written.
bool checksumBody(std::FILE* f, long length, Checksum& out) {
    unsigned char chunk[kChunkSize];
    // The plain sum is kept wide and cut to 16 bits at the end; that keeps it
    // off the rotating checksum's serial dependency chain.
    std::uint64_t total = 0;
    std::uint16_t rot = 0;
    while (length > 0) {
        const std::size_t want =
            length < static_cast<long>(kChunkSize) ? static_cast<std::size_t>(length) : kChunkSize;
        const std::size_t got = std::fread(chunk, 1, want, f);
        for (std::size_t i = 0; i < got; ++i) {
            const unsigned b = chunk[i];
            total += b;
            rot = static_cast<std::uint16_t>(((rot << 3) | (rot >> 13)) + b);
        }
        if (got != want)
            return false;
        length -= static_cast<long>(got);
    }
    out.sum = static_cast<std::uint16_t>(total);
    out.rot = rot;
    return true;
}

int fixFile(const char* program, const char* path) {
    std::FILE* f = std::fopen(path, "rb+");
    if (!f)
        return report("%s: cannot open %s for update\n", program, path);

    // A file shorter than the trailer cannot be positioned 4 bytes before its end.
    if (std::fseek(f, -kTrailerSize, SEEK_END) != 0) {
        std::fclose(f);
        return report("%s: seek failed in %s\n", program, path);
    }
    const long bodyLength = std::ftell(f);
    if (bodyLength < 0 || std::fseek(f, 0, SEEK_SET) != 0) {
        std::fclose(f);
        return report("%s: seek failed in %s\n", program, path);
    }

    Checksum cs;
    if (!checksumBody(f, bodyLength, cs)) {
        std::fclose(f);
        return report("%s: error reading %s\n", program, path);
    }

    if (std::fseek(f, -kTrailerSize, SEEK_END) != 0) {
        std::fclose(f);
        return report("%s: seek failed in %s\n", program, path);
    }

    // The stream buffers the four bytes, so a failing device only shows up at
    // the flush; that counts as a failed write too, not as success.
    const bool written = writeWord(f, cs.sum) && writeWord(f, cs.rot) && std::fflush(f) == 0;
    const bool closed = std::fclose(f) == 0;
    if (!written || !closed)
        return report("%s: error writing %s checksum\n", program, path);
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    const char* program = (argc > 0 && argv[0]) ? argv[0] : "sumfix";
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s filename\n", program);
        return 1;
    }
    return fixFile(program, argv[1]);
}
