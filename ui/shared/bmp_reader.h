#pragma once

#include <cstddef>
#include <cstdint>
#include <iosfwd>
#include <vector>

namespace mogran {

// A decoded bitmap: pixels row by row from the top, each 0xAARRGGBB.
struct BmpPicture {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;

    bool IsEmpty() const { return width == 0 || height == 0; }
};

// The bytes of a file, read where asked.
class ByteSource {
public:
    virtual ~ByteSource() = default;
    // The length of the file; throws AppError when it cannot be told.
    virtual std::uint64_t Size() = 0;
    // Fills `out` with the `n` bytes at `at`; false when the file has not got them.
    virtual bool ReadAt(std::uint64_t at, std::uint8_t* out, std::size_t n) = 0;
};

// A file held in memory, which must outlive the source.
class MemoryBytes : public ByteSource {
public:
    MemoryBytes(const std::uint8_t* data, std::size_t size);
    std::uint64_t Size() override;
    bool ReadAt(std::uint64_t at, std::uint8_t* out, std::size_t n) override;

private:
    const std::uint8_t* data_;
    std::size_t size_;
};

// A file read through a standard stream that starts at its first byte. Kept in a file of its
// own, so that a program that reads its files otherwise does not carry the stream library.
class StreamBytes : public ByteSource {
public:
    explicit StreamBytes(std::istream& in) : in_(in) {}
    std::uint64_t Size() override;
    bool ReadAt(std::uint64_t at, std::uint8_t* out, std::size_t n) override;

private:
    std::istream& in_;
};

// Decodes a Windows BMP file whose first byte is at 0. Only the
// headers, the colour table and the pixel data they call for are read; the file may go on
// past them. An empty file gives an empty picture. Throws AppError with the message the
// user sees for a malformed or truncated file.
BmpPicture ReadBmp(ByteSource& file);
// The same, from a stream that starts at the file's first byte.
BmpPicture ReadBmp(std::istream& file);

}  // namespace mogran
