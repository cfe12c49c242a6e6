// libFuzzer target for the INI reader: any bytes, as a player's editor may leave them.
#include "core/platform/IniFile.h"
#include "core/platform/TextFile.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const IniFile ini = IniFile::fromText(TextFile::decode(bytes));
    // Look up names that the input itself may contain.
    const qsizetype half = bytes.size() / 2;
    const QString section = TextFile::decode(bytes.left(half)).trimmed();
    const QString key = TextFile::decode(bytes.mid(half)).trimmed();
    (void)ini.value(section, key, QStringLiteral("x"));
    (void)ini.intValue(section, key, 0);
    (void)ini.hasSection(section);
    (void)IniFile::parseInt(key);
    return 0;
}
