#pragma once

#include <QString>
#include <QStringList>
#include <optional>

class TCalendar;
class TZorvick;

// The accountant's weekly fax to one player: the costs, the revenue and the net
// profit of the last settled week, from the last entry of each series of the
// player's history (an empty series counts as 0).
namespace AccountantFax {

// The fax's lines, dated with the settled week: the week before today, rolling back
// over months and years (2027.1.1 gives "2026.12.4"). Every written figure is whole
// dollars and the lines add up exactly: the rows to "Итого", revenue less "Итого" to
// the net profit, the week's starting money plus the net profit to the last line.
// The last line is nextTurnMoney when given (the money the next turn started with),
// else the week's starting money carried through the rows.
QStringList Lines(const TZorvick& player, const TCalendar& today,
                  std::optional<float> nextTurnMoney = std::nullopt);

} // namespace AccountantFax
