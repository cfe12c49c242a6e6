#include "board/TManage.h"
#include "platform/GameFolder.h"
#include "platform/RandomSource.h"
#include "platform/Services.h"
#include "platform/qt/HelpViewer.h"
#include "platform/qt/QtPrompter.h"
#include "platform/qt/QtSound.h"
#include "platform/qt/RussianTranslation.h"

#include <QApplication>
#include <QDate>
#include <QTranslator>

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
    const int status = manage.Start();
    if (status != TManage::StartOk)
        return status;
    manage.show();
    return app.exec();
}
