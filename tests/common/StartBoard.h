#pragma once

// Widget tests that need the real board: runs its start-up and answers each modal
// window of it as it comes (the title picture, two players "F"/"M").

#include "ui/board/SetupDialogs.h"
#include "ui/board/TManage.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>
#include <QTest>
#include <QTimer>

inline int startTwoPlayerBoard(TManage& manage) {
    QStringList seen;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &manage, [&] {
        QWidget* w = QApplication::activeModalWidget();
        if (!w || !w->isVisible() || seen.contains(w->objectName() + w->windowTitle()))
            return;
        seen.append(w->objectName() + w->windowTitle());
        if (w->objectName() == "splash") {
            QTest::keyClick(w, Qt::Key_Space);
        } else if (auto* count = qobject_cast<PlayerCountDialog*>(w)) {
            QTest::keyClicks(count->eCount, "2");
            count->bOK->click();
        } else if (auto* entry = qobject_cast<PlayerEntryDialog*>(w)) {
            QTest::keyClicks(entry->eTitle, "F");
            QTest::keyClicks(entry->ePlayerName, "M");
            entry->bOK->click();
        }
    });
    poll.start(2);
    const int status = manage.Start();
    poll.stop();
    return status;
}
