// libFuzzer target for the saved-game reader: any bytes as a save. A file it accepts
// must give a game that saves again to a file it accepts, with the same state, and
// that can be played on.
#include "core/game/GameSave.h"
#include "core/game/TGameController.h"
#include "core/platform/NullHelp.h"
#include "core/platform/RandomSource.h"
#include "core/platform/ScriptedPrompter.h"
#include "core/platform/SilentSound.h"

#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

struct Table {
    ScriptedPrompter prompter{ScriptedPrompter::OnUnexpected::AnswerNo};
    SilentSound sound;
    NullHelp help;
    RandomSource random{1};
    Services services;
    TGameController controller;
    explicit Table(const QString& folder)
        : services{prompter, sound, help, random, GameFolder(folder), QDate(2026, 12, 8)},
          controller(services) {}
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static QTemporaryDir empty;
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    Table first(empty.path());
    if (!GameSave::Restore(bytes, first.controller, true).isEmpty())
        return 0;
    Table second(empty.path());
    if (!GameSave::Restore(GameSave::Bytes(first.controller), second.controller, true).isEmpty() ||
        first.controller.toJson() != second.controller.toJson())
        std::abort(); // a game that cannot be saved as it is
    for (int move = 0; move < 3; ++move)
        first.controller.EndMove(QStringLiteral("1"), QStringLiteral("100"), QStringLiteral("0"));
    return 0;
}
