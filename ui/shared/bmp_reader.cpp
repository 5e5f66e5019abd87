#include "bmp_reader.h"

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstring>

#include "app_error.h"

namespace mogran {
namespace {

const char* const kInvalidPicture = "ﾋﾞｯﾄﾏｯﾌﾟｲﾒｰｼﾞが不正です";
const char* const kReadError = "ｽﾄﾘｰﾑからの読み込みｴﾗｰ";

constexpr std::uint64_t kFileHeaderSize = 14;
constexpr std::uint32_t kCoreHeaderSize = 12;     // the older header: 16-bit sizes, RGB triples
constexpr std::uint32_t kInfoHeaderSize = 40;     // the usual header: 32-bit sizes, RGB quads
constexpr std::uint32_t kMaskHeaderSize = 52;     // and up: the colour masks sit inside the header
constexpr std::uint32_t kAlphaHeaderSize = 56;    // and up: an alpha mask follows them
constexpr std::uint32_t kOs2InfoHeaderSize = 64;  // 40 bytes as usual, then fields we don't need
constexpr std::uint32_t kV4HeaderSize = 108;
constexpr std::uint32_t kV5HeaderSize = 124;

// Our pictures are 81 x 81; anything above this many pixels is no picture we would show.
constexpr std::uint64_t kMaxPixels = std::uint64_t{32} * 1024 * 1024;
// The most pixels one run-length code of two bytes writes.
constexpr std::uint64_t kMaxPixelsPerTwoBytes = 255;

constexpr std::uint32_t kOpaque = 0xFF000000u;
constexpr std::uint32_t kOpaqueBlack = kOpaque;

enum Compression : std::uint32_t {
    kRgb = 0,
    kRle8 = 1,
    kRle4 = 2,
    kBitfields = 3,
    kAlphaBitfields = 6,
};

[[noreturn]] void Invalid() {
    throw AppError(kInvalidPicture);
}
[[noreturn]] void Truncated() {
    throw AppError(kReadError);
}

constexpr std::size_t kChunk = 4096;  // pixel data are read this much at a time

// The file behind a byte source: only the parts the headers point at are read.
class Input {
public:
    explicit Input(ByteSource& source) : source_(source), size_(source.Size()) {}

    std::uint64_t Size() const { return size_; }

    // Fills `out` with the `n` bytes at `at`; a file that ends before them is cut short.
    void Read(std::uint64_t at, std::uint8_t* out, std::size_t n) {
        if (at > size_ || n > size_ - at || !source_.ReadAt(at, out, n))
            Truncated();
    }

private:
    ByteSource& source_;
    std::uint64_t size_ = 0;
};

// The file from its start up to the end of the colour table, read as far as asked for.
class HeadBytes {
public:
    explicit HeadBytes(Input& in) : in_(in) {}

    // The file must hold at least `end` bytes; otherwise it ended too early.
    void Need(std::uint64_t end) {
        if (end <= bytes_.size())
            return;
        if (end > in_.Size())
            Truncated();
        const std::size_t had = bytes_.size();
        bytes_.resize(static_cast<std::size_t>(end));
        in_.Read(had, bytes_.data() + had, bytes_.size() - had);
    }
    // Bytes already asked for with Need.
    const std::uint8_t* At(std::uint64_t at) const { return bytes_.data() + at; }
    std::uint8_t operator[](std::uint64_t at) const { return bytes_[at]; }

private:
    Input& in_;
    std::vector<std::uint8_t> bytes_;
};

// Reads forward through the pixel data from `at`, never past `end`.
class Cursor {
public:
    Cursor(Input& in, std::uint64_t at, std::uint64_t end)
        : in_(in), pos_(at), end_(end), bufferAt_(at) {
        if (at > end)
            Truncated();
    }

    bool AtEnd() const { return pos_ == end_; }
    std::uint64_t Position() const { return pos_; }

    // The next `n` bytes, valid until the next call; data that end before them are cut short.
    const std::uint8_t* Take(std::size_t n) {
        if (end_ - pos_ < n)
            Truncated();
        if (pos_ + n > bufferAt_ + buffer_.size()) {
            const std::uint64_t chunk = std::min<std::uint64_t>(kChunk, end_ - pos_);
            buffer_.resize(static_cast<std::size_t>(std::max<std::uint64_t>(n, chunk)));
            bufferAt_ = pos_;
            in_.Read(pos_, buffer_.data(), buffer_.size());
        }
        const std::uint8_t* p = buffer_.data() + (pos_ - bufferAt_);
        pos_ += n;
        return p;
    }

private:
    Input& in_;
    std::uint64_t pos_;
    std::uint64_t end_;
    std::uint64_t bufferAt_;
    std::vector<std::uint8_t> buffer_;
};

// Little-endian reads.
std::uint16_t U16(const std::uint8_t* p) {
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}
std::uint32_t U32(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
           (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}
std::int32_t I32(const std::uint8_t* p) {
    return static_cast<std::int32_t>(U32(p));
}

std::uint32_t Rgb(std::uint32_t r, std::uint32_t g, std::uint32_t b) {
    return kOpaque | (r << 16) | (g << 8) | b;
}

// One colour channel of a 16- or 32-bit pixel, given by its bit mask.
struct Channel {
    std::uint32_t mask = 0;
    int shift = 0;
    std::uint32_t max = 0;  // the largest value the channel holds; 0 for an absent channel

    explicit Channel(std::uint32_t m) : mask(m) {
        if (m == 0)
            return;
        shift = std::countr_zero(m);
        max = m >> shift;
        if ((max & (max + 1)) != 0)
            Invalid();  // the mask's bits must be contiguous
    }

    // Scales the channel's value to 0..255 so that its maximum becomes 255.
    std::uint32_t Scale(std::uint32_t pixel) const {
        if (max == 0)
            return 0;
        const std::uint64_t v = (pixel & mask) >> shift;
        return static_cast<std::uint32_t>((v * 255 + max / 2) / max);
    }
};

struct Masks {
    std::uint32_t red = 0;
    std::uint32_t green = 0;
    std::uint32_t blue = 0;
};

// Everything the headers say about where and how the pixels are stored.
struct Layout {
    std::int64_t width = 0;
    std::int64_t height = 0;
    bool topDown = false;
    unsigned bits = 0;
    std::uint32_t compression = kRgb;
    Masks masks;
    std::vector<std::uint32_t> palette;
    std::uint64_t pixelOffset = 0;

    // Indices past the end of the colour table show black.
    std::uint32_t Colour(unsigned index) const {
        return index < palette.size() ? palette[index] : kOpaqueBlack;
    }
    // The picture row (from the top) of the n-th stored row.
    std::int64_t RowOf(std::int64_t stored) const { return topDown ? stored : height - 1 - stored; }
};

bool IsKnownHeaderSize(std::uint32_t size) {
    switch (size) {
        case kCoreHeaderSize:
        case kInfoHeaderSize:
        case kMaskHeaderSize:
        case kAlphaHeaderSize:
        case kOs2InfoHeaderSize:
        case kV4HeaderSize:
        case kV5HeaderSize:
            return true;
        default:
            return false;
    }
}

void CheckEncoding(const Layout& l, bool coreHeader) {
    switch (l.compression) {
        case kRgb:
            if (coreHeader) {
                if (l.bits != 1 && l.bits != 4 && l.bits != 8 && l.bits != 24)
                    Invalid();
            } else if (l.bits != 1 && l.bits != 4 && l.bits != 8 && l.bits != 16 && l.bits != 24 &&
                       l.bits != 32) {
                Invalid();
            }
            return;
        case kRle8:
        case kRle4:
            // Run-length data is always stored bottom-up.
            if (l.bits != (l.compression == kRle8 ? 8u : 4u) || l.topDown)
                Invalid();
            return;
        case kBitfields:
        case kAlphaBitfields:
            if (l.bits != 16 && l.bits != 32)
                Invalid();
            return;
        default:
            Invalid();  // embedded JPEG/PNG and anything unknown
    }
}

// Reads the headers, masks and colour table; works out where the pixels start.
Layout ReadLayout(Input& in) {
    HeadBytes b(in);
    b.Need(kFileHeaderSize);
    if (b[0] != 'B' || b[1] != 'M')
        Invalid();
    const std::uint64_t offBits = U32(b.At(10));

    b.Need(kFileHeaderSize + 4);
    const std::uint32_t headerSize = U32(b.At(kFileHeaderSize));
    if (!IsKnownHeaderSize(headerSize))
        Invalid();
    b.Need(kFileHeaderSize + headerSize);

    const std::uint64_t h = kFileHeaderSize;
    const bool core = headerSize == kCoreHeaderSize;
    Layout l;
    unsigned planes = 0;
    std::uint64_t clrUsed = 0;
    if (core) {
        l.width = U16(b.At(h + 4));
        l.height = U16(b.At(h + 6));
        planes = U16(b.At(h + 8));
        l.bits = U16(b.At(h + 10));
    } else {
        l.width = I32(b.At(h + 4));
        l.height = I32(b.At(h + 8));
        planes = U16(b.At(h + 12));
        l.bits = U16(b.At(h + 14));
        l.compression = U32(b.At(h + 16));
        clrUsed = U32(b.At(h + 32));
    }
    if (planes != 1)
        Invalid();
    if (l.width <= 0 || l.height == 0)
        Invalid();
    if (l.height < 0) {
        l.topDown = true;
        l.height = -l.height;  // 64-bit, so even the most negative 32-bit height is safe
    }
    if (static_cast<std::uint64_t>(l.width) * static_cast<std::uint64_t>(l.height) > kMaxPixels) {
        Invalid();
    }
    CheckEncoding(l, core);

    std::uint64_t tableStart = h + headerSize;
    if (l.compression == kBitfields || l.compression == kAlphaBitfields) {
        const std::uint64_t maskAt = h + kInfoHeaderSize;
        if (headerSize == kOs2InfoHeaderSize)
            Invalid();  // its extra fields are no masks
        if (headerSize == kInfoHeaderSize) {
            // The masks follow the header, ahead of any colour table.
            const std::uint64_t count = l.compression == kAlphaBitfields ? 4 : 3;
            b.Need(tableStart + 4 * count);
            tableStart += 4 * count;
        }
        l.masks = {U32(b.At(maskAt)), U32(b.At(maskAt + 4)), U32(b.At(maskAt + 8))};
    } else if (l.bits == 16) {
        l.masks = {0x7C00, 0x03E0, 0x001F};
    } else if (l.bits == 32) {
        l.masks = {0x00FF0000, 0x0000FF00, 0x000000FF};
    }

    const std::uint64_t entrySize = core ? 3 : 4;
    std::uint64_t declared = clrUsed;  // entries the table takes up in the file
    std::uint64_t used = 0;            // entries we read as colours
    if (l.bits <= 8) {
        const std::uint64_t full = std::uint64_t{1} << l.bits;
        if (core || declared == 0)
            declared = full;
        used = std::min(declared, full);
        // Older files may hold a shorter table; the pixel offset tells how long it is.
        if (core && offBits >= tableStart && offBits < tableStart + used * entrySize) {
            used = (offBits - tableStart) / entrySize;
        }
    }
    const std::uint64_t usedEnd = tableStart + used * entrySize;
    b.Need(usedEnd);
    l.palette.reserve(used);
    for (std::uint64_t i = 0; i < used; ++i) {
        const std::uint64_t at = tableStart + i * entrySize;
        l.palette.push_back(Rgb(b[at + 2], b[at + 1], b[at]));
    }

    // The pixels start where the file header says, unless that points into the headers or
    // the colour table or past the end of the file; then they follow the table.
    if (offBits >= usedEnd && offBits <= in.Size()) {
        l.pixelOffset = offBits;
    } else {
        l.pixelOffset = tableStart + declared * entrySize;
    }
    return l;
}

void DecodeRows(Input& in, const Layout& l, BmpPicture& pic) {
    const std::uint64_t width = static_cast<std::uint64_t>(l.width);
    const std::uint64_t rowBits = width * l.bits;
    const std::uint64_t stride = (rowBits + 31) / 32 * 4;
    // The padding of the very last row may be missing; its pixels may not.
    const std::uint64_t lastRow = (rowBits + 7) / 8;
    const std::uint64_t needed = stride * static_cast<std::uint64_t>(l.height - 1) + lastRow;
    if (l.pixelOffset > in.Size() || needed > in.Size() - l.pixelOffset)
        Truncated();
    // Only now that the file is known to hold every row is room made for the pixels.
    pic.pixels.resize(static_cast<std::size_t>(l.width * l.height));

    Cursor data(in, l.pixelOffset, l.pixelOffset + needed);
    const Channel red(l.masks.red), green(l.masks.green), blue(l.masks.blue);
    for (std::int64_t r = 0; r < l.height; ++r) {
        const std::uint8_t* row = data.Take(r + 1 < l.height ? stride : lastRow);
        std::uint32_t* out = pic.pixels.data() + l.RowOf(r) * l.width;
        for (std::uint64_t x = 0; x < width; ++x) {
            std::uint32_t colour = 0;
            switch (l.bits) {
                case 1:
                    colour = l.Colour((row[x / 8] >> (7 - x % 8)) & 1);
                    break;
                case 4:
                    colour = l.Colour((row[x / 2] >> (x % 2 == 0 ? 4 : 0)) & 0x0F);
                    break;
                case 8:
                    colour = l.Colour(row[x]);
                    break;
                case 16: {
                    const std::uint32_t v = U16(row + 2 * x);
                    colour = Rgb(red.Scale(v), green.Scale(v), blue.Scale(v));
                    break;
                }
                case 24: {
                    const std::uint8_t* at = row + 3 * x;
                    colour = Rgb(at[2], at[1], at[0]);
                    break;
                }
                default: {  // 32; any alpha is dropped, pictures are shown opaque
                    const std::uint32_t v = U32(row + 4 * x);
                    colour = Rgb(red.Scale(v), green.Scale(v), blue.Scale(v));
                    break;
                }
            }
            out[x] = colour;
        }
    }
}

// Walks run-length data of 8 or 4 bits per pixel, stored bottom-up, and calls
// write(row counted from the bottom, column, palette index) for every pixel a run sets.
// The data end at the end of the file (the image size field is not trusted). A run or
// delta that leaves the picture makes it invalid; data that stop before the end-of-bitmap
// mark (or before every row has been ended) are a truncated file. Returns how many bytes
// of data there were.
template <class Write>
std::uint64_t WalkRle(Input& in, const Layout& l, Write write) {
    const bool four = l.compression == kRle4;
    Cursor data(in, l.pixelOffset, in.Size());
    std::int64_t x = 0;
    std::int64_t y = 0;  // counted from the bottom row

    auto put = [&](std::int64_t count, auto indexOf) {
        if (y >= l.height || x + count > l.width)
            Invalid();
        for (std::int64_t i = 0; i < count; ++i)
            write(y, x + i, indexOf(i));
        x += count;
    };

    while (true) {
        if (data.AtEnd() && y >= l.height)
            return data.Position() - l.pixelOffset;  // every row ended; no end mark
        const std::uint8_t* op = data.Take(2);
        const unsigned count = op[0];
        const unsigned code = op[1];
        if (count > 0) {
            // Encoded run: one index repeated (two alternating indices for 4 bits).
            put(count, [&](std::int64_t i) -> unsigned {
                if (!four)
                    return code;
                return i % 2 == 0 ? code >> 4 : code & 0x0F;
            });
            continue;
        }
        switch (code) {
            case 0:  // end of line
                x = 0;
                ++y;
                break;
            case 1:  // end of bitmap
                return data.Position() - l.pixelOffset;
            case 2: {  // delta: move right and up
                const std::uint8_t* move = data.Take(2);
                x += move[0];
                y += move[1];
                if (x > l.width || y > l.height)
                    Invalid();
                break;
            }
            default: {  // absolute run of `code` indices, padded to a 16-bit boundary
                const std::uint64_t bytes = four ? (code + 1) / 2 : code;
                const std::uint8_t* run = data.Take((bytes + 1) & ~std::uint64_t{1});
                put(code, [&](std::int64_t i) -> unsigned {
                    if (!four)
                        return run[i];
                    const unsigned byte = run[i / 2];
                    return i % 2 == 0 ? byte >> 4 : byte & 0x0F;
                });
                break;
            }
        }
    }
}

// Run-length data can claim a large picture in a few bytes, so they are first walked
// without writing anything; room for the pixels is made only for data that hold up and
// that are long enough for the picture: no code writes more than 255 pixels with two bytes.
// Pixels that no run writes keep colour 0 of the palette.
void DecodeRle(Input& in, const Layout& l, BmpPicture& pic) {
    const std::uint64_t bytes = WalkRle(in, l, [](std::int64_t, std::int64_t, unsigned) {});
    if (static_cast<std::uint64_t>(l.width * l.height) * 2 > bytes * kMaxPixelsPerTwoBytes)
        Invalid();
    pic.pixels.assign(static_cast<std::size_t>(l.width * l.height), l.Colour(0));
    WalkRle(in, l, [&](std::int64_t y, std::int64_t x, unsigned index) {
        pic.pixels[static_cast<std::size_t>((l.height - 1 - y) * l.width + x)] = l.Colour(index);
    });
}

}  // namespace

BmpPicture ReadBmp(ByteSource& file) {
    Input in(file);
    if (in.Size() == 0)
        return {};
    const Layout layout = ReadLayout(in);
    BmpPicture pic;
    pic.width = static_cast<int>(layout.width);
    pic.height = static_cast<int>(layout.height);
    if (layout.compression == kRle8 || layout.compression == kRle4) {
        DecodeRle(in, layout, pic);
    } else {
        DecodeRows(in, layout, pic);
    }
    return pic;
}

MemoryBytes::MemoryBytes(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

std::uint64_t MemoryBytes::Size() {
    return size_;
}

bool MemoryBytes::ReadAt(std::uint64_t at, std::uint8_t* out, std::size_t n) {
    if (at > size_ || n > size_ - at)
        return false;
    if (n > 0)
        std::memcpy(out, data_ + at, n);
    return true;
}

}  // namespace mogran
