#include "core/mail/TMailBox.h"

#include "core/game/GameMail.h"
#include "core/game/TGameController.h"
#include "core/model/player.h"

QString TMailBox::Caption(const QString& playerName) {
    return QStringLiteral("Почта - ") + playerName + QLatin1Char('@') + GameMail::MailDomain();
}

TMailRow TMailBox::Row(const TLetter& letter) {
    return {letter.Subject, letter.Unread ? QStringLiteral("!") : QStringLiteral(" "), letter.From,
            letter.Date};
}

bool TMailBox::OnSubject(const QRect& subject, const QPoint& at) {
    const int right = subject.left() + subject.width();
    const int bottom = subject.top() + subject.height();
    return subject.left() < at.x() && at.x() < right && subject.top() < at.y() && at.y() < bottom;
}

void TMailBox::Open() {
    selected_ = -1;
    controller_.StopMailFlashing();
}

std::vector<TMailRow> TMailBox::Rows() const {
    std::vector<TMailRow> rows;
    if (const TZorvick* player = controller_.Company())
        for (const TLetter& letter : player->Letters)
            rows.push_back(Row(letter));
    return rows;
}

std::int32_t TMailBox::count() const {
    const TZorvick* player = controller_.Company();
    return player ? std::int32_t(player->Letters.size()) : 0;
}

std::int32_t TMailBox::RowToSelect() const {
    return selected_ >= 0 && selected_ < count() ? selected_ : -1;
}

TMailBox::Click TMailBox::MouseDown(std::int32_t row, bool onSubject) {
    if (row < 0 || row >= count() || !onSubject) {
        // The letter opened before is no longer highlighted: Delete must not find it.
        selected_ = -1;
        return row < 0 || row >= count() ? Click::NoRow : Click::OffSubject;
    }
    selected_ = row;
    controller_.ReadLetter(row);
    return Click::Opened;
}

QString TMailBox::SelectedText() const {
    if (RowToSelect() < 0)
        return {};
    QString text = controller_.Company()->Letters[std::size_t(selected_)].Text;
    // A letter may break its lines with CR LF; the pane breaks them at LF alone.
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

bool TMailBox::DeleteKeyActs() const {
    return count() > 0;
}

bool TMailBox::Delete() {
    if (RowToSelect() < 0)
        return false;
    controller_.DeleteLetter(selected_);
    selected_ = -1;
    return true;
}
