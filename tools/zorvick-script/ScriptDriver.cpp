#include "ScriptDriver.h"

#include "core/board/SetupRules.h"
#include "core/game/TAutoSave.h"
#include "core/platform/Services.h"
#include "core/players/ComputerTurn.h"
#include "core/players/TSeat.h"
#include "ui/board/SetupDialogs.h"
#include "ui/board/TComputerMove.h"
#include "ui/board/TManage.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QTreeView>
#include <cstdio>
#include <limits>
#include <vector>

namespace {

QString echoName(QLineEdit::EchoMode mode) {
    switch (mode) {
    case QLineEdit::Normal:
        return QStringLiteral("normal");
    case QLineEdit::NoEcho:
        return QStringLiteral("none");
    case QLineEdit::Password:
        return QStringLiteral("password");
    case QLineEdit::PasswordEchoOnEdit:
        return QStringLiteral("password on edit");
    }
    return {};
}

// The page of a tab widget that a widget is, if it is one.
QTabWidget* tabOwning(QWidget* page) {
    for (QWidget* w = page ? page->parentWidget() : nullptr; w; w = w->parentWidget())
        if (auto* tabs = qobject_cast<QTabWidget*>(w))
            return tabs->indexOf(page) >= 0 ? tabs : nullptr;
    return nullptr;
}

// The text a key produces, as the keyboard would give it.
QString keyText(Qt::Key key, Qt::KeyboardModifiers modifiers) {
    if (modifiers & Qt::AltModifier)
        return {};
    if (modifiers & Qt::ControlModifier)
        return key >= Qt::Key_A && key <= Qt::Key_Z ? QString(QChar(key - Qt::Key_A + 1))
                                                    : QString();
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return QStringLiteral("\r");
    case Qt::Key_Escape:
        return QStringLiteral("\x1b");
    case Qt::Key_Space:
        return QStringLiteral(" ");
    case Qt::Key_Tab:
        return QStringLiteral("\t");
    case Qt::Key_Backspace:
        return QStringLiteral("\b");
    default:
        break;
    }
    if (key >= Qt::Key_Space && key <= Qt::Key_AsciiTilde) {
        const QChar c(key);
        return modifiers & Qt::ShiftModifier ? QString(c) : QString(c.toLower());
    }
    return {};
}

// The window a person sees a control or an action in: a popup menu counts as the
// window it opens from.
QWidget* windowOf(QObject* target) {
    QObject* o = target;
    while (o && !o->isWidgetType())
        o = o->parent();
    QWidget* window = o ? static_cast<QWidget*>(o)->window() : nullptr;
    while (window && window->windowType() == Qt::Popup && window->parentWidget())
        window = window->parentWidget()->window();
    return window;
}

// Whether the columns of a view show: a list view shows one, the others hide some.
bool columnShown(const QAbstractItemView* view, int column) {
    if (auto* list = qobject_cast<const QListView*>(view))
        return column == list->modelColumn();
    if (auto* tree = qobject_cast<const QTreeView*>(view))
        return !tree->isColumnHidden(column);
    if (auto* table = qobject_cast<const QTableView*>(view))
        return !table->isColumnHidden(column);
    return true;
}

// The rows of a list view as a person reads them, and the selected row.
void readRows(const QAbstractItemView* view, QJsonObject& out) {
    const QAbstractItemModel* model = view->model();
    const QModelIndex root = view->rootIndex();
    QJsonArray rows;
    for (int r = 0; r < model->rowCount(root); ++r) {
        QStringList cells;
        for (int c = 0; c < model->columnCount(root); ++c)
            if (columnShown(view, c))
                cells.append(model->index(r, c, root).data(Qt::DisplayRole).toString());
        rows.append(cells.join(QLatin1Char('\t')));
    }
    int selected = -1;
    if (const QItemSelectionModel* selection = view->selectionModel())
        for (const QModelIndex& index : selection->selectedIndexes())
            if (index.parent() == root && (selected < 0 || index.row() < selected))
                selected = index.row();
    out.insert("rows", rows);
    out.insert("selected", selected);
}

} // namespace

ScriptDriver::ScriptDriver(QString ownFolder) : ownFolder_(std::move(ownFolder)) {
    prompter_.onBox = [this](const ScriptedPrompter::Box& box, bool unexpected) {
        QJsonObject out{
            {"kind", Prompter::kindName(box.kind)}, {"title", box.title}, {"text", box.text}};
        if (Prompter::isQuestion(box.kind))
            out.insert("answer", box.answer ? "yes" : "no");
        print({{"box", out}});
        if (unexpected)
            error(QStringLiteral("a question with no answer queued was answered no"));
    };
    next_.setSingleShot(true);
    connect(&next_, &QTimer::timeout, this, &ScriptDriver::step);
    qApp->installEventFilter(this);
}

ScriptDriver::~ScriptDriver() {
    qApp->removeEventFilter(this);
}

int ScriptDriver::run() {
    qApp->exec();
    // The loop ended with no reason given: the game closed its last window itself.
    finish(endReason_.isEmpty() ? QStringLiteral("exit") : endReason_);
    return 0;
}

void ScriptDriver::addLine(const QString& line) {
    queue_.append(line);
    if (waiting_)
        schedule();
}

void ScriptDriver::inputEnded() {
    inputEnded_ = true;
    if (waiting_)
        schedule();
}

void ScriptDriver::schedule(int delayMs) {
    waiting_ = false;
    next_.start(delayMs);
}

void ScriptDriver::step() {
    // The game may have ended while the loops unwind: its reason stands.
    if (finished_ || !endReason_.isEmpty())
        return;
    // A computer's move is played to its end before the next line, and a game of
    // computers only plays itself out.
    if (manage_ && manage_->Game().PlayerCount > 0 && !manage_->Controller().Ended() &&
        (manage_->computerMove->Busy() || !ComputerTurn::PersonSeated(manage_->Controller()))) {
        schedule(1);
        return;
    }
    if (queue_.isEmpty()) {
        if (inputEnded_) {
            endReason_ = QStringLiteral("end of input");
            qApp->exit(0); // leaves every nested window loop too
        } else {
            waiting_ = true;
        }
        return;
    }
    const QString line = queue_.takeFirst();
    // The next line is due before this one acts: an action that opens a modal
    // window runs a nested loop, and the script goes on inside it.
    schedule();
    execute(line);
}

void ScriptDriver::execute(const QString& line) {
    if (line.trimmed().isEmpty())
        return;
    QJsonParseError parseError;
    const QJsonDocument doc = QJsonDocument::fromJson(line.toUtf8(), &parseError);
    if (!doc.isObject() || doc.object().size() != 1) {
        error(QStringLiteral("cannot read the line: ") + line);
        return;
    }
    const QJsonObject command = doc.object();
    const QString verb = command.begin().key();
    const QJsonValue args = command.begin().value();
    if (verb == QLatin1String("start"))
        start(args);
    else if (verb == QLatin1String("type"))
        type(args);
    else if (verb == QLatin1String("click"))
        click(args);
    else if (verb == QLatin1String("choose"))
        choose(args);
    else if (verb == QLatin1String("double"))
        doubleClick(args);
    else if (verb == QLatin1String("key"))
        key(args);
    else if (verb == QLatin1String("answer"))
        answer(args);
    else if (verb == QLatin1String("read"))
        read(args);
    else if (verb == QLatin1String("close"))
        close(args);
    else if (verb == QLatin1String("wait"))
        wait(args);
    else if (verb == QLatin1String("grab"))
        grab(args);
    else if (verb == QLatin1String("state"))
        state();
    else
        error(QStringLiteral("unknown command: ") + verb);
}

void ScriptDriver::finish(const QString& reason) {
    if (finished_)
        return;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible())
            w->close();
    finished_ = true;
    print({{"end", QJsonObject{{"reason", reason}, {"errors", errors_}, {"status", gameStatus_}}}});
}

// ------------------------------------------------------------------ commands

void ScriptDriver::start(const QJsonValue& value) {
    if (manage_) {
        error(QStringLiteral("the game has already started"));
        return;
    }
    const QJsonObject options = value.toObject();
    const QString folder = options.value("folder").toString(ownFolder_);
    QDate today = QDate::fromString(options.value("today").toString(), Qt::ISODate);
    if (!today.isValid())
        today = QDate::currentDate();
    const auto seed = options.contains("seed") ? std::uint64_t(options.value("seed").toInteger())
                                               : RandomSource::clockSeed();
    random_ = std::make_unique<RandomSource>(seed);

    Services services{prompter_, sound_, help_, *random_, GameFolder(folder), today};
    manage_ = std::make_unique<TManage>(services);
    // A computer's move is played at once, and a report nobody reads closes at once.
    manage_->computerMove->SetPace(0, 0);
    // Saves go to "data", else to a folder of this run removed at its end, so no
    // script touches the player's own save.
    QString data = options.value("data").toString();
    if (data.isEmpty()) {
        dataDir_ = std::make_unique<QTemporaryDir>();
        data = dataDir_->path();
    }
    autoSave_ = std::make_unique<TAutoSave>(manage_->Controller(), data);
    const bool resume = options.value("resume").toBool();
    if (options.contains("resume"))
        autoSave_->SetOffer(resume ? TAutoSave::Offer::Resume : TAutoSave::Offer::New);
    manage_->UseAutoSave(autoSave_.get());
    const bool resuming = resume && autoSave_->Usable();

    // With the players given, the driver closes the splash and fills in the two
    // setup dialogs itself, as lines that run inside their modal loops; a game that
    // is resumed has no setup.
    if (options.contains("players")) {
        const QJsonArray players = resuming ? QJsonArray() : options.value("players").toArray();
        QStringList lines;
        auto line = [&](const QJsonObject& o) {
            lines.append(QString::fromUtf8(QJsonDocument(o).toJson(QJsonDocument::Compact)));
        };
        line({{"key", "Space"}});
        if (!resuming) {
            line({{"type",
                   QJsonArray{"PlayerCountDialog.eCount", QString::number(players.size())}}});
            const int length = options.value("length").toInt(0);
            if (length != 0 && length != 26 && length != 52) {
                error(QStringLiteral("\"length\" is 0, 26 or 52"));
                return;
            }
            if (length != 0)
                line({{"type", QJsonArray{"PlayerCountDialog.cbLength",
                                          length == 26 ? QStringLiteral("26 недель")
                                                       : QStringLiteral("52 недели")}}});
            line({{"click", "PlayerCountDialog.bOK"}});
        }
        std::vector<int> facesTaken;
        for (qsizetype k = 0; k < players.size(); ++k) {
            const QJsonArray player = players[k].toArray();
            const int asked = player.at(2).toInt();
            int face = asked;
            // A computer's seat, named as the simulator names the managers; the dialog
            // proposes a face for it, from which the face asked for is reached.
            if (player.size() > 3) {
                const auto seat = TSeat::FromName(player.at(3).toString());
                if (!seat) {
                    error(
                        QStringLiteral("no computer manager \"%1\"").arg(player.at(3).toString()));
                } else {
                    const int faces = 4;
                    line({{"click", "PlayerEntryDialog.rbComputer"}});
                    line({{"choose",
                           QJsonArray{"PlayerEntryDialog.cbCharacter",
                                      TSeat::CharacterTexts().value(qsizetype(seat->character))}}});
                    line({{"choose",
                           QJsonArray{"PlayerEntryDialog.cbStrength",
                                      TSeat::StrengthTexts().value(qsizetype(seat->strength))}}});
                    const int proposed = SetupRules::ComputerFace(facesTaken, int(k) + 1, faces);
                    face = ((face - proposed) % faces + faces) % faces;
                }
            }
            // A computer's seat left unnamed keeps the names the dialog filled in.
            const bool computer = player.size() > 3;
            if (!computer || !player.at(0).toString().isEmpty())
                line({{"type", QJsonArray{"PlayerEntryDialog.eTitle", player.at(0).toString()}}});
            if (!computer || !player.at(1).toString().isEmpty())
                line({{"type",
                       QJsonArray{"PlayerEntryDialog.ePlayerName", player.at(1).toString()}}});
            for (int f = 0; f < face; ++f)
                line({{"click", "PlayerEntryDialog.bNextFace"}});
            line({{"click", "PlayerEntryDialog.bOK"}});
            facesTaken.push_back(asked);
        }
        queue_ = lines + queue_;
    }

    // A winner or the ruin of every firm: the board closes and the program ends.
    connect(&manage_->Controller(), &TGameController::gameEnded, this, [this](int status) {
        endReason_ = QStringLiteral("exit");
        gameStatus_ = status;
        qApp->exit(0);
    });
    const int status = manage_->Start();
    if (finished_ || !endReason_.isEmpty())
        return;
    if (status != 0) {
        gameStatus_ = status;
        endReason_ = QStringLiteral("exit");
        qApp->exit(0);
        return;
    }
    manage_->show();
}

void ScriptDriver::type(const QJsonValue& value) {
    const QJsonArray args = value.toArray();
    const QString name = args.at(0).toString();
    QString why;
    QObject* target = find(name, &why);
    auto* edit = qobject_cast<QLineEdit*>(target);
    if (!target) {
        error(why);
        return;
    }
    // A drop-down list: the item of that text is chosen, as with the arrow keys.
    if (auto* list = qobject_cast<QComboBox*>(target)) {
        const int index = list->findText(args.at(1).toString());
        if (index < 0)
            error(name + QStringLiteral(" has no item \"") + args.at(1).toString() +
                  QStringLiteral("\""));
        else if (usable(list, name))
            list->setCurrentIndex(index);
        return;
    }
    if (!edit) {
        error(name + QStringLiteral(" is not an edit"));
        return;
    }
    if (!usable(edit, name))
        return;
    edit->setFocus();
    edit->selectAll();
    const QString text = args.at(1).toString();
    if (text.isEmpty()) {
        // Typing nothing over the selection deletes it.
        QTest::keyClick(edit, Qt::Key_Delete);
        return;
    }
    for (const QChar c : text) {
        const QString s(c);
        const int keyCode = c.unicode() < 128 ? QKeySequence(s)[0].key() : Qt::Key_unknown;
        QKeyEvent press(QEvent::KeyPress, keyCode, Qt::NoModifier, s);
        QKeyEvent release(QEvent::KeyRelease, keyCode, Qt::NoModifier, s);
        QApplication::sendEvent(edit, &press);
        QApplication::sendEvent(edit, &release);
    }
}

void ScriptDriver::choose(const QJsonValue& value) {
    const QJsonArray args = value.toArray();
    const QString name = args.at(0).toString();
    QString why;
    QObject* target = find(name, &why);
    auto* combo = qobject_cast<QComboBox*>(target);
    if (!target || !combo) {
        error(target ? name + QStringLiteral(" is not a choice list") : why);
        return;
    }
    if (!usable(combo, name))
        return;
    const int index = combo->findText(args.at(1).toString());
    if (index < 0) {
        error(name + QStringLiteral(" has no item \"") + args.at(1).toString() +
              QStringLiteral("\""));
        return;
    }
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

void ScriptDriver::click(const QJsonValue& value) {
    if (value.isArray()) {
        clickCell(value.toArray());
        return;
    }
    const QString name = value.toString();
    QString why;
    QObject* target = find(name, &why);
    if (!target) {
        error(why);
        return;
    }
    if (!usable(target, name))
        return;
    if (auto* action = qobject_cast<QAction*>(target)) {
        action->trigger();
        return;
    }
    auto* widget = qobject_cast<QWidget*>(target);
    if (!widget) {
        error(name + QStringLiteral(" cannot be clicked"));
        return;
    }
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        // A press and a release on its centre, as a mouse gives them: the button takes
        // the focus its policy allows, and its release acts.
        QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, button->rect().center());
        return;
    }
    if (QTabWidget* tabs = tabOwning(widget)) {
        if (!tabs->isTabEnabled(tabs->indexOf(widget))) {
            error(name + QStringLiteral(" is disabled or hidden"));
            return;
        }
        tabs->setCurrentWidget(widget);
        return;
    }
    error(name + QStringLiteral(" cannot be clicked"));
}

QAbstractItemView* ScriptDriver::cellOf(const QJsonArray& args, int column, QModelIndex* cell) {
    const QString name = args.at(0).toString();
    QString why;
    QObject* target = find(name, &why);
    if (!target) {
        error(why);
        return nullptr;
    }
    auto* view = qobject_cast<QAbstractItemView*>(target);
    if (!view || !view->model()) {
        error(name + QStringLiteral(" is not a list"));
        return nullptr;
    }
    if (!usable(view, name))
        return nullptr;
    const int row = args.at(1).toInt(-1);
    const QModelIndex index = view->model()->index(row, column, view->rootIndex());
    if (!args.at(1).isDouble() || !index.isValid() || !columnShown(view, column)) {
        error(name + QStringLiteral(" has no row ") + QString::number(row) +
              QStringLiteral(" in column ") + QString::number(column));
        return nullptr;
    }
    // A person scrolls the row into view before clicking it.
    view->scrollTo(index);
    *cell = index;
    return view;
}

void ScriptDriver::clickCell(const QJsonArray& args) {
    QModelIndex cell;
    QAbstractItemView* view = cellOf(args, args.at(2).toInt(-1), &cell);
    if (!view)
        return;
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier,
                      view->visualRect(cell).center());
}

void ScriptDriver::doubleClick(const QJsonValue& value) {
    const QJsonArray args = value.toArray();
    QString unused;
    // A list box shows one column of its model.
    auto* list = qobject_cast<QListView*>(find(args.at(0).toString(), &unused));
    QModelIndex cell;
    QAbstractItemView* view = cellOf(args, list ? list->modelColumn() : 0, &cell);
    if (!view)
        return;
    // As the window system delivers it: a click, then the second press as a double click.
    const QPoint at = view->visualRect(cell).center();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseRelease(view->viewport(), Qt::LeftButton, Qt::NoModifier, at);
}

void ScriptDriver::key(const QJsonValue& value) {
    const QString text = value.toString();
    const QKeySequence sequence = QKeySequence::fromString(text, QKeySequence::PortableText);
    if (sequence.isEmpty() || sequence[0].key() == Qt::Key_unknown) {
        error(QStringLiteral("unknown key: ") + text);
        return;
    }
    QWidget* window = activeWindow();
    if (!window) {
        error(QStringLiteral("no window to press a key in"));
        return;
    }
    QWidget* target = window->focusWidget() ? window->focusWidget() : window;
    if (!usable(target, text))
        return;
    const Qt::Key k = sequence[0].key();
    const Qt::KeyboardModifiers modifiers = sequence[0].keyboardModifiers();
    QTest::sendKeyEvent(QTest::Click, target, k, keyText(k, modifiers), modifiers);
}

void ScriptDriver::answer(const QJsonValue& value) {
    for (const QJsonValue& a : value.toArray()) {
        const QString word = a.toString().toLower();
        if (word == QLatin1String("yes"))
            prompter_.queue(true);
        else if (word == QLatin1String("no"))
            prompter_.queue(false);
        else
            error(QStringLiteral("an answer is \"yes\" or \"no\", not ") + a.toString());
    }
}

void ScriptDriver::read(const QJsonValue& value) {
    const QJsonArray names = value.isArray() ? value.toArray() : QJsonArray{value};
    for (const QJsonValue& n : names) {
        const QString name = n.toString();
        QString why;
        QObject* target = find(name, &why);
        if (!target) {
            error(why);
            continue;
        }
        QJsonObject out{{"name", name}};
        if (auto* action = qobject_cast<QAction*>(target)) {
            out.insert("text", action->text());
            out.insert("enabled", action->isEnabled());
            out.insert("visible", action->isVisible());
        } else if (auto* w = qobject_cast<QWidget*>(target)) {
            if (auto* edit = qobject_cast<QLineEdit*>(w)) {
                out.insert("text", edit->text());
                out.insert("echo", echoName(edit->echoMode()));
            } else if (auto* memo = qobject_cast<QPlainTextEdit*>(w)) {
                out.insert("text", memo->toPlainText());
            } else if (auto* memo = qobject_cast<QTextEdit*>(w)) {
                out.insert("text", memo->toPlainText());
            } else if (auto* view = qobject_cast<QAbstractItemView*>(w); view && view->model()) {
                readRows(view, out);
            } else if (auto* label = qobject_cast<QLabel*>(w)) {
                out.insert("text", label->text());
            } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
                out.insert("text", button->text());
                if (button->isCheckable())
                    out.insert("checked", button->isChecked());
            } else if (auto* box = qobject_cast<QGroupBox*>(w)) {
                out.insert("text", box->title());
            } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
                out.insert("text", combo->currentText());
            } else if (auto* bar = qobject_cast<QStatusBar*>(w)) {
                QStringList texts;
                for (QLabel* l : bar->findChildren<QLabel*>())
                    if (!l->text().isEmpty())
                        texts.append(l->text());
                out.insert("text", bar->currentMessage().isEmpty() ? texts.join(" ")
                                                                   : bar->currentMessage());
            } else if (w->isWindow()) {
                out.insert("text", w->windowTitle());
            }
            out.insert("enabled", w->isEnabled());
            out.insert("visible", w->isWindow() ? w->isVisible() : w->isVisibleTo(w->window()));
        }
        print({{"read", out}});
    }
}

QWidget* ScriptDriver::openWindow(const QString& name) {
    QWidget* window = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == name && w->isVisible())
            window = w;
    if (!window)
        error(QStringLiteral("no open window named ") + name);
    return window;
}

void ScriptDriver::close(const QJsonValue& value) {
    const QString name = value.toString();
    QWidget* window = openWindow(name);
    if (!window)
        return;
    if (behindModal(window, name))
        return;
    window->close();
    // The board is the game's main window: the program ends with it, status 0.
    if (window == manage_.get() && !window->isVisible()) {
        endReason_ = QStringLiteral("exit");
        qApp->exit(0);
    }
}

void ScriptDriver::wait(const QJsonValue& value) {
    const double ms = value.toDouble(-1);
    if (!value.isDouble() || ms < 0 || ms > std::numeric_limits<int>::max()) {
        error(QStringLiteral("wait takes a number of milliseconds"));
        return;
    }
    // Replaces the turn already due, so timers of the game fire meanwhile.
    schedule(int(ms));
}

void ScriptDriver::grab(const QJsonValue& value) {
    const QJsonArray args = value.toArray();
    const QString name = args.at(0).toString();
    const QString file = args.at(1).toString();
    if (file.isEmpty()) {
        error(QStringLiteral("grab takes a window name and a file name"));
        return;
    }
    QWidget* window = openWindow(name);
    if (!window)
        return;
    const QPixmap picture = window->grab();
    QDir().mkpath(QFileInfo(file).absolutePath());
    if (!picture.save(file)) {
        error(QStringLiteral("cannot write ") + file);
        return;
    }
    print({{"grab", QJsonObject{{"name", name},
                                {"file", file},
                                {"width", picture.width()},
                                {"height", picture.height()}}}});
}

void ScriptDriver::state() {
    if (!manage_) {
        error(QStringLiteral("the game has not started"));
        return;
    }
    print({{"state", manage_->Controller().toJson()}});
}

// ------------------------------------------------------------------- helpers

QWidget* ScriptDriver::activeWindow() const {
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    if (manage_ && manage_->isVisible())
        return manage_.get();
    if (QWidget* active = QApplication::activeWindow())
        return active;
    return nullptr;
}

QObject* ScriptDriver::find(const QString& name, QString* why) const {
    const qsizetype dot = name.indexOf(QLatin1Char('.'));
    if (dot > 0) {
        const QString windowName = name.left(dot);
        const QString controlName = name.mid(dot + 1);
        QWidget* window = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == windowName && (!window || w->isVisible()))
                window = w;
        if (!window && manage_)
            window = manage_->findChild<QWidget*>(windowName);
        if (!window) {
            *why = QStringLiteral("no window named ") + windowName;
            return nullptr;
        }
        if (QObject* found = window->findChild<QObject*>(controlName))
            return found;
        *why =
            QStringLiteral("no control named ") + controlName + QStringLiteral(" in ") + windowName;
        return nullptr;
    }
    QList<QWidget*> windows;
    if (QWidget* modal = QApplication::activeModalWidget())
        windows.append(modal);
    if (manage_)
        windows.append(manage_.get());
    for (QWidget* window : windows) {
        if (window->objectName() == name)
            return window;
        if (QObject* found = window->findChild<QObject*>(name))
            return found;
    }
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == name)
            return w;
    *why = QStringLiteral("no control named ") + name;
    return nullptr;
}

bool ScriptDriver::usable(QObject* target, const QString& name) {
    bool shown = true;
    if (auto* action = qobject_cast<QAction*>(target))
        shown = action->isEnabled() && action->isVisible();
    else if (auto* w = qobject_cast<QWidget*>(target)) {
        // A page of a page control is hidden until it is chosen: a person sees its tab.
        QWidget* seen = w;
        if (QTabWidget* tabs = tabOwning(w))
            seen = tabs;
        shown = w->isEnabled() && seen->isVisibleTo(w->window()) && w->window()->isVisible();
    }
    if (!shown) {
        error(name + QStringLiteral(" is disabled or hidden"));
        return false;
    }
    QWidget* window = windowOf(target);
    return !window || !behindModal(window, name);
}

bool ScriptDriver::behindModal(QWidget* window, const QString& name) {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal)
        return false;
    // A window opened from the modal one is in front of it.
    for (QWidget* w = window; w; w = w->parentWidget() ? w->parentWidget()->window() : nullptr)
        if (w == modal)
            return false;
    error(name + QStringLiteral(" is behind the modal window ") + modal->objectName());
    return true;
}

void ScriptDriver::print(const QJsonObject& object) {
    const QByteArray line = QJsonDocument(object).toJson(QJsonDocument::Compact);
    std::fwrite(line.constData(), 1, std::size_t(line.size()), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

void ScriptDriver::error(const QString& message) {
    ++errors_;
    print({{"error", message}});
}

bool ScriptDriver::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show || event->type() == QEvent::Hide) {
        auto* w = qobject_cast<QWidget*>(watched);
        if (w && w->isWindow() && !finished_ && !w->inherits("QMenu") &&
            !w->inherits("QTipLabel")) {
            print({{"window",
                    QJsonObject{{"name", w->objectName()},
                                {"title", w->windowTitle()},
                                {"event", event->type() == QEvent::Show ? "shown" : "closed"},
                                {"modal", w->isModal()}}}});
        }
    }
    return QObject::eventFilter(watched, event);
}
