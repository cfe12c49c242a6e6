#pragma once

#include "core/platform/Prompter.h"

// Message boxes without an owner window, as the game shows every refusal and offer.
class QtPrompter : public Prompter {
public:
    bool show(Kind kind, const QString& title, const QString& text) override;
};
