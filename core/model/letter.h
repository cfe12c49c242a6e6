#pragma once

#include <QString>
#include <vector>

class QJsonObject;

// One letter of a player's mailbox; the game writes them all.
class TLetter {
public:
    bool Unread = false;
    QString From;
    QString Date; // game date of posting, "2026.3.2"
    QString Text;
    QString Subject;

    void MarkRead() { Unread = false; }

    QJsonObject toJson() const;
};

using TLetters = std::vector<TLetter>;
