#include "core/platform/GameFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

GameFolder::GameFolder(QString root) : root_(QDir::cleanPath(std::move(root))) {}

GameFolder GameFolder::applicationFolder() {
    return GameFolder(QCoreApplication::applicationDirPath());
}

namespace {

// The entry of dir whose name equals name ignoring case; an exact match wins.
QString findEntry(const QDir& dir, const QString& name) {
    if (QFileInfo::exists(dir.filePath(name)))
        return name;
    const QStringList entries = dir.entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString& entry : entries)
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return entry;
    return {};
}

QStringList components(const QString& relative) {
    QString path = relative;
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return path.split(QLatin1Char('/'), Qt::SkipEmptyParts);
}

} // namespace

QString GameFolder::resolve(const QString& relative) const {
    const QStringList parts = components(relative);
    QString current = root_;
    for (const QString& part : parts) {
        if (part == QLatin1String("."))
            continue;
        const QString found = findEntry(QDir(current), part);
        if (found.isEmpty())
            return QDir::cleanPath(root_ + QLatin1Char('/') + parts.join(QLatin1Char('/')));
        current = current + QLatin1Char('/') + found;
    }
    return QDir::cleanPath(current);
}

bool GameFolder::exists(const QString& relative) const {
    return QFileInfo::exists(resolve(relative));
}

QStringList GameFolder::list(const QString& folder, const QString& wildcard) const {
    const QString dirPath = resolve(folder);
    const QDir dir(dirPath);
    if (!QFileInfo(dirPath).isDir())
        return {};
    const QRegularExpression pattern(QRegularExpression::wildcardToRegularExpression(wildcard),
                                     QRegularExpression::CaseInsensitiveOption);
    QStringList names = dir.entryList(QDir::Files | QDir::Hidden, QDir::Name);
    names.sort(Qt::CaseSensitive);
    QStringList out;
    for (const QString& name : names)
        if (pattern.match(name).hasMatch())
            out.append(dir.filePath(name));
    return out;
}
