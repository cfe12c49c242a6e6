#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <memory>
#include <vector>

class QJsonObject;
class TZorvick;

// One firm's settled week on the market.
struct TMarketRow {
    std::int32_t Week = 0; // 1 for the first settled week of the game
    std::int32_t Firm = 0; // index into TMarketHistory::Firms()
    float Offered = 0;
    float Sold = 0;
    float Price = 0;
    float Revenue = 0;
    float Money = 0; // after the settlement

    bool operator==(const TMarketRow&) const = default;
};

// The market over the whole game: one row a firm a week, in the order the weeks
// were settled. Firms are numbered by their seats at setup; the player list
// reorders itself when a ruined firm leaves, so the history follows that order
// to know which seat a list position holds. A firm that left has no rows after.
class TMarketHistory {
public:
    struct Firm {
        QString Title;
        QString PlayerName;
    };

    // The seats of a new game, in list order.
    void Start(const std::vector<std::unique_ptr<TZorvick>>& players);
    // A new settled week; its firms' rows follow.
    void BeginWeek(const QString& date);
    // The row of the firm at that position of the player list, as settled, with the
    // suits it offered (the firm's own offer is cleared by the sale).
    void AddRow(std::int32_t position, const TZorvick& player, float offered);
    // The firm at that position leaves; the last position takes its place, as in
    // the player list.
    void DropPosition(std::int32_t position);

    const std::vector<Firm>& Firms() const { return firms_; }
    const std::vector<TMarketRow>& Rows() const { return rows_; }
    // The dates of the settled weeks, week 1 first.
    const QStringList& WeekDates() const { return dates_; }
    std::int32_t Weeks() const { return std::int32_t(dates_.size()); }

    // The rows of one firm, week by week, up to the week it left.
    std::vector<TMarketRow> FirmRows(std::int32_t firm) const;
    // A firm's share of the suits sold in a week, 0 to 1; 0 when nobody sold.
    float Share(std::int32_t firm, std::int32_t week) const;

    QJsonObject toJson() const;
    // False (and the history left empty) when the object is not a history.
    bool fromJson(const QJsonObject& json);

private:
    std::vector<Firm> firms_;
    std::vector<std::int32_t> seats_; // the firm at each list position
    std::vector<TMarketRow> rows_;
    QStringList dates_;
};
