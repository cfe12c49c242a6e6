// The board: the real start-up driven through its modal windows, the layout,
// the money operations, the shortcuts, the help menu and the weekly edits.
#include "core/platform/NullHelp.h"
#include "core/platform/RandomSource.h"
#include "core/platform/ScriptedPrompter.h"
#include "core/platform/SilentSound.h"
#include "core/players/TSeat.h"
#include "ui/board/SetupDialogs.h"
#include "ui/board/TComputerMove.h"
#include "ui/board/TManage.h"
#include "ui/board/TfAbout.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <deque>
#include <functional>

namespace {

const QString gameDir = QStringLiteral(ZORVICK_GAME_DIR);

// Acts in the modal windows of the start-up: each step waits for the window of
// its name to be the active modal one, then acts in it.
class ModalScript : public QObject {
public:
    using Action = std::function<void(QWidget*)>;
    void add(const QString& window, Action action) { steps_.push_back({window, action}); }

    void run() {
        connect(&timer_, &QTimer::timeout, this, &ModalScript::poll);
        timer_.start(2);
        // A step that never comes must not hang the test.
        QTimer::singleShot(20000, this, [this] {
            stuck = true;
            if (QWidget* w = QApplication::activeModalWidget())
                w->close();
        });
    }
    bool done() const { return steps_.empty(); }
    QStringList seen;
    bool stuck = false;

private:
    void poll() {
        QWidget* w = QApplication::activeModalWidget();
        if (!w || steps_.empty() || !w->isVisible())
            return;
        if (w->objectName() != steps_.front().first) {
            if (stuck)
                w->close();
            return;
        }
        const Action action = steps_.front().second;
        steps_.pop_front();
        seen.append(w->objectName() + QLatin1Char(':') + w->windowTitle());
        action(w);
    }

    std::deque<std::pair<QString, Action>> steps_;
    QTimer timer_;
};

struct Fixture {
    explicit Fixture(const QString& folder = gameDir)
        : prompter(ScriptedPrompter::OnUnexpected::AnswerNo),
          random(7), services{prompter,          sound, help, random, GameFolder(folder),
                              QDate(2026, 3, 17)},
          manage(services) {}

    ScriptedPrompter prompter;
    SilentSound sound;
    NullHelp help;
    RandomSource random;
    Services services;
    TManage manage;
};

void closeSplash(ModalScript& script) {
    script.add("splash", [](QWidget* w) { QTest::keyClick(w, Qt::Key_Space); });
}

void enterCount(ModalScript& script, const QString& count) {
    script.add("PlayerCountDialog", [count](QWidget* w) {
        auto* d = static_cast<PlayerCountDialog*>(w);
        QTest::keyClicks(d->eCount, count);
        QTest::mouseClick(d->bOK, Qt::LeftButton);
    });
}

void enterPlayer(ModalScript& script, const QString& title, const QString& name, int face) {
    script.add("PlayerEntryDialog", [=](QWidget* w) {
        auto* d = static_cast<PlayerEntryDialog*>(w);
        QTest::keyClicks(d->eTitle, title);
        QTest::keyClicks(d->ePlayerName, name);
        for (int i = 0; i < face; ++i)
            QTest::mouseClick(d->bNextFace, Qt::LeftButton);
        QTest::mouseClick(d->bOK, Qt::LeftButton);
    });
}

// A board with two players set up without the dialogs.
void setUpPlayers(TManage& manage) {
    TGameController& controller = manage.Controller();
    controller.BeginSetup(2);
    controller.AddPlayer("Alpha", "Ann", 1);
    controller.AddPlayer("Beta", "Bob", 2);
    controller.FinishSetup();
}

QImage imageOf(const QLabel* label) {
    return label->pixmap().toImage();
}

void typeInto(QLineEdit* edit, const QString& text) {
    edit->setFocus();
    QTest::keyClicks(edit, text);
}

} // namespace

class BoardWindowTest : public QObject {
    Q_OBJECT

private slots:
    void startUpReachesTheBoard_data() {
        QTest::addColumn<int>("players");
        QTest::newRow("two") << 2;
        QTest::newRow("ten") << 10;
    }
    void startUpReachesTheBoard() {
        QFETCH(int, players);
        Fixture f;
        ModalScript script;
        closeSplash(script);
        enterCount(script, QString::number(players));
        for (int k = 1; k <= players; ++k)
            enterPlayer(script, "Firm" + QString::number(k), "Boss" + QString::number(k), k % 4);
        script.run();
        QCOMPARE(f.manage.Start(), int(TManage::StartOk));
        QVERIFY(!script.stuck);
        QVERIFY(script.done());
        QCOMPARE(script.seen.first(), QStringLiteral("splash:"));
        QCOMPARE(script.seen.at(1), QStringLiteral("PlayerCountDialog:Ввод данных"));
        QCOMPARE(script.seen.last(), QStringLiteral("PlayerEntryDialog:Ввод данных: Игрок ") +
                                         QString::number(players));
        QVERIFY(f.prompter.boxes().isEmpty());

        // The theme played during the splash only.
        QCOMPARE(f.sound.played.size(), 1);
        QVERIFY(f.sound.played.first().endsWith("sounds/theme.wav"));
        QVERIFY(f.sound.playing.isEmpty());

        const TGame& game = f.manage.Game();
        QCOMPARE(int(game.Players.size()), players);
        QCOMPARE(game.PlayerCount, players);
        QCOMPARE(int(game.TPrices.size()), players);
        QCOMPARE(game.CurrentPlayer, 0);
        QCOMPARE(game.MoveNumber, 1);
        for (int k = 0; k < players; ++k) {
            QCOMPARE(game.Players[k]->Title, "Firm" + QString::number(k + 1));
            QCOMPARE(game.Players[k]->PlayerName, "Boss" + QString::number(k + 1));
            QCOMPARE(game.Players[k]->Face, (k + 1) % 4);
            QCOMPARE(game.Players[k]->Money, 30000.0f);
        }
        QCOMPARE(game.Players[0]->StartTurnMoney, 30000.0f);
        QCOMPARE(f.manage.windowTitle(), QStringLiteral("Firm1"));
        QCOMPARE(f.manage.lName->text(), QStringLiteral("Boss1"));
        QCOMPARE(f.manage.lTitle->text(), QStringLiteral("Firm1"));
        QCOMPARE(f.manage.lCurMon->text(), QStringLiteral("Капитал: 30000$"));
        QCOMPARE(f.manage.ICount->text(), QStringLiteral("1/1"));
        QCOMPARE(imageOf(f.manage.MImage), f.manage.ILFaces[1].toImage());
        QCOMPARE(imageOf(f.manage.FImage), QImage(gameDir + "/images/1lf.bmp"));
        QCOMPARE(imageOf(f.manage.SImage), QImage(gameDir + "/images/staff.bmp"));
        QCOMPARE(imageOf(f.manage.RImage), QImage(gameDir + "/images/res.bmp"));
        QCOMPARE(imageOf(f.manage.RMImage), QImage(gameDir + "/images/stor.bmp"));
        QCOMPARE(imageOf(f.manage.PImage), QImage(gameDir + "/images/stor.bmp"));
        const QString date = QStringLiteral("год: 2026; месяц: 3; неделя: 1.");
        QCOMPARE(f.manage.StBarPanel->text(), date);
        QVERIFY(f.manage.StBarPanel->width() >=
                f.manage.StBarPanel->fontMetrics().horizontalAdvance(date));
        QVERIFY(f.manage.LabelTexts().isLoaded());
        QVERIFY(!f.manage.isVisible());

        // The about window was made once at start-up; the menu item shows it.
        QVERIFY(f.manage.fAbout);
        ModalScript about;
        about.add("fAbout", [](QWidget* w) { QTest::keyClick(w, Qt::Key_Return); });
        about.run();
        f.manage.miAbout->trigger();
        QVERIFY(about.done());
        QVERIFY(!about.stuck);
    }

    void setupRefusalsAndFacesInTheRealStartUp() {
        Fixture f;
        ModalScript script;
        closeSplash(script);
        enterCount(script, "11");
        enterCount(script, "3");
        script.add("PlayerEntryDialog", [](QWidget* w) {
            QTest::mouseClick(static_cast<PlayerEntryDialog*>(w)->bOK, Qt::LeftButton);
        });
        enterPlayer(script, "A", "B", 0);
        script.add("PlayerEntryDialog", [](QWidget* w) {
            auto* d = static_cast<PlayerEntryDialog*>(w);
            // The face starts at 0 again and the names are empty for each player.
            QCOMPARE(d->Face(), 0);
            QCOMPARE(d->eTitle->text(), QString());
            QTest::mouseClick(d->bPrevFace, Qt::LeftButton);
            QTest::keyClicks(d->eTitle, "C");
            QTest::keyClicks(d->ePlayerName, "D");
            QTest::mouseClick(d->bOK, Qt::LeftButton);
        });
        enterPlayer(script, "E", "F", 2);
        script.run();
        QCOMPARE(f.manage.Start(), int(TManage::StartOk));
        QVERIFY(script.done());
        QCOMPARE(f.prompter.texts(),
                 (QStringList{"В игру могут играть от 2 до 10 игроков.",
                              "Не иметь опозновательных знаков не есть хорошо!"}));
        QCOMPARE(f.manage.Game().Players[1]->Face, 3);
        QCOMPARE(f.manage.Game().Players[2]->Face, 2);
    }

    void exitInTheSetupEndsWithoutTheBoard() {
        Fixture f;
        ModalScript script;
        closeSplash(script);
        script.add("PlayerCountDialog", [&f](QWidget* w) {
            f.prompter.queue({false, true});
            auto* d = static_cast<PlayerCountDialog*>(w);
            QTest::mouseClick(d->bExit, Qt::LeftButton); // No: stays
            QVERIFY(d->isVisible());
            QTest::mouseClick(d->bExit, Qt::LeftButton); // Yes: cancelled
        });
        script.run();
        QCOMPARE(f.manage.Start(), int(TManage::StartCancelled));
        QVERIFY(script.done());
        QCOMPARE(f.prompter.texts(),
                 (QStringList{"Вам что, выйти захотелось?", "Вам что, выйти захотелось?"}));
        QVERIFY(f.manage.Game().Players.empty());
        QVERIFY(!f.manage.isVisible());
        QVERIFY(f.prompter.failures().isEmpty());
    }

    void closingAnEntryDialogEndsTheStartUp() {
        Fixture f;
        ModalScript script;
        closeSplash(script);
        enterCount(script, "2");
        enterPlayer(script, "A", "B", 0);
        script.add("PlayerEntryDialog", [](QWidget* w) { w->close(); });
        script.run();
        QCOMPARE(f.manage.Start(), int(TManage::StartCancelled));
        QCOMPARE(int(f.manage.Game().Players.size()), 1);
        QVERIFY(f.prompter.boxes().isEmpty());
    }

    void missingPanelPictureEndsTheStartUp() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QDir().mkpath(dir.filePath("images"));
        for (const QString& name : QDir(gameDir + "/images").entryList(QDir::Files))
            if (name != "res.bmp")
                QVERIFY(QFile::copy(gameDir + "/images/" + name, dir.filePath("images/" + name)));
        Fixture f(dir.path());
        ModalScript script;
        closeSplash(script);
        script.run();
        QCOMPARE(f.manage.Start(), int(TManage::StartFailed));
        QCOMPARE(f.prompter.boxes().size(), 1);
        QCOMPARE(f.prompter.last().kind, Prompter::Kind::Error);
        QCOMPARE(f.prompter.last().title, QStringLiteral("Zorvick"));
        QVERIFY(f.prompter.last().text.contains("images/res.bmp"));
        QVERIFY(!f.manage.playerCountDialog);
        // Without constants.txt the built-in texts are used.
        QVERIFY(!f.manage.LabelTexts().isLoaded());
        QCOMPARE(f.manage.LabelText("cCurrentDebt", "Долг: %s $."), QStringLiteral("Долг: %s $."));
    }

    void layoutObjectNamesAndStates() {
        Fixture f;
        TManage& m = f.manage;
        QCOMPARE(m.objectName(), QStringLiteral("Manage"));
        QCOMPARE(m.size(), QSize(536, 530));
        const std::tuple<const char*, const char*, QRect> groups[] = {
            {"gbStaffInfo", " Персонал ", {0, 0, 128, 253}},
            {"gbRawMaterialsInfo", " Сырье ", {136, 0, 128, 253}},
            {"gbProductionInfo", " Продукция ", {272, 0, 128, 253}},
            {"gbResearchInfo", " Исследование ", {408, 0, 128, 253}},
            {"gbIndustryInfo", " Предприятие ", {0, 256, 128, 253}},
            {"gbMain", " Игра ", {136, 256, 265, 253}},
            {"gbZorvickInfo", " Менеджер ", {408, 256, 128, 253}},
        };
        for (const auto& [name, caption, rect] : groups) {
            auto* g = m.findChild<QGroupBox*>(name);
            QVERIFY2(g, name);
            QCOMPARE(g->title(), QString::fromUtf8(caption));
            QCOMPARE(g->geometry(), rect);
        }
        const std::tuple<const char*, const char*, const char*> buttons[] = {
            {"gbStaffInfo", "bbStaffStatistics", "Статистика"},
            {"gbStaffInfo", "bbStaffTrade", "Найм"},
            {"gbRawMaterialsInfo", "bbRawMaterialsTrade", "Закупка"},
            {"gbProductionInfo", "bbProductionTrade", "Производство"},
            {"gbResearchInfo", "bbResearchTrade", "Исследование"},
            {"gbIndustryInfo", "bbIndustryTrade", "Торговля"},
            {"gbIndustryInfo", "bbIndustryUpgrade", "Улучшить"},
            {"gbMain", "bbMailBox", "Почта"},
            {"gbMain", "bTP", "Текстофон"},
            {"gbMain", "bHelp", "Помощь"},
            {"gbMain", "bEndTurn", "Следующий Игрок"},
            {"gbZorvickInfo", "bbBankStatistics", "Статистика"},
            {"gbZorvickInfo", "bbBankTrade", "БАНК"},
        };
        for (const auto& [group, name, caption] : buttons) {
            auto* b = m.findChild<QGroupBox*>(group)->findChild<QPushButton*>(name);
            QVERIFY2(b, name);
            QCOMPARE(b->text(), QString::fromUtf8(caption));
        }
        QCOMPARE(m.bbIndustryTrade->geometry(), QRect(4, 192, 120, 25));
        QCOMPARE(m.bEndTurn->geometry(), QRect(8, 224, 249, 25));
        QVERIFY(!m.bbIndustryTrade->icon().isNull());
        QVERIFY(!m.bbBankTrade->icon().isNull());
        QVERIFY(!m.bbBankStatistics->isEnabled());
        QVERIFY(m.bbStaffUpgrade->isHidden());
        QVERIFY(m.bbRawMaterialsUpgrade->isHidden());
        QVERIFY(m.BPrevFirm->isHidden() && m.BNextFirm->isHidden() && m.ICount->isHidden());
        QVERIFY(!m.bbIndustryUpgrade->isHidden());
        for (QLineEdit* e : {m.eProd, m.ePrice, m.eAdvExp}) {
            QCOMPARE(e->text(), QStringLiteral("0"));
            QCOMPARE(e->echoMode(), QLineEdit::Password);
            QCOMPARE(e->geometry().left(), 152);
            QCOMPARE(e->width(), 104);
        }
        QCOMPARE(m.eProd->maxLength(), 6);
        QCOMPARE(m.MailTimer->objectName(), QStringLiteral("MailTimer"));
        QCOMPARE(m.MailTimer->interval(), 200);
        QVERIFY(!m.MailTimer->isActive());
        QCOMPARE(m.StBar->objectName(), QStringLiteral("StBar"));
        QCOMPARE(m.StBar->geometry(), QRect(0, 511, 536, 19));
        QCOMPARE(m.ILFaces.size(), 4);
        QCOMPARE(m.ILFaces[0].size(), QSize(116, 116));
        QCOMPARE(m.ilButtons.size(), 2);

        const std::pair<const char*, const char*> items[] = {
            {"miContents", "Содержание"}, {"miIndex", "Указатель"}, {"miSearch", "Поиск"},
            {"miAbout", "О создателях"},  {"miSelf", "Личная"},     {"miGeneral", "Общая"}};
        for (const auto& [name, caption] : items) {
            auto* a = m.findChild<QAction*>(name);
            QVERIFY2(a, name);
            QCOMPARE(a->text(), QString::fromUtf8(caption));
        }
        QCOMPARE(m.pmHelpPopup->actions().size(), 5);
        QVERIFY(m.pmHelpPopup->actions().at(3)->isSeparator());
        QCOMPARE(m.pmStatisticsPopup->objectName(), QStringLiteral("pmStatisticsPopup"));
    }

    void spendMoneyUpToTheCapital() {
        Fixture f;
        setUpPlayers(f.manage);
        QCOMPARE(f.manage.Controller().SpendMoney(30001), 0.0f);
        QCOMPARE(f.prompter.texts(), QStringList{"У вас недостаточно денег для этого."});
        QCOMPARE(f.prompter.last().title, QStringLiteral("Однако здравствуйте!"));
        QCOMPARE(f.prompter.last().kind, Prompter::Kind::Error);
        QCOMPARE(f.manage.lCurMon->text(), QStringLiteral("Капитал: 30000$"));
        QCOMPARE(f.manage.Controller().SpendMoney(30000), 30000.0f);
        QCOMPARE(f.manage.Game().Company()->Money, 0.0f);
        QCOMPARE(f.manage.lCurMon->text(), QStringLiteral("Капитал: 0$"));
        f.manage.Controller().ReceiveMoney(1234.5f);
        QCOMPARE(f.manage.lCurMon->text(), QStringLiteral("Капитал: 1235$"));
        QCOMPARE(f.prompter.boxes().size(), 1);
    }

    void shortcutsNeedCtrlAloneAndAnEnabledButton() {
        Fixture f;
        setUpPlayers(f.manage);
        TManage& m = f.manage;
        m.show();
        QVERIFY(QTest::qWaitForWindowExposed(&m));
        QSignalSpy trade(m.bbIndustryTrade, &QPushButton::clicked);
        QSignalSpy bank(m.bbBankTrade, &QPushButton::clicked);
        QSignalSpy staff(m.bbStaffTrade, &QPushButton::clicked);
        QSignalSpy research(m.bbResearchTrade, &QPushButton::clicked);
        QSignalSpy production(m.bbProductionTrade, &QPushButton::clicked);
        QSignalSpy raw(m.bbRawMaterialsTrade, &QPushButton::clicked);

        m.eProd->setFocus();
        QTest::keyClick(m.eProd, Qt::Key_F, Qt::ControlModifier | Qt::ShiftModifier);
        QTest::keyClick(m.eProd, Qt::Key_F, Qt::ControlModifier | Qt::AltModifier);
        QTest::keyClick(m.eProd, Qt::Key_F, Qt::AltModifier);
        QCOMPARE(trade.count(), 0);
        QTest::keyClick(m.eProd, Qt::Key_F, Qt::ControlModifier);
        QCOMPARE(trade.count(), 1);
        QTest::keyClick(&m, Qt::Key_B, Qt::ControlModifier);
        QTest::keyClick(m.bEndTurn, Qt::Key_S, Qt::ControlModifier);
        QTest::keyClick(&m, Qt::Key_L, Qt::ControlModifier);
        QTest::keyClick(&m, Qt::Key_P, Qt::ControlModifier);
        QTest::keyClick(&m, Qt::Key_R, Qt::ControlModifier);
        QCOMPARE(bank.count(), 1);
        QCOMPARE(staff.count(), 1);
        QCOMPARE(research.count(), 1);
        QCOMPARE(production.count(), 1);
        QCOMPARE(raw.count(), 1);
        // The shortcut is no key of the edit: its text is still "0".
        QCOMPARE(m.eProd->text(), QStringLiteral("0"));

        // A ruined player's board: every shortcut is shut.
        m.LockPlayerControls(true);
        for (Qt::Key key : {Qt::Key_B, Qt::Key_F, Qt::Key_L, Qt::Key_P, Qt::Key_R, Qt::Key_S})
            QTest::keyClick(&m, key, Qt::ControlModifier);
        QCOMPARE(trade.count() + bank.count() + staff.count() + research.count() +
                     production.count() + raw.count(),
                 6);
        for (QWidget* w :
             {static_cast<QWidget*>(m.gbResearchInfo), static_cast<QWidget*>(m.gbStaffInfo),
              static_cast<QWidget*>(m.gbRawMaterialsInfo),
              static_cast<QWidget*>(m.gbProductionInfo), static_cast<QWidget*>(m.gbIndustryInfo),
              static_cast<QWidget*>(m.bbBankTrade), static_cast<QWidget*>(m.eProd),
              static_cast<QWidget*>(m.ePrice), static_cast<QWidget*>(m.eAdvExp)})
            QVERIFY2(!w->isEnabled(), qPrintable(w->objectName()));
        for (QWidget* w : {m.bbMailBox, m.bTP, m.bHelp, m.bEndTurn})
            QVERIFY2(w->isEnabled(), qPrintable(w->objectName()));
        m.LockPlayerControls(false);
        QVERIFY(m.gbIndustryInfo->isEnabled() && m.eAdvExp->isEnabled());

        // The bank closed by a scenario: Ctrl+B does nothing, the others still work.
        m.bbBankTrade->setEnabled(false);
        QTest::keyClick(&m, Qt::Key_B, Qt::ControlModifier);
        QTest::keyClick(&m, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(bank.count(), 1);
        QCOMPARE(staff.count(), 2);
        QVERIFY(f.prompter.boxes().isEmpty());
    }

    void helpKeyAndHelpMenu() {
        Fixture f;
        setUpPlayers(f.manage);
        TManage& m = f.manage;
        m.show();
        QVERIFY(QTest::qWaitForWindowExposed(&m));
        QTest::keyClick(m.ePrice, Qt::Key_F1);
        QCOMPARE(f.help.requests, QList<int>{1});

        QTest::mouseClick(m.bHelp, Qt::LeftButton);
        QVERIFY(m.pmHelpPopup->isVisible());
        const QPoint expected(m.frameGeometry().left() + 136 + 176 + 4,
                              m.frameGeometry().top() + 256 + 24 + 25 + 20);
        QCOMPARE(m.pmHelpPopup->pos(), expected);
        m.pmHelpPopup->hide();
        m.miContents->trigger();
        m.miIndex->trigger();
        m.miSearch->trigger();
        QCOMPARE(f.help.requests,
                 (QList<int>{1, NullHelp::Contents, NullHelp::Index, NullHelp::Search}));
    }

    void prodIsCappedByTheGoodsInStock() {
        Fixture f;
        setUpPlayers(f.manage);
        TManage& m = f.manage;
        m.Game().Industry()->Storages[1].Amount = 120;
        typeInto(m.eProd, "500");
        QCOMPARE(m.eProd->text(), QStringLiteral("120"));
        // Signs and letters are not taken.
        typeInto(m.eProd, "-x");
        QCOMPARE(m.eProd->text(), QStringLiteral("120"));
        // Deleting everything gives "0" selected, so the next key replaces it.
        m.eProd->selectAll();
        QTest::keyClick(m.eProd, Qt::Key_Backspace);
        QCOMPARE(m.eProd->text(), QStringLiteral("0"));
        QCOMPARE(m.eProd->selectedText(), QStringLiteral("0"));
        QTest::keyClicks(m.eProd, "77");
        QCOMPARE(m.eProd->text(), QStringLiteral("77"));
        QVERIFY(f.prompter.boxes().isEmpty());
    }

    void advertisingIsCappedByTheMoney() {
        Fixture f;
        setUpPlayers(f.manage);
        TManage& m = f.manage;
        m.Game().Company()->Money = 1000.6f;
        m.eAdvExp->selectAll();
        typeInto(m.eAdvExp, "5000");
        QCOMPARE(m.eAdvExp->text(), QStringLiteral("1001"));
        m.eAdvExp->selectAll();
        typeInto(m.eAdvExp, "999,5");
        QCOMPARE(m.eAdvExp->text(), QStringLiteral("999,5"));

        m.Game().Company()->Money = -2500;
        m.eAdvExp->selectAll();
        typeInto(m.eAdvExp, "7");
        QCOMPARE(m.eAdvExp->text(), QStringLiteral("0"));
        QVERIFY(f.prompter.boxes().isEmpty());

        // A text that is not a number (put there without the keyboard) stays, with the error.
        m.eAdvExp->setText("1,2,3");
        QCOMPARE(m.eAdvExp->text(), QStringLiteral("1,2,3"));
        QCOMPARE(f.prompter.texts(), QStringList{"'1,2,3' is not a valid floating point value."});
    }

    void priceOnlyMendsTheEmptyText() {
        Fixture f;
        setUpPlayers(f.manage);
        TManage& m = f.manage;
        m.ePrice->selectAll();
        typeInto(m.ePrice, "250.75");
        QCOMPARE(m.ePrice->text(), QStringLiteral("250.75"));
        typeInto(m.ePrice, ",");
        QCOMPARE(m.ePrice->text(), QStringLiteral("250.75"));
        m.ePrice->selectAll();
        QTest::keyClick(m.ePrice, Qt::Key_Delete);
        QCOMPARE(m.ePrice->text(), QStringLiteral("0"));
        QCOMPARE(m.ePrice->selectedText(), QStringLiteral("0"));
        // Up to 9999999 $ with cents: further digits are refused.
        typeInto(m.ePrice, "123456789012,345");
        QCOMPARE(m.ePrice->text(), QStringLiteral("1234567,34"));
    }

    void enterpriseSwitchWithOneEnterprise() {
        Fixture f;
        setUpPlayers(f.manage);
        TManage& m = f.manage;
        m.BNextFirmClick();
        QCOMPARE(m.Game().EnterpriseIndex, 0);
        QCOMPARE(m.ICount->text(), QStringLiteral("1/1"));
        m.BPrevFirmClick();
        QCOMPARE(m.Game().EnterpriseIndex, 0);
        QCOMPARE(m.ICount->text(), QStringLiteral("1/1"));
        // The picture follows the workshop's level.
        m.Game().Industry()->Buildings[0].Level = 3;
        QCOMPARE(m.SelectEnterprise(), m.Game().Industry());
        QCOMPARE(imageOf(m.FImage), QImage(gameDir + "/images/3lf.bmp"));
        QVERIFY(f.prompter.boxes().isEmpty());
    }

    void showPlayerFillsThePanel() {
        Fixture f;
        setUpPlayers(f.manage);
        TManage& m = f.manage;
        m.Game().Players[1]->Money = 512.5f;
        m.Controller().EndMove("0", "0", "0");
        QCOMPARE(m.Game().CurrentPlayer, 1);
        QCOMPARE(m.Game().Company()->Title, QStringLiteral("Beta"));
        QCOMPARE(m.lName->text(), QStringLiteral("Bob"));
        QCOMPARE(m.lTitle->text(), QStringLiteral("Beta"));
        QCOMPARE(m.lCurMon->text(), QStringLiteral("Капитал: 513$"));
        QCOMPARE(imageOf(m.MImage), m.ILFaces[2].toImage());
        QCOMPARE(m.Game().Players[1]->StartTurnMoney, 512.5f);

        // A name too long for its label is written smaller, whole, never cut.
        const QString longName = QStringLiteral("Мария Ивановна Петрова");
        m.Game().Players[0]->PlayerName = longName;
        m.Controller().EndMove("0", "0", "0");
        QCOMPARE(m.lName->text(), longName);
        QCOMPARE(m.lName->toolTip(), longName);
        QVERIFY(m.lName->font().pixelSize() < m.font().pixelSize());
        QVERIFY(QFontMetrics(m.lName->font()).horizontalAdvance(longName) <= m.lName->width());
        // Beyond the smallest size, the end of a name shows it is cut; the tip is whole.
        const QString longest = QStringLiteral("Aleksandr Konstantinovich Vertushkin-Zadunaisky");
        m.Game().Players[1]->Title = longest;
        m.Controller().EndMove("0", "0", "0");
        QVERIFY(m.lTitle->text().endsWith(QChar(0x2026)));
        QVERIFY(longest.startsWith(m.lTitle->text().chopped(1)));
        QCOMPARE(m.lTitle->toolTip(), longest);
        // So is a long capital: a tenth of the amount must never show.
        m.Game().Company()->Money = -12495441.0f;
        m.ShowCapital();
        QCOMPARE(m.lCurMon->text(), QStringLiteral("Капитал: -12495441$"));
        QVERIFY(QFontMetrics(m.lCurMon->font()).horizontalAdvance(m.lCurMon->text()) <=
                m.lCurMon->width());
    }

    // A computer's move: its firm on the board, the people's controls shut, one action
    // line at a time; any key skips to the end, the move ends by itself with its
    // figures typed as stars, and the next seat's turn begins.
    void computerMoveIsPacedAndAKeySkipsIt() {
        Fixture f;
        TManage& m = f.manage;
        TGameController& c = m.Controller();
        c.BeginSetup(2);
        c.AddPlayer("Alpha", "Ann", 1);
        c.AddPlayer("Robo", "Robot", 2, *TSeat::FromName("strong"));
        c.FinishSetup();
        m.computerMove->SetPace(60000, 0);
        m.bEndTurnClick();
        QVERIFY(m.computerMove->Busy());
        QTRY_VERIFY(!m.computerMove->lComputerAction->text().isEmpty());
        QCOMPARE(c.Game().CurrentPlayer, 1);
        QCOMPARE(m.lName->text(), QStringLiteral("Robot"));
        QVERIFY(!m.bEndTurn->isEnabled() && !m.gbStaffInfo->isEnabled() && !m.eProd->isEnabled());
        QVERIFY(c.Game().Players[1]->Produced > 0);
        // The move is made, but the capital follows the lines told so far.
        QVERIFY(m.lCurMon->text() != TGame::CapitalText(c.Game().Players[1]->Money));

        // The figures typed, as stars, before the move ends.
        QSignalSpy ended(&c, &TGameController::turnBegan);
        QStringList typed;
        connect(m.ePrice, &QLineEdit::textChanged, this, [&](const QString& t) { typed << t; });
        QTest::keyClick(&m, Qt::Key_Space);
        QTRY_COMPARE(ended.count(), 1);
        QCOMPARE(c.Game().CurrentPlayer, 0);
        QVERIFY(!m.computerMove->Busy());
        const TZorvick& robot = *c.Game().Players[1];
        QVERIFY(typed.contains(QString::number(double(robot.Price))));
        QCOMPARE(m.ePrice->echoMode(), QLineEdit::Password);
        QVERIFY(robot.Sold > 0);
        QVERIFY(m.bEndTurn->isEnabled() && m.gbStaffInfo->isEnabled() && m.eProd->isEnabled());
        QCOMPARE(m.lName->text(), QStringLiteral("Ann"));
        QCOMPARE(m.lCurMon->text(), TGame::CapitalText(c.Game().Players[0]->Money));
        QVERIFY(f.prompter.boxes().isEmpty());
    }

    void labelTextFailureKeepsTheCallersText() {
        Fixture f;
        // No start-up: no file, built-in texts only; a built-in "%d" fails like a file's.
        QCOMPARE(f.manage.LabelText("cMaxLoan", "Лимит %s $", 100.4),
                 QStringLiteral("Лимит 100 $"));
        QCOMPARE(f.manage.LabelText("cMaxLoan", "Лимит %d $", 100), std::nullopt);
        QCOMPARE(f.prompter.last().title, QStringLiteral("Zorvick"));
    }
};

QTEST_MAIN(BoardWindowTest)
#include "BoardWindowTest.moc"
