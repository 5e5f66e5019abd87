#pragma once

#include <string>

#include <QImage>
#include <QString>

namespace mogran {

// Loads a picture file by name, relative to the current working directory, read anew on
// every call. A zero-length bitmap gives a null image (an empty picture box).
// Throws AppError with the user's message on an unknown extension, a file that cannot be
// opened, or a malformed bitmap.
QImage LoadPictureFile(const std::string& fileName);

// A picture built into the program (a resource path), read by Qt's own reader of the format
// its name ends in; a null image if it cannot be read. Qt would otherwise load every
// image-format plugin installed to ask each whether it reads the file.
QImage LoadBuiltInPicture(const QString& path);

}  // namespace mogran
