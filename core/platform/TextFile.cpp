#include "core/platform/TextFile.h"

#include <QFile>
#include <QStringDecoder>
#include <QStringEncoder>

namespace TextFile {

namespace {

QString decodeAs(QStringDecoder::Encoding encoding, QByteArrayView bytes) {
    QStringDecoder decoder(encoding, QStringDecoder::Flag::Stateless);
    return decoder(bytes);
}

} // namespace

QString decode(const QByteArray& bytes) {
    struct Mark {
        QByteArrayView bytes;
        QStringDecoder::Encoding encoding;
    };
    static constexpr Mark marks[] = {
        {"\xEF\xBB\xBF", QStringDecoder::Utf8},
        {"\xFF\xFE", QStringDecoder::Utf16LE},
        {"\xFE\xFF", QStringDecoder::Utf16BE},
    };
    for (const Mark& mark : marks)
        if (bytes.startsWith(mark.bytes))
            return decodeAs(mark.encoding, QByteArrayView(bytes).sliced(mark.bytes.size()));

    // Russian text in Windows-1251 is almost never valid UTF-8: its letters are
    // bytes of 0xC0 and above, which UTF-8 never puts side by side. Pure ASCII
    // reads the same either way.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8(bytes);
    if (!utf8.hasError())
        return text;
    // Built with ICU, Qt knows the code page by its name.
    QStringDecoder cp1251("Windows-1251");
    if (cp1251.isValid())
        return cp1251(bytes);
    return QString::fromLatin1(bytes);
}

QByteArray encode1251(const QString& text) {
    QStringEncoder cp1251("Windows-1251");
    if (cp1251.isValid())
        return cp1251(text);
    return text.toLatin1();
}

QString read(const QString& path, bool* ok) {
    QFile file(path);
    const bool opened = file.open(QIODevice::ReadOnly);
    if (ok)
        *ok = opened;
    if (!opened)
        return {};
    return decode(file.readAll());
}

} // namespace TextFile
