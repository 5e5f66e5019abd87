#include "window_test_media.h"

#include <QDir>
#include <QFile>
#include <QStringList>

namespace mogran::test {

bool PutMediaFiles(const QString& dir) {
    const QDir media(QStringLiteral(MOGRAN_MEDIA_DIR));
    for (const char* name : {"mascot.bmp", "maru1.bmp", "batu1.bmp", "maru1.wav", "batu1.wav"}) {
        if (!QFile::copy(media.filePath(name), dir + '/' + name)) {
            return false;
        }
    }
    return true;
}

void UseDiskAudio(const QString& dir) {
    qputenv("SDL_AUDIODRIVER", "disk");
    qputenv("SDL_DISKAUDIOFILE", QFile::encodeName(dir + QStringLiteral("/audio.raw")));
}

}  // namespace mogran::test
