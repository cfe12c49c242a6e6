#pragma once

#include <QObject>
#include <QThread>

// Reads standard input line by line on a thread of its own and hands each line
// to the user-interface thread, so the windows never wait on the input.
class StdinReader : public QThread {
    Q_OBJECT
public:
    using QThread::QThread;

signals:
    void lineRead(const QString& line);
    void finishedInput();

protected:
    void run() override;
};
