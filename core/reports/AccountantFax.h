#pragma once

#include <QString>
#include <QStringList>

class TCalendar;
class TZorvick;

// The accountant's weekly fax to one player: the costs, the revenue and the net
// profit of the last settled week, from the last entry of each series of the
// player's history (an empty series counts as 0).
namespace AccountantFax {

// The fax's lines, dated with the settled week: the week before today, rolling back
// over months and years (2027.1.1 gives "2026.12.4").
QStringList Lines(const TZorvick& player, const TCalendar& today);

} // namespace AccountantFax
