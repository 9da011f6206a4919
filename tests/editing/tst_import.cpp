// The import on the real window: the folder chooser, the preview, taking it in or not.

#include "editing/ImportDialog.h"
#include "store/Backups.h"
#include "store/DataFiles.h"
#include "support/Fixture.h"
#include "support/NextDialog.h"
#include "support/Sjis.h"
#include "support/TestMain.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QListView>
#include <QTest>
#include <QTimer>

using namespace korvane;
using namespace korvane::test;

namespace {

DataSet mine() {
    return {
        Utf8Lines{"0001,ウィンダス,港,釣り,釣り人,なし,1,1,0", "0002,ジュノ,ジュノ港,荷物,荷役頭,なし,1,0,0"},
        Utf8Lines{"0001000古い"}, Utf8Lines{}, Utf8Lines{"0001000私のメモ"}};
}

DataSet theirs() {
    return {
        Utf8Lines{"0001,ウィンダス,港,大物釣り,釣り人,なし,0,0,0", "0003,マウラ,マウラ,風車,農夫,なし,1,1,1"},
        Utf8Lines{"0001000新しい", "0003000風車の話"}, Utf8Lines{}, Utf8Lines{}};
}

// Chooses folder in the chooser, then acts on the preview (nothing: the chooser is cancelled).
void answerImport(const QString& folder, const std::function<void(ImportDialog*)>& onPreview) {
    QTimer::singleShot(0, [=] {
        QTRY_VERIFY(qobject_cast<QFileDialog*>(QApplication::activeModalWidget()));
        auto* chooser = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (folder.isEmpty()) {
            chooser->reject();
            return;
        }
        chooser->setDirectory(folder);
        QMetaObject::invokeMethod(chooser, "accept"); // as the choose button does
        if (!onPreview)
            return;
        onNextDialog<ImportDialog>(onPreview);
    });
}

} // namespace

class ImportTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        f.open(mine());
        other = theirs().write();
    }
    void cleanup() {
        f.close();
        other.reset();
    }
    void previewThenTakeIn();
    void leftOutQuestsStayAsTheyAre();
    void nothingIsWrittenUnlessTaken();
    void folderChooserSpeaksJapanese();

private:
    Fixture f;
    std::unique_ptr<QTemporaryDir> other;
};

void ImportTest::previewThenTakeIn() {
    clickRow(f.grid(), 2); // 0002 on show
    QString counts;
    QStringList rows;
    answerImport(other->path(), [&](ImportDialog* preview) {
        counts = preview->findChild<QLabel*>("ImportCounts")->text();
        const QAbstractItemModel* model = preview->list()->model();
        for (int i = 0; i < model->rowCount(); ++i)
            rows << model->index(i, 0).data().toString();
        click(preview->findChild<QPushButton*>("ImportTake"));
    });
    click(f.button("Button13"));
    QCOMPARE(counts, "追加 1　変更 1　変更なし 0　手元のみ 1");
    // Every change old → new; a new name is marked, as it may be another quest under the number.
    QCOMPARE(rows, (QStringList{"⚠ 0001　大物釣り　— 変更: クエスト「釣り」→「大物釣り」、内容 1 行 → 1 行"
                                "（名前が変わります。別のクエストかもしれません）",
                                "0002　荷物　— 手元のみ（そのまま）", "0003　風車　— 追加"}));
    QCOMPARE(readUtf8Lines(f.table()), (Utf8Lines{"0001,ウィンダス,港,大物釣り,釣り人,なし,1,1,0",
                                                  "0002,ジュノ,ジュノ港,荷物,荷役頭,なし,1,0,0",
                                                  "0003,マウラ,マウラ,風車,農夫,なし,0,0,0"}));
    QCOMPARE(readUtf8Lines(f.memo()), Utf8Lines{"0001000私のメモ"});
    QCOMPARE(listedNumbers(f.grid()), (QStringList{"0001", "0002", "0003"}));
    QCOMPARE(f.detail().number, "0002"); // the quest on show stays
    // Undone by the backups: every file's version before the import is kept, under one time.
    QStringList times;
    for (const QString& path : {f.table(), f.content(), f.reward(), f.memo()}) {
        QCOMPARE(backupsOf(path).size(), 1);
        times << QFileInfo(backupsOf(path).first()).completeBaseName().section('_', 1, 1);
    }
    QCOMPARE(times, QStringList(4, times.first()));
    QCOMPARE(readUtf8Lines(backupsOf(f.table()).first()), *mine().table);
}

void ImportTest::leftOutQuestsStayAsTheyAre() {
    answerImport(other->path(), [&](ImportDialog* preview) {
        QAbstractItemModel* model = preview->list()->model();
        for (int i = 0; i < model->rowCount(); ++i)
            if (model->index(i, 0).data().toString().contains("0001"))
                model->setData(model->index(i, 0), Qt::Unchecked, Qt::CheckStateRole);
        QCOMPARE(preview->findChild<QLabel*>("ImportCounts")->text(),
                 "追加 1　変更 1　変更なし 0　手元のみ 1　（うち 1 件は取り込みません）");
        click(preview->findChild<QPushButton*>("ImportTake"));
    });
    click(f.button("Button13"));
    QCOMPARE(readUtf8Lines(f.table()), (Utf8Lines{*mine().table->begin(), (*mine().table)[1],
                                                  "0003,マウラ,マウラ,風車,農夫,なし,0,0,0"}));
    QCOMPARE(readUtf8Lines(f.content()), (Utf8Lines{"0001000古い", "0003000風車の話"}));
}

void ImportTest::nothingIsWrittenUnlessTaken() {
    const auto before = snapshot(f.dir->path());
    answerImport({}, {}); // the chooser cancelled
    click(f.button("Button13"));
    answerImport(other->path(),
                 [](ImportDialog* preview) { click(preview->findChild<QPushButton*>("ImportCancel")); });
    click(f.button("Button13"));
    QVERIFY(f.answerer.seen().isEmpty());
    writeBytes(files::inFolder(other->path(), files::kQuestTable), "0001,a\r\nabcd,b\r\n");
    answerImport(other->path(), {}); // a set that does not load: its message, and no preview
    click(f.button("Button13"));
    QCOMPARE(f.answerer.texts(), QStringList{"'abcd' は整数ではありません."});
    QCOMPARE(snapshot(f.dir->path()), before);
}

void ImportTest::folderChooserSpeaksJapanese() {
    QStringList texts;
    QTimer::singleShot(0, [&] {
        QTRY_VERIFY(qobject_cast<QFileDialog*>(QApplication::activeModalWidget()));
        auto* chooser = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        texts << chooser->findChild<QLabel*>("lookInLabel")->text()
              << chooser->findChild<QLabel*>("fileNameLabel")->text();
        for (QAbstractButton* button : chooser->findChild<QDialogButtonBox*>("buttonBox")->buttons())
            texts << button->text();
        chooser->reject();
    });
    click(f.button("Button13"));
    QCOMPARE(texts, (QStringList{"アドレス:", "ディレクトリ:", "選択(&C)", "キャンセル"}));
}

KORVANE_WIDGET_TEST_MAIN(ImportTest)
#include "tst_import.moc"
