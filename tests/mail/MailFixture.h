#pragma once

// A game of two firms in an empty folder, for the mailbox's and the telephone's rules.
#include "core/game/TGameController.h"
#include "core/platform/NullHelp.h"
#include "core/platform/RandomSource.h"
#include "core/platform/ScriptedPrompter.h"
#include "core/platform/SilentSound.h"

#include <QTemporaryDir>
#include <memory>

struct MailGame {
    explicit MailGame(const QString& folder = {}, std::uint64_t seed = 1)
        : random(seed), services{prompter,
                                 sound,
                                 help,
                                 random,
                                 GameFolder(folder.isEmpty() ? dir.path() : folder),
                                 QDate(2026, 12, 8)} {
        controller = std::make_unique<TGameController>(services);
        controller->StartCalendar();
        controller->BeginSetup(2);
        controller->AddPlayer(QStringLiteral("Firm A"), QStringLiteral("Ann"), 0);
        controller->AddPlayer(QStringLiteral("Firm B"), QStringLiteral("Bob"), 1);
        controller->FinishSetup();
    }

    TZorvick& player(int i) { return *controller->Game().Players.at(std::size_t(i)); }
    void post(int to, const QString& subject) {
        player(to).PostLetter(QStringLiteral("from@sportprom.zv"), subject,
                              QStringLiteral("Text of ") + subject, QStringLiteral("2026.12.1"));
    }
    QStringList subjects(int i) {
        QStringList out;
        for (const TLetter& letter : player(i).Letters)
            out << letter.Subject;
        return out;
    }

    QTemporaryDir dir;
    ScriptedPrompter prompter;
    SilentSound sound;
    NullHelp help;
    RandomSource random;
    Services services;
    std::unique_ptr<TGameController> controller;
};
