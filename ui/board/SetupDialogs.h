#pragma once

#include "core/players/TSeat.h"

#include <QDialog>
#include <QIcon>
#include <QList>
#include <QPixmap>
#include <vector>

class Help;
class Prompter;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// The exit question and the keys both setup dialogs share: Esc in an edit asks
// whether to leave, F1 opens the setup help topic, the close box cancels.
class SetupDialog : public QDialog {
    Q_OBJECT
public:
    SetupDialog(Prompter& prompter, Help& help, QWidget* parent);

    // Yes cancels the dialog (the program then ends); No leaves it as it was.
    void AskExit();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    QPushButton* makeExitButton(const QIcon& glyph);
    Prompter& prompter_;

private:
    Help& help_;
};

// How many players: 2 to 10; and how long the game lasts.
class PlayerCountDialog : public SetupDialog {
    Q_OBJECT
public:
    PlayerCountDialog(Prompter& prompter, Help& help, const QIcon& exitGlyph,
                      QWidget* parent = nullptr);

    int Count() const { return count_; }
    // Weeks of the chosen length: 0 (until one firm is left), 26 or 52.
    int Length() const;
    void bOKClick();

    QLineEdit* eCount;
    QComboBox* cbLength;
    QPushButton* bOK;
    QPushButton* bExit;

private:
    int count_ = 0;
};

// One player's firm name, manager name and face.
class PlayerEntryDialog : public SetupDialog {
    Q_OBJECT
public:
    PlayerEntryDialog(Prompter& prompter, Help& help, const QIcon& exitGlyph,
                      const QList<QPixmap>& faces, QWidget* parent = nullptr);

    // Ready for player k (1-based): caption, empty edits, face 0, a person's seat.
    void Prepare(int playerNumber);

    QString FirmTitle() const;
    QString PlayerName() const;
    int Face() const { return face_; }
    // A person's seat, or a computer's with the character and strength chosen.
    TSeat Seat() const;

    void bOKClick();
    void bNextFaceClick();
    void bPrevFaceClick();
    // A computer takes the seat: empty names and, while the first face is still
    // shown, a face the earlier seats of this setup use least are filled in for it.
    void rbComputerClick();

    QLineEdit* eTitle;
    QLineEdit* ePlayerName;
    QPushButton* bOK;
    QPushButton* bExit;
    QPushButton* bNextFace;
    QPushButton* bPrevFace;
    QLabel* iFace;
    QGroupBox* gbSeat;
    QRadioButton *rbPerson, *rbComputer;
    QComboBox *cbCharacter, *cbStrength;

private:
    void showFace();
    void buildSeat();
    void seatChanged();

    int playerNumber_ = 1;
    QList<QPixmap> faces_;
    int face_ = 0;
    std::vector<int> facesTaken_; // by the seats before this one
};
