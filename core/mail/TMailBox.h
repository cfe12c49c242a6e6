#pragma once

#include <QPoint>
#include <QRect>
#include <QString>
#include <cstdint>
#include <vector>

class TGameController;
class TLetter;

// One row of the mailbox list, as it reads.
struct TMailRow {
    QString Subject;
    QString Mark; // "!" while unread, a single blank once read
    QString From;
    QString Date;

    bool operator==(const TMailRow&) const = default;
};

// The mailbox's rules over the current player's letters: the rows, which letter is
// selected, opening a letter by a click on its subject, and deletion. The letters
// themselves change only through the game controller.
class TMailBox {
public:
    explicit TMailBox(TGameController& controller) : controller_(controller) {}

    // "Почта - " + the player's name as an address of the game's mail domain.
    static QString Caption(const QString& playerName);
    static TMailRow Row(const TLetter& letter);
    // Strict on all four sides; right and bottom count as the window system does,
    // one past the last pixel of the rectangle.
    static bool OnSubject(const QRect& subject, const QPoint& at);

    // The mailbox opens for the current player: nothing is selected yet (a letter
    // chosen by the previous player must not be deleted by this one) and the mail
    // button stops flashing.
    void Open();

    std::vector<TMailRow> Rows() const;
    std::int32_t SelectedIndex() const { return selected_; }
    // The row a rebuilt list selects: the selected index, or -1 outside the list.
    std::int32_t RowToSelect() const;

    enum class Click {
        NoRow,      // the press left no row selected: the text pane empties
        OffSubject, // a row, but not its subject: the buttons are disabled
        Opened      // the letter is selected, read and shown
    };
    // A mouse press on the list; row is the selected row after the press (-1 for none).
    // Only an opened letter stays the target of deletion: a press that opens none
    // leaves nothing to delete.
    Click MouseDown(std::int32_t row, bool onSubject);
    // The highlight moved off the opened letter (by the keyboard): nothing is chosen.
    void Deselect() { selected_ = -1; }
    // The selected letter's text for the reading pane, line breaks as the pane wants them.
    QString SelectedText() const;

    // The Delete key acts only on a list with letters.
    bool DeleteKeyActs() const;
    // Removes the selected letter when the index lies within the list; true when one went.
    // Nothing is chosen afterwards: the letter that moves up is unread and unseen, and a
    // second press must not delete it.
    bool Delete();

private:
    std::int32_t count() const;

    TGameController& controller_;
    std::int32_t selected_ = -1;
};
