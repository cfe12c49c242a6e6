// zorvick-script: plays the game's real windows offscreen from a script of JSON
// Lines on standard input; see docs/zorvick-script.md.

#include "ScriptDriver.h"
#include "StdinReader.h"

#include "ui/platform/RussianTranslation.h"

#include <QApplication>
#include <QTranslator>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zorvick"));
    QTranslator translator;
    installRussianTranslation(translator);

    ScriptDriver driver(QApplication::applicationDirPath());
    StdinReader reader;
    QObject::connect(&reader, &StdinReader::lineRead, &driver, &ScriptDriver::addLine,
                     Qt::QueuedConnection);
    QObject::connect(&reader, &StdinReader::finishedInput, &driver, &ScriptDriver::inputEnded,
                     Qt::QueuedConnection);
    reader.start();
    const int status = driver.run();
    // The reader may still wait on an open terminal; the process ends regardless.
    reader.terminate();
    reader.wait(1000);
    return status;
}
