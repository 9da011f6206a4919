// The whole player on two PCs through a real sync tool (two Syncthing instances on 127.0.0.1): a
// player with three characters moves into the synced folder, the second PC opens it from its first
// start, and each PC follows the characters the other makes and renames. It fails, never skips,
// when Syncthing cannot run.

#include "app/NewCharacterDialog.h"
#include "app/Startup.h"
#include "app/TForm1.h"
#include "store/DataFiles.h"
#include "store/PlayerChecklists.h"
#include "support/DataSet.h"
#include "support/ModalAnswerer.h"
#include "support/NextDialog.h"
#include "support/TestMain.h"
#include "support/Ui.h"
#include "sync/Syncthing.h"

#include <QAction>
#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>

using namespace korvane;
using namespace korvane::test;

class PlayerSyncTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        for (const char* side : {"a", "b", "A/.stfolder", "B/.stfolder"})
            QVERIFY(QDir().mkpath(root_.filePath(side)));
        QVERIFY2(startPair(a_, b_, root_.filePath("a"), root_.filePath("b"), root_.filePath("A"),
                           root_.filePath("B")),
                 "syncthing does not run: is it installed?");
    }
    void cleanupTestCase() {
        a_.reset();
        b_.reset();
    }
    void theWholePlayerMovesInAndTheSecondPcFollows();

private:
    QTemporaryDir root_;
    ModalAnswerer answerer_; // the move's confirmation, taken
    std::unique_ptr<Syncthing> a_, b_;
};

// The whole player on two PCs, with no step by hand: PC 1 moves its checklist, three characters in
// it, into the synced folder; PC 2 (a process with settings of its own) opens it at its first
// start, every character offered; a character made on PC 1 is offered on PC 2, and one renamed
// on PC 2 shows renamed on PC 1.
void PlayerSyncTest::theWholePlayerMovesInAndTheSecondPcFollows() {
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(root_.filePath("pc1/config"))); // PC 1's own
    const QString local = root_.filePath("local/メイン");
    const DataSet data{Utf8Lines{"0001,ウィンダス,港,a,p,c,0,0,0"}, Utf8Lines{"0001000内容"}, Utf8Lines{},
                       Utf8Lines{}};
    const auto written = data.write();
    const auto copyData = [&](const QString& to) {
        QDir().mkpath(to);
        for (const QString& name : {files::kQuestTable, files::kContent, files::kReward, files::kMemo})
            QFile::copy(files::inFolder(written->path(), name), files::inFolder(to, name));
    };
    copyData(local);
    copyData(root_.filePath("install/usr/share/korvane/sample"));
    QDir().mkpath(root_.filePath("install/usr/bin"));
    for (const QString name : {"戦士", "白魔", "黒魔"}) {
        copyData(local + "/キャラクター/" + name);
        keepCharacterName(local + "/キャラクター/" + name, {name});
    }
    TForm1 pc1(DataPlace{local, root_.filePath("pc1.ini")});
    pc1.show();
    auto* names1 = child<QComboBox>(pc1, "ComboBox6");
    QCOMPARE(names1->count(), 4);
    const QString moved = root_.filePath("A") + "/player";
    QDir().mkpath(moved);
    onNextDialog<QFileDialog>([&](QFileDialog* chooser) {
        chooser->setDirectory(moved);
        QMetaObject::invokeMethod(chooser, "accept");
    });
    pc1.findChild<QAction*>("MoveChecklist")->trigger();
    QCOMPARE(names1->toolTip(), QDir::toNativeSeparators(moved));
    a_->scan();
    const QString arrived = root_.filePath("B") + "/player";
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(arrived + "/キャラクター/黒魔/キャラクター名.txt") &&
                                 QFileInfo::exists(arrived + "/キャラクター/戦士/クエスト.csv"),
                             30000);

    QProcess pc2;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* variable : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_STATE_HOME"})
        env.insert(variable, root_.filePath(QString("pc2/") + variable));
    pc2.setProcessEnvironment(env);
    QStringList said;
    connect(&pc2, &QProcess::readyReadStandardOutput, [&] {
        while (pc2.canReadLine())
            said << QString::fromUtf8(pc2.readLine()).trimmed();
    });
    pc2.start(QCoreApplication::applicationDirPath() + "/second_pc", {root_.filePath("install"), arrived});
    const auto offeredOnPc2 = [&] { return said.isEmpty() ? QString() : said.back(); };
    QTRY_COMPARE_WITH_TIMEOUT(
        offeredOnPc2(), "names: " + QDir::toNativeSeparators(arrived) + ">メイン|戦士|白魔|黒魔", 30000);

    onNextDialog<NewCharacterDialog>([](NewCharacterDialog* dialog) {
        dialog->findChild<QLineEdit*>("CharacterName")->setText("騎士");
        dialog->accept();
    });
    pc1.findChild<QAction*>("NewCharacter")->trigger();
    a_->scan();
    QTRY_VERIFY_WITH_TIMEOUT(offeredOnPc2().section('>', 1).split('|').contains("騎士"), 60000);

    pc2.write("rename 騎士 聖騎士\n");
    QTRY_VERIFY_WITH_TIMEOUT(
        keptCharacterName(arrived + "/キャラクター/騎士").value_or(CharacterName{}).name == "聖騎士", 10000);
    b_->scan();
    QTRY_VERIFY_WITH_TIMEOUT(names1->findText("聖騎士") >= 0, 60000);
    pc2.closeWriteChannel();
    QVERIFY(pc2.waitForFinished(10000));
}

KORVANE_WIDGET_TEST_MAIN(PlayerSyncTest)
#include "tst_player_sync.moc"
