#pragma once

#include <functional>
#include <memory>
#include <string>

#include "bmp_reader.h"

namespace mogran {

// The kinds of picture file the program knows by extension.
enum class PictureKind { Unknown, Bitmap, Icon, Metafile };

// The characters after the last "." of a file name, or empty when there is no "." or a
// ":" or "\" follows it.
std::string PictureExtension(const std::string& fileName);

// The kind an extension names, compared without regard to case.
PictureKind KindOfExtension(const std::string& extension);

// Opens a file by name for reading; null when it cannot be opened as a file.
using PictureOpener = std::function<std::unique_ptr<ByteSource>(const std::string& fileName)>;

// Loads a picture file by name: its kind by the extension, then the file through `open`.
// A zero-length bitmap gives an empty picture. Throws AppError with the user's message on an
// unknown extension, a file that cannot be opened, or a malformed bitmap.
BmpPicture LoadPicture(const std::string& fileName, const PictureOpener& open);

}  // namespace mogran
