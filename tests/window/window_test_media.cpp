#include "window_test_media.h"

#include <QColor>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QStringList>

namespace mogran::test {

namespace {

const QStringList kPictures = {"mascot.bmp", "maru1.bmp", "batu1.bmp"};
const QStringList kSounds = {"maru1.wav", "batu1.wav"};

bool WriteSilentWav(const QString& path) {
    constexpr quint32 kRate = 8000;
    constexpr quint32 kSamples = 400;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    QDataStream out(&file);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("RIFF", 4);
    out << quint32(36 + kSamples);
    out.writeRawData("WAVEfmt ", 8);
    out << quint32(16) << quint16(1) << quint16(1) << kRate << kRate << quint16(1) << quint16(8);
    out.writeRawData("data", 4);
    out << kSamples;
    for (quint32 i = 0; i < kSamples; ++i) {
        out << quint8(128);
    }
    return out.status() == QDataStream::Ok;
}

bool CopyProjectMedia(const QString& dir) {
    const QDir media(QStringLiteral(MOGRAN_MEDIA_DIR));
    for (const QString& name : kPictures + kSounds) {
        if (!media.exists(name)) {
            return false;
        }
    }
    for (const QString& name : kPictures + kSounds) {
        QFile::remove(dir + '/' + name);
        if (!QFile::copy(media.filePath(name), dir + '/' + name)) {
            return false;
        }
    }
    return true;
}

}  // namespace

bool PutMediaFiles(const QString& dir) {
    if (CopyProjectMedia(dir)) {
        return true;
    }
    const QColor colours[] = {Qt::yellow, Qt::red, Qt::blue};
    for (int i = 0; i < kPictures.size(); ++i) {
        QImage image(81, 81, QImage::Format_RGB32);
        image.fill(colours[i]);
        if (!image.save(dir + '/' + kPictures[i], "BMP")) {
            return false;
        }
    }
    for (const QString& name : kSounds) {
        if (!WriteSilentWav(dir + '/' + name)) {
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
