#include "core/game/TAutoSave.h"

#include "core/game/GameSave.h"
#include "core/game/TGameController.h"
#include "core/platform/Prompter.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace {

const QString ResumeQuestion = QStringLiteral("Продолжить прерванную игру?");

} // namespace

QString TAutoSave::DefaultFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

TAutoSave::TAutoSave(TGameController& controller, QString folder, QObject* parent)
    : QObject(parent), controller_(controller), folder_(std::move(folder)) {
    connect(&controller_, &TGameController::actionDone, this, &TAutoSave::Write);
    connect(&controller_, &TGameController::gameEnded, this, &TAutoSave::Remove);
}

QString TAutoSave::Path() const {
    return QDir(folder_).filePath(QString::fromLatin1(FileName));
}

QString TAutoSave::UseArguments(const QStringList& arguments) {
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        if (a == QLatin1String("--new")) {
            offer_ = Offer::New;
        } else if (a == QLatin1String("--load") && i + 1 < arguments.size()) {
            loadFile_ = arguments[++i];
        } else if (a.startsWith(QLatin1String("--load="))) {
            loadFile_ = a.mid(7);
        } else {
            return QStringLiteral("Неизвестный параметр: %1\nПараметры: --new (новая игра без "
                                  "вопроса), --load ФАЙЛ (продолжить игру из файла)")
                .arg(a);
        }
    }
    return {};
}

QString TAutoSave::restoreFrom(const QString& path, bool apply) const {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("файл не читается (%1)").arg(file.errorString());
    return GameSave::Restore(file.readAll(), controller_, apply);
}

bool TAutoSave::Usable() const {
    const QString path = loadFile_.isEmpty() ? Path() : loadFile_;
    return QFileInfo::exists(path) && restoreFrom(path, false).isEmpty();
}

bool TAutoSave::ResumeAtStart() {
    Prompter& prompter = controller_.prompter();
    if (!loadFile_.isEmpty()) {
        const QString why = restoreFrom(loadFile_, true);
        if (!why.isEmpty()) {
            prompter.error(QStringLiteral("Игру из файла «%1» нельзя загрузить: %2. Начинается "
                                          "новая игра.")
                               .arg(QDir::toNativeSeparators(loadFile_), why));
            return false;
        }
        Write();
        return true;
    }
    if (!QFileInfo::exists(Path()))
        return false;
    const QString why = restoreFrom(Path(), false);
    if (!why.isEmpty()) {
        setAside(why);
        return false;
    }
    if (offer_ == Offer::New || (offer_ == Offer::Ask && !prompter.question(ResumeQuestion)))
        return false;
    restoreFrom(Path(), true);
    return true;
}

void TAutoSave::setAside(const QString& why) {
    const QString stamp =
        QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd-HHmmss"));
    QString aside = Path() + QStringLiteral(".bad-") + stamp;
    for (int k = 2; QFileInfo::exists(aside); ++k)
        aside = Path() + QStringLiteral(".bad-") + stamp + QLatin1Char('-') + QString::number(k);
    QString outcome;
    if (QFile::rename(Path(), aside)) {
        outcome = QStringLiteral("Файл отложен как «%1», начинается новая игра.")
                      .arg(QDir::toNativeSeparators(aside));
    } else {
        // Never overwritten: this run saves nothing.
        off_ = true;
        outcome = QStringLiteral("Файл не удалось отложить, он остаётся на месте, и эта игра "
                                 "сохраняться не будет. Начинается новая игра.");
    }
    controller_.prompter().error(
        QStringLiteral("Сохранённую игру нельзя продолжить: %1. %2").arg(why, outcome));
}

bool TAutoSave::Write() {
    if (off_)
        return false;
    if (!QDir().mkpath(folder_)) {
        writeFailed(QStringLiteral("папку нельзя создать"));
        return false;
    }
    QSaveFile file(Path());
    if (!file.open(QIODevice::WriteOnly)) {
        writeFailed(file.errorString());
        return false;
    }
    const QByteArray bytes = GameSave::Bytes(controller_);
    if (file.write(bytes) != bytes.size()) {
        writeFailed(file.errorString());
        return false;
    }
    if (failBeforeRename_) {
        file.cancelWriting();
        file.commit();
        writeFailed(QStringLiteral("запись прервана"));
        return false;
    }
    if (!file.commit()) {
        writeFailed(file.errorString());
        return false;
    }
    return true;
}

void TAutoSave::writeFailed(const QString& why) {
    if (warned_)
        return;
    warned_ = true;
    controller_.prompter().warning(QStringLiteral("Игру не удалось сохранить в «%1»: %2. Игра "
                                                  "продолжается без сохранения.")
                                       .arg(QDir::toNativeSeparators(Path()), why));
}

void TAutoSave::Remove() {
    if (!off_)
        QFile::remove(Path());
}
