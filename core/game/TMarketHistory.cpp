#include "core/game/TMarketHistory.h"

#include "core/model/player.h"

#include <QJsonArray>
#include <QJsonObject>

void TMarketHistory::Start(const std::vector<std::unique_ptr<TZorvick>>& players) {
    *this = {};
    for (const auto& player : players) {
        seats_.push_back(std::int32_t(firms_.size()));
        firms_.push_back({player->Title, player->PlayerName});
    }
}

void TMarketHistory::BeginWeek(const QString& date) {
    dates_.append(date);
}

void TMarketHistory::AddRow(std::int32_t position, const TZorvick& player, float offered) {
    if (position < 0 || std::size_t(position) >= seats_.size() || dates_.isEmpty())
        return;
    rows_.push_back({Weeks(), seats_[std::size_t(position)], offered, player.Sold, player.Price,
                     player.Price * player.Sold, player.Money});
}

void TMarketHistory::DropPosition(std::int32_t position) {
    if (position < 0 || std::size_t(position) >= seats_.size())
        return;
    seats_[std::size_t(position)] = seats_.back();
    seats_.pop_back();
}

std::vector<TMarketRow> TMarketHistory::FirmRows(std::int32_t firm) const {
    std::vector<TMarketRow> rows;
    for (const TMarketRow& row : rows_)
        if (row.Firm == firm)
            rows.push_back(row);
    return rows;
}

float TMarketHistory::Share(std::int32_t firm, std::int32_t week) const {
    double total = 0, own = 0;
    for (const TMarketRow& row : rows_) {
        if (row.Week != week)
            continue;
        total += row.Sold;
        if (row.Firm == firm)
            own += row.Sold;
    }
    return total > 0 ? float(own / total) : 0.0f;
}

QJsonObject TMarketHistory::toJson() const {
    QJsonArray firms, seats, rows;
    for (const Firm& firm : firms_)
        firms.append(QJsonObject{{"Title", firm.Title}, {"PlayerName", firm.PlayerName}});
    for (const std::int32_t seat : seats_)
        seats.append(seat);
    for (const TMarketRow& r : rows_)
        rows.append(QJsonArray{r.Week, r.Firm, r.Offered, r.Sold, r.Price, r.Revenue, r.Money});
    return {{"Firms", firms},
            {"Seats", seats},
            {"Weeks", QJsonArray::fromStringList(dates_)},
            {"Rows", rows}};
}

bool TMarketHistory::fromJson(const QJsonObject& json) {
    TMarketHistory read;
    for (const QJsonValue& firm : json.value("Firms").toArray())
        read.firms_.push_back({firm.toObject().value("Title").toString(),
                               firm.toObject().value("PlayerName").toString()});
    const auto firmCount = std::int32_t(read.firms_.size());
    auto isFirm = [firmCount](const QJsonValue& v) {
        return v.isDouble() && v.toInt(-1) >= 0 && v.toInt(-1) < firmCount;
    };
    for (const QJsonValue& seat : json.value("Seats").toArray()) {
        if (!isFirm(seat))
            return false;
        read.seats_.push_back(seat.toInt());
    }
    for (const QJsonValue& week : json.value("Weeks").toArray())
        read.dates_.append(week.toString());
    for (const QJsonValue& value : json.value("Rows").toArray()) {
        const QJsonArray r = value.toArray();
        if (r.size() != 7 || r.at(0).toInt() < 1 || r.at(0).toInt() > read.Weeks() ||
            !isFirm(r.at(1)))
            return false;
        read.rows_.push_back({r.at(0).toInt(), r.at(1).toInt(), float(r.at(2).toDouble()),
                              float(r.at(3).toDouble()), float(r.at(4).toDouble()),
                              float(r.at(5).toDouble()), float(r.at(6).toDouble())});
    }
    *this = std::move(read);
    return true;
}
