#include "platform/TextFile.h"

#include <QFile>
#include <QStringDecoder>
#include <QStringEncoder>

namespace TextFile {

QString decode(const QByteArray& bytes) {
    static const QByteArray bom("\xEF\xBB\xBF");
    if (bytes.startsWith(bom)) {
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        return utf8(bytes.mid(bom.size()));
    }
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
