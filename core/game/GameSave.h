#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QString>

class TGameController;

// A game as one versioned JSON document, and back. The document is the controller's
// state dump (every class's toJson) with the format number and the state of the random
// source added; the readers in GameSave.cpp take each class's fields back, one reader
// per class, and check every value, so a damaged or edited file is refused whole
// instead of starting a game no rule could have led to.
namespace GameSave {

// Raised only when a file of the new format would be misread by an older reader;
// a field added with a default for its absence keeps the format.
constexpr int Format = 1;

QJsonObject Document(TGameController& controller);
// The document as compact UTF-8 JSON, as it is written.
QByteArray Bytes(TGameController& controller);

// Reads a saved game. Empty when it can be continued, else what is wrong, in Russian
// and naming the field. With apply set the game then takes the controller's place
// (the windows are told); without, nothing is changed.
QString Restore(const QByteArray& bytes, TGameController& controller, bool apply);

} // namespace GameSave
