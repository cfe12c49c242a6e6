#include "core/players/SeatActions.h"

#include "core/game/TGameController.h"
#include "core/platform/NumberText.h"
#include "core/players/FirmFigures.h"

namespace {

std::int32_t staffOf(TGameController& controller) {
    const TZorvick* firm = controller.Company();
    std::int32_t n = 0;
    if (firm && !firm->Industries.empty() && !firm->Industries[0].Buildings.empty())
        for (const TWorkPlace& w : firm->Industries[0].Buildings[0].WorkPlaces)
            n += w.Workers;
    return n;
}

// The Russian word for n things: one, a few (2 to 4), many.
QString counted(std::int32_t n, const char* one, const char* few, const char* many) {
    const std::int32_t tens = n % 100;
    const std::int32_t units = n % 10;
    const char* word = (tens >= 11 && tens <= 14)   ? many
                       : units == 1                 ? one
                       : (units >= 2 && units <= 4) ? few
                                                    : many;
    return QString::number(n) + QLatin1Char(' ') + QString::fromUtf8(word);
}

QString dollars(float amount) {
    return NumberText::whole(amount) + QStringLiteral("$");
}

} // namespace

SeatActions::SeatActions(TGameController& controller, Prompter& prompter)
    : controller_(controller), staff_(controller, prompter), raw_(controller, prompter),
      assets_(controller, prompter), bank_(controller, prompter), production_(controller, prompter),
      research_(controller, prompter) {}

void SeatActions::tell(const QString& line) {
    if (log_)
        log_->append(line);
    if (moneyLog_)
        moneyLog_->push_back(controller_.Company() ? controller_.Company()->Money : 0);
}

void SeatActions::Hire(std::int32_t n) {
    if (n <= 0 || controller_.ControlsLocked())
        return;
    const std::int32_t before = staffOf(controller_);
    staff_.Hire(QString::number(n));
    if (const std::int32_t hired = staffOf(controller_) - before; hired > 0)
        tell((hired % 10 == 1 && hired % 100 != 11 ? QStringLiteral("Нанят ")
                                                   : QStringLiteral("Нанято ")) +
             counted(hired, "рабочий", "рабочих", "рабочих") + QLatin1Char('.'));
}

void SeatActions::Fire(std::int32_t n) {
    if (n <= 0 || controller_.ControlsLocked())
        return;
    const std::int32_t before = staffOf(controller_);
    staff_.Fire(QString::number(n));
    if (const std::int32_t fired = before - staffOf(controller_); fired > 0)
        tell((fired % 10 == 1 && fired % 100 != 11 ? QStringLiteral("Уволен ")
                                                   : QStringLiteral("Уволено ")) +
             counted(fired, "рабочий", "рабочих", "рабочих") + QLatin1Char('.'));
}

bool SeatActions::BuyRawMaterials(std::int32_t units) {
    if (units <= 0 || controller_.ControlsLocked() || !raw_.Buy(QString::number(units)))
        return false;
    tell(QStringLiteral("Куплено ") + QString::number(units) + QStringLiteral(" ед. сырья."));
    return true;
}

bool SeatActions::BuyMachines(std::int32_t level, std::int32_t n) {
    if (n <= 0 || controller_.ControlsLocked() || !controller_.ProductionAllowed() ||
        !controller_.LevelAllowed(level))
        return false;
    assets_.ChooseLevel(level);
    if (!assets_.Buy(TAssetTrade::Page::WorkPlace, QString::number(n)))
        return false;
    tell(QStringLiteral("Куплено ") + counted(n, "станок", "станка", "станков") +
         QStringLiteral(" уровня ") + QString::number(level) + QLatin1Char('.'));
    return true;
}

bool SeatActions::SellMachines(std::int32_t level, std::int32_t n) {
    if (n <= 0 || controller_.ControlsLocked() || !controller_.ProductionAllowed())
        return false;
    assets_.ChooseLevel(level);
    if (!assets_.Sell(TAssetTrade::Page::WorkPlace, QString::number(n)))
        return false;
    tell(QStringLiteral("Продано ") + counted(n, "станок", "станка", "станков") +
         QStringLiteral(" уровня ") + QString::number(level) + QLatin1Char('.'));
    return true;
}

bool SeatActions::BuyStorage(std::int32_t index, std::int32_t m2) {
    if (m2 <= 0 || controller_.ControlsLocked())
        return false;
    assets_.Showing();
    while (assets_.StorageIndex != index)
        assets_.NextStorage();
    if (!assets_.Buy(TAssetTrade::Page::Storage, QString::number(m2)))
        return false;
    tell(QStringLiteral("Куплено ") + QString::number(m2) +
         (index == 0 ? QStringLiteral(" м2 склада сырья.")
                     : QStringLiteral(" м2 склада продукции.")));
    return true;
}

bool SeatActions::SellStorage(std::int32_t index, std::int32_t m2) {
    if (m2 <= 0 || controller_.ControlsLocked())
        return false;
    assets_.Showing();
    while (assets_.StorageIndex != index)
        assets_.NextStorage();
    return assets_.Sell(TAssetTrade::Page::Storage, QString::number(m2));
}

bool SeatActions::SellWorkshopArea(std::int32_t m2) {
    return m2 > 0 && !controller_.ControlsLocked() &&
           assets_.Sell(TAssetTrade::Page::Building, QString::number(m2));
}

bool SeatActions::SellLand(std::int32_t m2) {
    return m2 > 0 && !controller_.ControlsLocked() &&
           assets_.Sell(TAssetTrade::Page::Land, QString::number(m2));
}

bool SeatActions::BankOpen() const {
    return controller_.BankTradeEnabled();
}

float SeatActions::CreditLimit() {
    bank_.Opening();
    return bank_.Limit();
}

bool SeatActions::Borrow(float amount) {
    if (!(amount > 0) || !BankOpen())
        return false;
    bank_.Opening();
    if (!bank_.Take(QString::number(double(amount), 'f', 2)))
        return false;
    tell(QStringLiteral("Кредит ") + dollars(amount) + QLatin1Char('.'));
    return true;
}

bool SeatActions::Repay(float amount) {
    if (!(amount > 0) || !BankOpen())
        return false;
    bank_.Opening();
    if (!bank_.Give(QString::number(double(amount), 'f', 2)))
        return false;
    tell(QStringLiteral("Возвращено банку ") + dollars(amount) + QLatin1Char('.'));
    return true;
}

std::int32_t SeatActions::MaxProduction() const {
    return production_.MaxProduction();
}

float SeatActions::UnitCost(std::int32_t n) {
    return production_.UnitCost(n);
}

bool SeatActions::Produce(std::int32_t n) {
    if (n <= 0 || controller_.ControlsLocked() || !controller_.ProductionAllowed())
        return false;
    production_.Showing();
    const QString text = QString::number(n);
    const std::int32_t before = controller_.Company()->Produced;
    if (!production_.Produce(production_.AmountReplacement(text).value_or(text)))
        return false;
    tell(QStringLiteral("Произведено ") +
         counted(controller_.Company()->Produced - before, "костюм", "костюма", "костюмов") +
         QLatin1Char('.'));
    return true;
}

void SeatActions::ProduceWithMaterials(std::int32_t run) {
    using namespace FirmFigures;
    const TZorvick* firm = controller_.Company();
    if (run <= 0 || !firm)
        return;
    const float bill = UnitCost(run) * float(run);
    std::int32_t units = RawUnitsPerSuit * run - Storage(*firm, 0).Amount;
    const float need = bill + float(std::max(units, 0)) * RawUnitPrice;
    if (firm->Money < need)
        Borrow(need - firm->Money);
    if (firm->Money < need) {
        const float rest = firm->Money - bill;
        if (rest <= 0)
            return;
        run = std::min(run, (Storage(*firm, 0).Amount + std::int32_t(rest / RawUnitPrice)) /
                                RawUnitsPerSuit);
        units = RawUnitsPerSuit * run - Storage(*firm, 0).Amount;
    }
    if (units > 0)
        BuyRawMaterials(units);
    Produce(std::min(run, MaxProduction()));
}

bool SeatActions::ResearchAllowed() const {
    return !controller_.ControlsLocked() && controller_.ResearchInvestAllowed();
}

bool SeatActions::InvestResearch(float amount) {
    if (!(amount > 0) || !ResearchAllowed())
        return false;
    const QString text = QString::number(double(amount), 'f', 0);
    const float before = controller_.Company()->Money;
    research_.Invest(TResearch::AmountReplacement(text).value_or(text));
    const float paid = before - controller_.Company()->Money;
    if (paid == 0)
        return false;
    tell(QStringLiteral("Вложено в исследования ") + dollars(paid) + QLatin1Char('.'));
    return true;
}

bool SeatActions::DesignAllowed() const {
    return !controller_.ControlsLocked() && controller_.DesignAllowed();
}

bool SeatActions::PayDesign(float amount) {
    if (!(amount > 0) || !DesignAllowed())
        return false;
    research_.PayDesign(QString::number(double(amount), 'f', 0));
    if (controller_.DesignAllowed())
        return false;
    tell(QStringLiteral("Вложено в дизайн ") + dollars(amount) + QLatin1Char('.'));
    return true;
}
