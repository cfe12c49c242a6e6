#include "core/platform/ScriptedPrompter.h"

bool ScriptedPrompter::show(Kind kind, const QString& title, const QString& text) {
    bool answer = true;
    bool unexpected = false;
    if (isQuestion(kind)) {
        if (answers_.isEmpty()) {
            unexpected = true;
            answer = false;
            failures_.append(text);
            if (policy_ == OnUnexpected::Fail) {
                boxes_.append(Box{kind, title, text, answer});
                throw UnexpectedQuestion(("unexpected question: " + text).toStdString());
            }
        } else {
            answer = answers_.takeFirst();
        }
    }
    boxes_.append(Box{kind, title, text, answer});
    if (onBox)
        onBox(boxes_.last(), unexpected);
    return answer;
}

void ScriptedPrompter::queue(std::initializer_list<bool> answers) {
    for (bool a : answers)
        answers_.append(a);
}

QStringList ScriptedPrompter::texts() const {
    QStringList out;
    for (const Box& b : boxes_)
        out.append(b.text);
    return out;
}
