#pragma once

#include <QString>

namespace mogran::test {

// Copies the project's five media files into dir. Returns false when one is missing.
bool PutMediaFiles(const QString& dir);

// Points SDL at its disk driver, writing into dir, so that tests play sounds without hardware.
void UseDiskAudio(const QString& dir);

}  // namespace mogran::test
