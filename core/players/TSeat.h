#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

class QJsonObject;

// Who sits at a firm: a person, or a computer manager of a character and a
// strength. What a manager remembers from week to week is kept here, with the
// firm, so it belongs to the game like everything else of the firm.
class TSeat {
public:
    enum class Character : std::int32_t { Careful, PriceFighter, Advertiser, Researcher };
    enum class Strength : std::int32_t { Weak, Normal, Strong };

    bool Computer = false;
    Character character = Character::Careful;
    Strength strength = Strength::Normal;
    // Drawn from the game's random source when the seat is taken: the manager's
    // temper and its beginner's slips follow from it and the week.
    std::uint64_t Seed = 0;

    // The strong manager's reading of the market, set again every week from what it
    // sold against what the market library gives for last week's figures: the
    // advertising that the rivals, whose spending no report shows, seem to make
    // (negative while it has not sold yet).
    float RivalAdvertising = -1;
    // What it offered last week, so it knows whether it sold out.
    std::int32_t LastOffer = 0;

    // "strong", "weak:researcher", "normal:careful"; none for another text.
    static std::optional<TSeat> FromName(const QString& name);
    QString Name() const;
    // The names of the characters and strengths, as the simulator spells them.
    static QStringList CharacterNames();
    static QStringList StrengthNames();
    // As the entry dialog shows them.
    static QStringList CharacterTexts();
    static QStringList StrengthTexts();

    // Read back by the saved game's reader (core/game/GameSave.cpp).
    QJsonObject toJson() const;
};
