#include "core/platform/GameFolder.h"
#include "ui/platform/HelpViewer.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    HelpViewer viewer(
        GameFolder(QStringLiteral(ZORVICK_GAME_DIR)).resolve(QStringLiteral("help\\zorvick.hlp")));
    viewer.showTopic(args.value(0, QStringLiteral("1")).toInt());
    const QString page = args.value(1);
    if (page == QLatin1String("contents")) {
        viewer.showContents();
    } else if (page == QLatin1String("index")) {
        viewer.showIndex();
    } else if (page == QLatin1String("search")) {
        viewer.showSearch();
        if (args.size() > 2) {
            viewer.findChild<QLineEdit*>(QStringLiteral("searchEdit"))
                ->setText(args.mid(2).join(QLatin1Char(' ')));
            viewer.findChild<QPushButton*>(QStringLiteral("searchButton"))->click();
        }
    }
    return app.exec();
}
