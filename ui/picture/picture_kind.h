#pragma once

#include <string>

namespace mogran {

// The kinds of picture file the program knows by extension.
enum class PictureKind { Unknown, Bitmap, Icon, Metafile };

// The characters after the last "." of a file name, or empty when there is no "." or a
// ":" or "\" follows it.
std::string PictureExtension(const std::string& fileName);

// The kind an extension names, compared without regard to case.
PictureKind KindOfExtension(const std::string& extension);

}  // namespace mogran
