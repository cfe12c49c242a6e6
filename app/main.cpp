#include "core/game/TAutoSave.h"
#include "core/platform/GameFolder.h"
#include "core/platform/RandomSource.h"
#include "core/platform/Services.h"
#include "ui/board/TManage.h"
#include "ui/platform/HelpViewer.h"
#include "ui/platform/QtPrompter.h"
#include "ui/platform/QtSound.h"
#include "ui/platform/RussianTranslation.h"

#include <QApplication>
#include <QDate>
#include <QTranslator>
#include <cstdio>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zorvick"));

    // The standard buttons of the message boxes read "Да" and "Нет".
    QTranslator translator;
    installRussianTranslation(translator);

    const GameFolder folder = GameFolder::applicationFolder();
    QtPrompter prompter;
    QtSound sound;
    HelpViewer help(folder.resolve(QStringLiteral("help\\zorvick.hlp")));
    RandomSource random(RandomSource::clockSeed());
    Services services{prompter, sound, help, random, folder, QDate::currentDate()};

    TManage manage(services);
    // "--new" starts a new game without the question; "--load FILE" continues a saved one.
    TAutoSave autoSave(manage.Controller(), TAutoSave::DefaultFolder());
    const QString wrong = autoSave.UseArguments(QApplication::arguments());
    if (!wrong.isEmpty()) {
        std::fprintf(stderr, "%s\n", wrong.toLocal8Bit().constData());
        return 2;
    }
    manage.UseAutoSave(&autoSave);
    const int status = manage.Start();
    if (status != TManage::StartOk)
        return status;
    manage.show();
    return app.exec();
}
