#include "core/reports/TMarketReport.h"

#include "core/platform/NumberText.h"

namespace {

const QString Frame =
    QStringLiteral("+--------------------+--------------------+----------+-------------+");

// Blanks on the right up to the width; a longer text is never cut.
QString filled(const QString& text, int width) {
    return text.leftJustified(width, QLatin1Char(' '), false);
}

} // namespace

void TMarketReport::Begin(const QString& dateText) {
    lines_.clear();
    lines_.reserve(16);
    lines_ << QStringLiteral("                                Региональный центр иследованя рынка ")
           << QStringLiteral(" Факсимильное сообщение")
           << QStringLiteral(" Кому: Производители спортивных костюмов")
           << QStringLiteral(" От: Региональный центр иследованя рынка")
           << QStringLiteral(" На: Еженедельный отчет") << QStringLiteral(" Дата: ") + dateText
           << QString() << QStringLiteral(" Отчет за прошедшую неделю:") << Frame
           << QStringLiteral("| Имя менеджера      | Обьем продаж (ед.) | Цена ($) | Прибыль ($) |")
           << Frame;
}

void TMarketReport::AddRow(const QString& playerName, float sold, float price) {
    QString row;
    row.reserve(Frame.size() + playerName.size());
    row += QLatin1String("| ");
    row += filled(playerName, 18);
    row += QLatin1String(" | ");
    row += filled(NumberText::whole(sold), 18);
    row += QLatin1String(" | ");
    row += filled(NumberText::whole(price), 8);
    row += QLatin1String(" | ");
    row += filled(NumberText::whole(price * sold), 12);
    row += QLatin1Char('|');
    lines_ << row;
}

void TMarketReport::Finish() {
    lines_ << Frame << QStringLiteral(" Text'O'Phone - только качественная связь!");
}
