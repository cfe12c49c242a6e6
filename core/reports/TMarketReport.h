#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>

// The weekly market report, a fax from the regional market research centre,
// written row by row while the week is settled.
class TMarketReport {
public:
    // Clears the report and writes its head, dated with the week being settled.
    void Begin(const QString& dateText);
    // One firm's row: suits sold, price and the revenue (price × sold). A text longer
    // than its column is written whole and pushes the rest of the row to the right.
    void AddRow(const QString& playerName, float sold, float price);
    // The closing frame line and the signature.
    void Finish();
    // The report of a saved game, as it was.
    void Restore(QStringList lines) { lines_ = std::move(lines); }

    QString Text() const { return lines_.join(QLatin1Char('\n')); }
    const QStringList& Lines() const { return lines_; }
    std::int32_t LineCount() const { return std::int32_t(lines_.size()); }

private:
    QStringList lines_;
};
