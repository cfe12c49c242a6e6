#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class TGameController;

// The autosave: one file in the user's data folder, written after the setup and after
// every completed action (through a temporary file and a rename, so a stop at any
// moment leaves the last whole save), offered when the program starts and removed
// when the game ends. A file that cannot be continued is reported and kept aside.
class TAutoSave : public QObject {
    Q_OBJECT
public:
    static constexpr const char* FileName = "autosave.json";
    // The user's data folder for the game (~/.local/share/Zorvick).
    static QString DefaultFolder();

    TAutoSave(TGameController& controller, QString folder, QObject* parent = nullptr);

    QString Path() const;

    enum class Offer {
        Ask,    // "Продолжить прерванную игру?"
        Resume, // continue without asking
        New     // a new game without asking; the save is replaced after its setup
    };
    void SetOffer(Offer offer) { offer_ = offer; }
    // The game comes from this file instead of the save; the file itself is left as it is.
    void SetLoadFile(const QString& path) { loadFile_ = path; }
    // The program's options "--new" and "--load FILE"; empty when they are fine, else
    // what is wrong.
    QString UseArguments(const QStringList& arguments);

    // The save (or the file to load) can be continued.
    bool Usable() const;

    // At start, before the setup: a save that cannot be continued is reported and kept
    // aside; a good one is offered and, on Yes, put in place. True when the game was
    // resumed, so the setup is skipped.
    bool ResumeAtStart();

    // Writes the game now. False when it could not: the first failure of a run is
    // reported, and the game goes on unsaved.
    bool Write();
    void Remove();

    // For tests: every write stops after the temporary file was written, as a crash
    // before the rename would.
    void SetFailBeforeRename(bool fail) { failBeforeRename_ = fail; }

private:
    QString restoreFrom(const QString& path, bool apply) const;
    void setAside(const QString& why);
    void writeFailed(const QString& why);

    TGameController& controller_;
    QString folder_;
    QString loadFile_;
    Offer offer_ = Offer::Ask;
    bool warned_ = false;
    bool off_ = false; // a bad save could not be set aside: it is not overwritten
    bool failBeforeRename_ = false;
};
