#pragma once

// The end-to-end tests run zorvick-script (ZORVICK_SCRIPT) as a process on a script of
// JSON Lines and read what it prints.

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStringList>
#include <gtest/gtest.h>
#include <ostream>

// Failures print texts, not bytes.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace ScriptRun {

// The driver's output lines; its exit status into exitCode when given.
inline QList<QJsonObject> run(const QStringList& script, int* exitCode = nullptr) {
    QProcess driver;
    driver.start(ZORVICK_SCRIPT, {});
    EXPECT_TRUE(driver.waitForStarted());
    driver.write(script.join('\n').toUtf8() + '\n');
    driver.closeWriteChannel();
    // Generous: a loaded machine running the sanitizer build is slow.
    EXPECT_TRUE(driver.waitForFinished(180000));
    if (exitCode)
        *exitCode = driver.exitCode();
    QList<QJsonObject> out;
    for (const QByteArray& line : driver.readAllStandardOutput().split('\n')) {
        if (line.trimmed().isEmpty())
            continue;
        const QJsonDocument doc = QJsonDocument::fromJson(line);
        EXPECT_TRUE(doc.isObject()) << line.toStdString();
        out.append(doc.object());
    }
    return out;
}

// Every output line of one kind ("read", "box", "window", ...), in order.
inline QList<QJsonObject> linesOf(const QList<QJsonObject>& out, const char* key) {
    QList<QJsonObject> lines;
    for (const QJsonObject& o : out)
        if (o.contains(key))
            lines.append(o[key].toObject());
    return lines;
}

inline QStringList errorsOf(const QList<QJsonObject>& out) {
    QStringList errors;
    for (const QJsonObject& o : out)
        if (o.contains("error"))
            errors.append(o["error"].toString());
    return errors;
}

} // namespace ScriptRun
