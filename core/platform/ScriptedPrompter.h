#pragma once

#include "core/platform/Prompter.h"

#include <QList>
#include <functional>
#include <stdexcept>

// Answers questions from a queue and records every box, for tests and headless runs.
class ScriptedPrompter : public Prompter {
public:
    struct Box {
        Kind kind;
        QString title;
        QString text;
        bool answer;
    };

    // What happens to a question when the queue is empty.
    enum class OnUnexpected {
        Fail,     // unit tests: throws UnexpectedQuestion, which fails the test
        AnswerNo, // script driver, widget tests: answered No and listed in failures()
    };

    struct UnexpectedQuestion : std::runtime_error {
        using std::runtime_error::runtime_error;
    };

    explicit ScriptedPrompter(OnUnexpected policy = OnUnexpected::Fail) : policy_(policy) {}

    bool show(Kind kind, const QString& title, const QString& text) override;

    void queue(bool answer) { answers_.append(answer); }
    void queue(std::initializer_list<bool> answers);
    void clearAnswers() { answers_.clear(); }
    int pendingAnswers() const { return int(answers_.size()); }

    const QList<Box>& boxes() const { return boxes_; }
    const Box& last() const { return boxes_.last(); }
    void clearBoxes() { boxes_.clear(); }
    // Texts of the recorded boxes, in order.
    QStringList texts() const;

    // Questions asked with no answer queued.
    const QStringList& failures() const { return failures_; }

    // Called after each box is recorded (the script driver prints it).
    std::function<void(const Box&, bool unexpected)> onBox;

private:
    OnUnexpected policy_;
    QList<bool> answers_;
    QList<Box> boxes_;
    QStringList failures_;
};
