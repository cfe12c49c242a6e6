#pragma once

#include <QByteArray>
#include <QString>

// Text files the player may edit are Windows-1251, as a Windows editor writes
// them; one that starts with a UTF-8 byte-order mark is read as UTF-8.
namespace TextFile {
QString decode(const QByteArray& bytes);
QByteArray encode1251(const QString& text);
// The whole file decoded; an empty text when it cannot be read.
QString read(const QString& path, bool* ok = nullptr);
} // namespace TextFile
