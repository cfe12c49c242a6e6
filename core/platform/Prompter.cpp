#include "core/platform/Prompter.h"

QString Prompter::defaultTitle() {
    return QStringLiteral("Однако здравствуйте!");
}

QString Prompter::kindName(Kind kind) {
    switch (kind) {
    case Kind::Error:
        return QStringLiteral("error");
    case Kind::Question:
        return QStringLiteral("question");
    case Kind::Warning:
        return QStringLiteral("warning");
    case Kind::WarningQuestion:
        return QStringLiteral("warning question");
    }
    return {};
}
