#pragma once

#include <QString>

namespace mogran::test {

// Fills dir with the five media files: the project's own when they are all there, otherwise
// small valid stand-ins (distinct pictures, short silent sounds). Returns false on failure.
bool PutMediaFiles(const QString& dir);

// Points SDL at its disk driver, writing into dir, so that tests play sounds without hardware.
void UseDiskAudio(const QString& dir);

}  // namespace mogran::test
