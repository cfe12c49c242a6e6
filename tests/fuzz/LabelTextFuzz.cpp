// libFuzzer target for the label texts: any bytes as constants.txt, each key of the
// game filled with a number, and the bytes themselves used as a template.
#include "core/board/TLabelTexts.h"
#include "core/platform/Prompter.h"
#include "core/platform/TextFile.h"

#include <cstddef>
#include <cstdint>

namespace {

class QuietPrompter : public Prompter {
public:
    bool show(Kind, const QString&, const QString&) override { return true; }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static QuietPrompter prompter;
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString text = TextFile::decode(bytes);
    const TLabelTexts texts(IniFile::fromText(text));
    for (const char* key : {"cCurrentDebt", "cMaxLoan", "cBankInterest", "cCurrentWorkersAmount",
                            "cRMCapacity", "cProdCost"}) {
        (void)texts.LabelText(QString::fromLatin1(key), QStringLiteral("Текст: %s $."), 1234.5,
                              prompter);
        (void)texts.LabelText(QString::fromLatin1(key), QStringLiteral("%s"));
    }
    (void)TLabelTexts::Format(text, QStringLiteral("42"));
    return 0;
}
