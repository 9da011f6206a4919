// The pictures of the player's guide, taken from the program itself on a copy of the sample set:
// korvane_shots OUTPUT_FOLDER SAMPLE_FOLDER. Run by scripts/screenshots under Xvfb, so that they
// stay true as the window changes; no test compares them.

#include "app/Appearance.h"
#include "app/ArrivalPrompt.h"
#include "app/FirstStart.h"
#include "app/NewCharacterDialog.h"
#include "app/Startup.h"
#include "app/TForm1.h"
#include "browser/JournalDialog.h"
#include "browser/ProgressDialog.h"
#include "browser/StringGrid.h"
#include "editing/Checklist.h"
#include "editing/ConflictDialog.h"
#include "editing/FlagRules.h"
#include "store/DataFiles.h"
#include "store/LineFile.h"
#include "store/PlayerChecklists.h"
#include "web/Browser.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QWindow>
#include <functional>

using namespace korvane;

namespace {

QString output;

void settle(int ms = 300) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// From the screen, so that the web pane's browser is in the picture too.
QPixmap grab(QWidget* widget) {
    settle();
    return widget->screen()
        ->grabWindow(widget->window()->winId())
        .copy(QRect(widget->mapTo(widget->window(), QPoint()), widget->size()));
}

void save(const QPixmap& picture, const char* name) {
    const QString path = QDir(output).filePath(QString::fromLatin1(name) + ".png");
    if (!picture.save(path))
        qFatal("cannot write %s", qPrintable(path));
    std::printf("%s\n", qPrintable(path));
    std::fflush(stdout);
}

// Takes the modal window the action opens, then lets close it go.
void onModal(const char* name, const std::function<void(QWidget*)>& close) {
    QTimer::singleShot(0, [name, close] {
        QWidget* modal = nullptr;
        for (int i = 0; i < 100 && !(modal = QApplication::activeModalWidget()); ++i)
            settle(50);
        if (!modal)
            qFatal("no window opened for %s", name);
        save(grab(modal), name);
        close(modal);
    });
}

void copyFolder(const QString& from, const QString& to) {
    QDir().mkpath(to);
    for (const QString& name : QDir(from).entryList(QDir::Files))
        QFile::copy(QDir(from).filePath(name), QDir(to).filePath(name));
}

// A journal as a player of a few evenings would have it.
void writeJournal(const QString& folder) {
    const QDateTime start(QDate::currentDate().addDays(-3), QTime(20, 5));
    const struct {
        int minutes;
        std::uint16_t number;
        JournalKind kind;
    } events[] = {{0, 1, JournalKind::Offered},    {25, 2, JournalKind::Offered},
                  {70, 1, JournalKind::Completed}, {1440, 7, JournalKind::Memo},
                  {1500, 5, JournalKind::Offered}, {2900, 5, JournalKind::Completed},
                  {2950, 11, JournalKind::Offered}};
    QFile file(files::inFolder(folder, kJournalFile));
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot write the journal");
    for (const auto& e : events) {
        const std::string line = journalLine({start.addSecs(e.minutes * 60).toSecsSinceEpoch(), e.number,
                                              e.kind, JournalCause::Player, 0},
                                             e.number == 11 ? "note-pc" : ThisPc::here().name.toStdString()) +
                                 "\r\n";
        file.write(line.data(), static_cast<qint64>(line.size()));
    }
}

// The window at a glance: each region framed and numbered, as the guide's list names them.
void labelledWindow(TForm1& window) {
    QPixmap picture = grab(&window);
    const auto rectOf = [&](std::initializer_list<const char*> names) {
        QRect r;
        for (const char* name : names) {
            auto* w = window.findChild<QWidget*>(QString::fromLatin1(name));
            r |= QRect(w->mapTo(&window, QPoint()), w->size());
        }
        return r.adjusted(1, 1, -2, -2);
    };
    const QRect regions[] = {
        rectOf({"Panel6", "Panel7"}),
        rectOf({"Button5", "Button11"}),
        rectOf({"ComboBox1", "ComboBox2", "RadioGroup1"}),
        rectOf({"Button1", "Edit1", "Button10", "Edit6"}),
        rectOf({"StringGrid1"}),
        rectOf({"ScrollBox1"}),
        rectOf({"RichEdit1", "Panel4"}),
        rectOf({"StatusBar1"}),
    };
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    QFont font = painter.font();
    font.setPixelSize(15);
    font.setBold(true);
    painter.setFont(font);
    int n = 1;
    for (const QRect& r : regions) {
        // A small region's badge goes below it, where it hides no caption.
        const bool small = r.height() < 40;
        painter.setPen(QPen(QColor(0xE0, 0x20, 0x20), 3));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(r);
        const QRect badge(r.right() - 26, small ? r.bottom() + 3 : r.top() + 4, 22, 22);
        painter.setBrush(QColor(0xE0, 0x20, 0x20));
        painter.setPen(Qt::NoPen);
        painter.drawEllipse(badge);
        painter.setPen(Qt::white);
        painter.drawText(badge, Qt::AlignCenter, QString::number(n++));
    }
    painter.end();
    save(picture, "window");
}

template <class W> W* child(QWidget& window, const char* name) {
    auto* w = window.findChild<W*>(QString::fromLatin1(name));
    if (!w)
        qFatal("no %s", name);
    return w;
}

// The dialogs and menus the window opens, and its web pane.
void shootDialogs(TForm1& window) {
    onModal("progress", [](QWidget* w) { static_cast<QDialog*>(w)->reject(); });
    child<QPushButton>(window, "Button12")->click();
    onModal("journal", [](QWidget* w) {
        auto* dialog = static_cast<JournalDialog*>(w);
        dialog->Edit8->clear();
        save(grab(dialog), "journal");
        dialog->reject();
    });
    child<QPushButton>(window, "Button16")->click();
    onModal("new-character", [](QWidget* w) {
        w->findChild<QLineEdit*>(QStringLiteral("CharacterName"))->setText(QStringLiteral("ナイト"));
        save(grab(w), "new-character");
        static_cast<QDialog*>(w)->reject();
    });
    window.findChild<QAction*>(QStringLiteral("NewCharacter"))->trigger();
    // The characters' menu, opened where its button is.
    auto* menu = window.findChild<QMenu*>(QStringLiteral("CharacterMenu"));
    auto* button = child<QToolButton>(window, "SpeedButton4");
    menu->popup(button->mapToGlobal(QPoint(0, -menu->sizeHint().height())));
    settle(300);
    save(menu->screen()->grabWindow(menu->winId()), "character-menu");
    menu->hide();

    child<QPushButton>(window, "Button11")->click(); // the web pane
    settle(3000);
    save(grab(&window), "web-pane");
    onModal("favourites", [](QWidget* w) {
        w->findChild<QListWidget*>(QStringLiteral("ListBox1"))->setCurrentRow(1);
        save(grab(w), "favourites");
        static_cast<QDialog*>(w)->reject();
    });
    child<QToolButton>(window, "SpeedButton5")->click();
}

void shootWindow(const QString& main) {
    TForm1 window(DataPlace{main, QDir(main).filePath("korvane.ini")});
    window.resize(818, 589); // the restored size: every command of the quest on show is seen
    window.move(0, 0);
    window.show();
    settle(800);
    save(grab(&window), "restored");
    onModal("keys", [](QWidget* w) {
        save(grab(w), "keys");
        static_cast<QDialog*>(w)->reject();
    });
    window.findChild<QAction*>(QStringLiteral("KeyList"))->trigger();
    // The same window on a dark desktop, or with 暗い chosen.
    useShadeChoice(*qApp, ShadeChoice::Dark, false);
    settle(300);
    save(grab(&window), "dark");
    useShadeChoice(*qApp, ShadeChoice::Auto, false);
    window.resize(1180, 760);
    settle(300);
    labelledWindow(window);

    // Filters: a nation and a progress option.
    auto* nation = child<QComboBox>(window, "ComboBox1");
    nation->setCurrentIndex(nation->findText(QStringLiteral("ウィンダス")));
    emit nation->activated(nation->currentIndex());
    child<QWidget>(window, "RadioGroup1")->findChildren<QAbstractButton*>().value(1)->click();
    save(grab(&window), "filters");
    child<QWidget>(window, "RadioGroup1")->findChildren<QAbstractButton*>().value(4)->click();
    nation->setCurrentIndex(0);
    emit nation->activated(0);

    save(grab(child<QWidget>(window, "Panel2")), "detail");

    child<QPushButton>(window, "Button5")->click(); // New Quest
    save(grab(child<QWidget>(window, "Panel2")), "new-quest");
    child<QPushButton>(window, "Button7")->click();

    // Two quests set aside, listed for a moment; they stay set aside for the overview.
    auto* grid = child<StringGrid>(window, "StringGrid1");
    for (const int row : {3, 5}) {
        grid->setRow(row);
        child<QPushButton>(window, "Button25")->click();
    }
    child<QToolButton>(window, "SpeedButton6")->click();
    grid->setRow(3);
    save(grab(&window), "set-aside");
    child<QToolButton>(window, "SpeedButton6")->click();

    shootDialogs(window);
}

// Two PCs: the question at start while another PC has the folder open, and a merge's preview.
void shootTwoPcs(const QString& main) {
    Announcement other(main, ThisPc{QStringLiteral("0123456789abcdef"), QStringLiteral("note-pc")});
    other.write();
    onModal("other-pc", [](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        if (!box)
            qFatal("the question about the other PC was not asked");
        for (QAbstractButton* button : box->buttons())
            if (button->text() == QStringLiteral("終了"))
                return button->click();
    });
    claimDataFolder(main, ThisPc{QStringLiteral("fedcba9876543210"), QStringLiteral("desktop")});
    other.remove();

    const QString table = files::inFolder(main, files::kQuestTable);
    QFile in(table);
    in.open(QIODevice::ReadOnly);
    QByteArray bytes = in.readAll();
    in.close();
    const qsizetype second = bytes.indexOf("\r\n0002,");
    const qsizetype flags = bytes.indexOf("\r\n", second + 2) - 5; // the offered flag of quest 0002
    bytes[flags] = bytes[flags] == '1' ? '0' : '1';
    // Meanwhile this PC took quest 0003: the file holds this PC's version, the copy the other's.
    Checklist checklist(main);
    checklist.load();
    checklist.apply(QStringLiteral("チェック"), "0003",
                    [](QuestData d, EditStep* step) { storeFlag(d.table, "0003", kOffered, "1", step); });
    QFile copy(QDir(main).filePath(QStringLiteral("クエスト.sync-conflict-20261208-213005-NOTEPC1.csv")));
    copy.open(QIODevice::WriteOnly);
    copy.write(bytes);
    copy.close();
    QStringList said;
    std::vector<MergePlan> plans = checklist.newConflictCopies(said);
    ConflictDialog dialog(plans, said, nullptr);
    onModal("merge", [](QWidget* w) { static_cast<QDialog*>(w)->reject(); });
    dialog.exec();
    copy.remove();
}

// A sync tool delivers the table cut to its first ten lines: the question, this PC's version kept.
void shootShortArrival(const QString& main) {
    Checklist checklist(main);
    checklist.load();
    const QString table = files::inFolder(main, files::kQuestTable);
    Lines cut = readLines(table);
    cut.resize(std::min<std::size_t>(cut.size(), 10));
    writeLines(table + QStringLiteral(".sync"), cut);
    QFile::remove(table);
    QFile::rename(table + QStringLiteral(".sync"), table);
    onModal("short-arrival", [](QWidget* w) {
        for (QAbstractButton* button : qobject_cast<QMessageBox*>(w)->buttons())
            if (button->text() == QStringLiteral("この PC の版を残す"))
                return button->click();
    });
    settleShortArrivals(checklist, nullptr);
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: korvane_shots OUTPUT_FOLDER SAMPLE_FOLDER\n");
        return 2;
    }
    prepareBrowserEngine();
    QApplication app(argc, argv);
    applyAppearance(app);
    output = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(output);
    QTemporaryDir work(QDir::tempPath() + QStringLiteral("/Sync-XXXXXX")); // as a synced folder
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(work.filePath("config")));
    qputenv("XDG_STATE_HOME", QFile::encodeName(work.filePath("state")));
    const QString main = work.filePath(QStringLiteral("メイン")),
                  alt = main + QStringLiteral("/キャラクター/サブ");
    copyFolder(QString::fromLocal8Bit(argv[2]), main);
    copyFolder(QString::fromLocal8Bit(argv[2]), alt);
    keepCharacterName(alt, {QStringLiteral("サブ")});
    writeJournal(main);
    PlayerChecklists list;
    list.add(QStringLiteral("メイン"), main);
    list.lastOpened = main;
    list.write(UserFolders::fromEnvironment());
    shootWindow(main);
    shootTwoPcs(main);
    shootShortArrival(main);
    onModal("first-start", [](QWidget* w) {
        for (QAbstractButton* button : qobject_cast<QMessageBox*>(w)->buttons())
            if (button->text() == QStringLiteral("このまま始める"))
                return button->click();
    });
    askHowToBegin(nullptr);
    return 0;
}
