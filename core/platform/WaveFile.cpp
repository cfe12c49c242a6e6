#include "core/platform/WaveFile.h"

#include <QFile>

namespace {

quint32 le32(const char* p) {
    const auto* u = reinterpret_cast<const unsigned char*>(p);
    return quint32(u[0]) | quint32(u[1]) << 8 | quint32(u[2]) << 16 | quint32(u[3]) << 24;
}

quint16 le16(const char* p) {
    const auto* u = reinterpret_cast<const unsigned char*>(p);
    return quint16(u[0] | u[1] << 8);
}

} // namespace

qint64 WaveInfo::durationMs() const {
    const qint64 bytesPerSecond = qint64(sampleRate) * channels * (bitsPerSample / 8);
    if (!valid || bytesPerSecond <= 0)
        return 0;
    return dataBytes * 1000 / bytesPerSecond;
}

WaveInfo WaveInfo::read(const QString& path) {
    WaveInfo info;
    if (path.isEmpty())
        return info;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return info;
    char head[12];
    if (file.read(head, 12) != 12 || qstrncmp(head, "RIFF", 4) != 0 ||
        qstrncmp(head + 8, "WAVE", 4) != 0)
        return info;

    bool haveFormat = false;
    char chunk[8];
    // Chunks other than fmt and data (LIST, fact...) are skipped; their sizes are padded to even.
    while (file.read(chunk, 8) == 8) {
        const quint32 size = le32(chunk + 4);
        if (qstrncmp(chunk, "fmt ", 4) == 0) {
            if (size < 16)
                return info;
            char fmt[16];
            if (file.read(fmt, 16) != 16)
                return info;
            const quint16 format = le16(fmt);
            info.channels = le16(fmt + 2);
            info.sampleRate = int(le32(fmt + 4));
            info.bitsPerSample = le16(fmt + 14);
            haveFormat = format == 1 && info.channels > 0 && info.sampleRate > 0 &&
                         (info.bitsPerSample == 8 || info.bitsPerSample == 16);
            // The rest of an extended format chunk, and the pad byte of an odd size.
            if (!haveFormat || !file.seek(file.pos() + (size - 16) + (size & 1)))
                return info;
        } else if (qstrncmp(chunk, "data", 4) == 0) {
            if (!haveFormat)
                return info;
            // A header that claims more than the file holds is trusted only up to the file's end.
            info.dataBytes = qMin<qint64>(size, file.size() - file.pos());
            info.valid = true;
            return info;
        } else if (!file.seek(file.pos() + size + (size & 1))) {
            return info;
        }
    }
    return info;
}
