#pragma once

#include <QString>
#include <QStringList>

// The folder the game reads its files from: the executable's folder unless a
// test or the script driver names another. Relative paths are written as the
// game's data names them ("images\stor.bmp", "Sounds/busy.wav") and are found
// case-insensitively, one component at a time.
class GameFolder {
public:
    explicit GameFolder(QString root);
    static GameFolder applicationFolder();

    const QString& root() const { return root_; }

    // The existing file or folder that the relative path names; when nothing
    // matches, the path joined to the root as written (so errors can name it).
    QString resolve(const QString& relative) const;
    bool exists(const QString& relative) const;

    // Files of a folder whose names match a wildcard such as "*.scn" (case-insensitive),
    // as absolute paths sorted by file name.
    QStringList list(const QString& folder, const QString& wildcard) const;

private:
    QString root_;
};
