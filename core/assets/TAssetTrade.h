#pragma once

#include <QString>
#include <cstdint>
#include <optional>

class Prompter;
class TGameController;
class TIndustry;
class TBuilding;
class TStorage;

// The rules of the asset trade window ("Купить/Продать"): its texts, what its buy
// and sell buttons do to the current player's enterprise and money, the storage
// browsing and the machine level chosen. The window only shows what this returns.
class TAssetTrade {
public:
    enum class Page { Land, Storage, Building, WorkPlace };

    // Money a unit costs and brings, and what it adds to or takes off Constr: the
    // money itself, so the accountant's week adds up to the cash.
    static constexpr float LandPrice = 20;
    static constexpr float LandConstr = LandPrice;
    static constexpr float StoragePrice = 1000;
    static constexpr float StorageConstr = StoragePrice;
    static constexpr float BuildingPrice = 100;
    static constexpr float BuildingConstr = 100;
    static constexpr double WorkPlaceSaleShare = 0.65;
    static constexpr std::int32_t WorkPlaceArea = 10;

    // Questions, refusals and number errors go to the prompter.
    TAssetTrade(TGameController& controller, Prompter& prompter);

    std::int32_t StorageIndex = 0;
    std::int32_t ChosenLevel = 1;
    float ChosenPrice = 0;

    // The current price of a machine of level 1..3 (the scenario's); 0 otherwise.
    float WorkPlacePrice(std::int32_t level) const;

    // The two text lines of a page: current and maximum. Storage lines are of the
    // storage StorageIndex.
    QString CurrentLine(Page page) const;
    QString MaxLine(Page page) const;
    // "1/2"
    QString StoragePosition() const;
    // "  I уровень - 10 шт": the machines of the workshop of that level.
    QString LevelCaption(std::int32_t level) const;
    // "I уровень - 19500": what a machine of that level sells for now.
    QString SalePriceLine(std::int32_t level) const;

    // The total line for the amount typed; none when the text is not a number (the
    // error has been shown and the line keeps its text).
    std::optional<QString> TotalLine(Page page, const QString& amountText) const;

    // The window is shown: storage 0 again.
    void Showing() { StorageIndex = 0; }
    // A level chosen: its current price.
    void ChooseLevel(std::int32_t level);
    void NextStorage();
    void PrevStorage();

    // Buys the amount typed. True when bought and paid: the page's lines are written
    // again and the edit goes back to "0"; false leaves the window as it was.
    bool Buy(Page page, const QString& amountText);
    // Sells the amount typed. True when the text was a whole number (whatever the
    // model sold, 0 included): the lines are written again and the edit set to "0".
    bool Sell(Page page, const QString& amountText);

private:
    TIndustry* industry() const;
    TBuilding* workshop() const;
    TStorage* storage(std::int32_t index) const;

    TGameController& controller_;
    Prompter& prompter_;
};
