#pragma once

#include <QString>

// Every modal message of the game goes through this one interface: the Qt
// implementation shows a message box, tests and the script driver answer from a
// script and record each box.
class Prompter {
public:
    enum class Kind { Error, Question, Warning, WarningQuestion };

    static QString defaultTitle();

    virtual ~Prompter() = default;

    // Shows one box and returns true for Yes (or OK on a box without a choice).
    virtual bool show(Kind kind, const QString& title, const QString& text) = 0;

    void error(const QString& text, const QString& title = defaultTitle()) {
        show(Kind::Error, title, text);
    }
    bool question(const QString& text, const QString& title = defaultTitle()) {
        return show(Kind::Question, title, text);
    }
    void warning(const QString& text, const QString& title = defaultTitle()) {
        show(Kind::Warning, title, text);
    }
    bool warningQuestion(const QString& text, const QString& title = defaultTitle()) {
        return show(Kind::WarningQuestion, title, text);
    }

    static bool isQuestion(Kind kind) {
        return kind == Kind::Question || kind == Kind::WarningQuestion;
    }
    static QString kindName(Kind kind);
};
