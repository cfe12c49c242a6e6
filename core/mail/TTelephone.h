#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <vector>

class TGameController;

// One entry of the telephone's phone book.
struct TPBEntry {
    QString Name;
    QString Number;
    std::int32_t Id = 0; // picture of the person; 0 also selects the research centre's talk
};

// The telephone as a state machine: the number being dialled, the call and the
// research centre's scripted conversation, the data-transfer log, and what each
// control of the window shows. It changes nothing in the game; it only reads the
// current player's names and uses the game's random source and sound.
class TTelephone {
public:
    // The controls whose focus moves on at once.
    enum class Control { Number, Text, Talk, Connect };
    enum class Focus { Stays, ToText, ToNone };

    static constexpr std::int32_t LogLastStep = 30;

    explicit TTelephone(TGameController& controller);

    // Called before each synchronous sound, so the window can show what was added.
    // The window answers while the sounds play; a hang-up meanwhile stops them.
    std::function<void()> BeforeSound;

    // ------------------------------------------------------------- actions
    void Show();
    void Digit(const QString& caption);
    // The Backspace key: the last character of the number goes.
    void Backspace();
    // The Enter key: during a call the highlighted choice (-1: none) is taken as by a
    // double click; with a number and no call it dials. It never hangs up.
    void Enter(std::int32_t highlightedRow);
    // The phone book shows exactly while its button is down.
    void SetMemo(bool down);
    // A double click on a phone-book row.
    void MemoChosen(std::int32_t row);
    void Dial();
    void HangUp();
    // A double click on a row of the choice list.
    void Choose(std::int32_t row);
    // One tick of the data-transfer log.
    void Tick();
    Focus FocusOnEntering(Control control) const;

    // --------------------------------------------------------------- state
    const std::vector<TPBEntry>& PhoneBook() const { return book_; }
    const TPBEntry& Current() const { return current_; }
    bool Dialled() const { return dialled_; }
    bool Connected() const { return connected_; }
    // The rings or busy tones of a call are playing.
    bool Ringing() const { return ringing_; }
    std::int32_t Step() const { return step_; }
    std::int32_t Menu() const { return menu_; }
    std::int32_t LogStep() const { return logStep_; }
    bool TimerRunning() const { return timerRunning_; }

    // ---------------------------------------------------- what the controls show
    const QString& Number() const { return number_; }             // eNumber
    const QStringList& Lines() const { return lines_; }           // lbText
    std::int32_t SelectedLine() const { return selectedLine_; }   // lbText, -1 for none
    const QStringList& Talk() const { return talk_; }             // mTalk
    bool TalkShown() const { return talkShown_; }                 // mTalk
    const QStringList& ConnectLog() const { return connectLog_; } // mConnect
    bool ConnectShown() const { return connectShown_; }           // mConnect
    bool MemoShown() const { return memoShown_; }                 // lbMemo, sbMemo down
    QStringList MemoNames() const;                                // lbMemo
    std::int32_t Abonent() const { return abonent_; }             // iAbonent, -1 for none

private:
    void addSelected(const QString& line);
    void setChoices(const QStringList& choices, std::int32_t menu);
    void buildChoices();
    // False when the call was hung up while the sounds played.
    bool play(const QString& file, int times);
    bool ring();
    bool busy();
    void startLog(const QString& firstLine);
    QString playerName() const;
    QString playerTitle() const;

    TGameController& controller_;
    std::vector<TPBEntry> book_;
    TPBEntry current_;
    bool dialled_ = false;
    bool connected_ = false;
    bool ringing_ = false;
    std::int32_t step_ = 0;
    std::int32_t menu_ = 0;
    std::int32_t logStep_ = 0;
    bool timerRunning_ = false;

    QString number_;
    QStringList lines_;
    std::int32_t selectedLine_ = -1;
    QStringList talk_;
    bool talkShown_ = false;
    QStringList connectLog_;
    bool connectShown_ = false;
    bool memoShown_ = false;
    std::int32_t abonent_ = -1;
};
