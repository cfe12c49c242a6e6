#pragma once

#include "core/platform/NullHelp.h"
#include "core/platform/RandomSource.h"
#include "core/platform/ScriptedPrompter.h"
#include "core/platform/SilentSound.h"

#include <QJsonObject>
#include <QObject>
#include <QStringList>
#include <QTimer>
#include <memory>

class QAbstractItemView;
class QJsonArray;
class QModelIndex;
class QTemporaryDir;
class TAutoSave;
class QWidget;
class TManage;

// Plays the real game windows from JSON Lines: one line a turn of the event
// loop, so a line can act inside a modal window that an earlier line opened
// (the nested exec() loops keep taking lines). Every message box, window and
// answer is written to standard output as JSON Lines too.
class ScriptDriver : public QObject {
    Q_OBJECT
public:
    explicit ScriptDriver(QString ownFolder);
    ~ScriptDriver() override;

    // Runs until the input ends or the game ends; returns the process status.
    int run();

public slots:
    void addLine(const QString& line);
    void inputEnded();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The next line runs after delayMs of the event loop (0: on its next turn).
    void schedule(int delayMs = 0);
    void step();
    void execute(const QString& line);
    void finish(const QString& reason);

    void start(const QJsonValue& options);
    void type(const QJsonValue& args);
    void click(const QJsonValue& args);
    // Picks the item of a choice list by its text.
    void choose(const QJsonValue& args);
    // A click on a cell of a list view, and a double click on a row of a list.
    void clickCell(const QJsonArray& args);
    void doubleClick(const QJsonValue& args);
    void key(const QJsonValue& args);
    void answer(const QJsonValue& args);
    void read(const QJsonValue& args);
    void close(const QJsonValue& args);
    void wait(const QJsonValue& args);
    // Saves an open window as it is drawn into a picture file.
    void grab(const QJsonValue& args);
    void state();

    // A control by name: first in the topmost modal window, then in the board;
    // "Window.control" names a control of a particular window.
    QObject* find(const QString& name, QString* why) const;
    QWidget* activeWindow() const;
    // Reports an error unless a person could act on the control: it is enabled,
    // shown, and not behind an open modal window.
    bool usable(QObject* target, const QString& name);
    bool behindModal(QWidget* window, const QString& name);
    // The visible top-level window of that name; none, with an error, when it is not open.
    QWidget* openWindow(const QString& name);
    // The list view named args[0], usable, and its cell at row args[1], column;
    // null (and an error reported) when there is none.
    QAbstractItemView* cellOf(const QJsonArray& args, int column, QModelIndex* cell);

    void print(const QJsonObject& object);
    void error(const QString& message);

    QString ownFolder_;
    QStringList queue_;
    QTimer next_;
    bool inputEnded_ = false;
    bool waiting_ = true;
    bool finished_ = false;
    int errors_ = 0;
    int gameStatus_ = 0;
    QString endReason_;

    ScriptedPrompter prompter_{ScriptedPrompter::OnUnexpected::AnswerNo};
    SilentSound sound_;
    NullHelp help_;
    std::unique_ptr<RandomSource> random_;
    std::unique_ptr<QTemporaryDir> dataDir_;
    std::unique_ptr<TManage> manage_;
    std::unique_ptr<TAutoSave> autoSave_; // before the board it saves is gone
};
