#pragma once

#include <string>

#include <QImage>

namespace mogran {

// Loads a picture file by name, relative to the current working directory, read anew on
// every call. A zero-length bitmap gives a null image (an empty picture box).
// Throws AppError with the user's message on an unknown extension, a file that cannot be
// opened, or a malformed bitmap.
QImage LoadPictureFile(const std::string& fileName);

}  // namespace mogran
