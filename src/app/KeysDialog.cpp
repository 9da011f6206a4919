#include "KeysDialog.h"

#include "widgets/Controls.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QUrl>
#include <QVBoxLayout>

namespace korvane {

QString installedGuide() {
    const QDir program(QCoreApplication::applicationDirPath());
    const QString name = QStringLiteral("使い方.md");
    for (const QString& path : {program.filePath(QStringLiteral("docs/") + name),
                                program.filePath(QStringLiteral("../share/doc/korvane/") + name),
                                program.filePath(QStringLiteral("../docs/") + name)})
        if (QFileInfo(path).isFile())
            return QDir::cleanPath(path);
    return {};
}

KeysDialog::KeysDialog(const QList<QAction*>& actions, const QString& guide, ShadeChoice shade,
                       QWidget* parent)
    : QDialog(parent), ComboBox9(named(new QComboBox(this), "ComboBox9", QStringLiteral("色"))) {
    setObjectName(QStringLiteral("KeysDialog"));
    setWindowTitle(QStringLiteral("キーの一覧"));
    auto* column = new QVBoxLayout(this);
    auto* table = named(new QTableWidget(0, 2, this), "KeyList", QStringLiteral("キーの一覧"));
    table->setHorizontalHeaderLabels({QStringLiteral("キー"), QStringLiteral("操作")});
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->horizontalHeader()->setStretchLastSection(true);
    for (const QAction* action : actions) {
        QStringList keys;
        for (const QKeySequence& key : action->shortcuts())
            keys << key.toString(QKeySequence::NativeText);
        const int row = table->rowCount();
        table->insertRow(row);
        table->setItem(row, 0, new QTableWidgetItem(keys.join(QStringLiteral(" / "))));
        table->setItem(row, 1, new QTableWidgetItem(action->text().remove(QLatin1Char('&'))));
    }
    table->resizeColumnToContents(0);
    column->addWidget(table);

    auto* colours = new QHBoxLayout;
    auto* caption = textLabel(QStringLiteral("色:"), this);
    caption->setBuddy(ComboBox9);
    colours->addWidget(caption);
    for (const ShadeChoice choice : {ShadeChoice::Auto, ShadeChoice::Light, ShadeChoice::Dark})
        ComboBox9->addItem(shadeChoiceName(choice), static_cast<int>(choice));
    ComboBox9->setCurrentIndex(ComboBox9->findData(static_cast<int>(shade)));
    ComboBox9->setToolTip(
        QStringLiteral("自動: デスクトップの明るさ（Windows は「アプリのモード」）に合わせます"));
    colours->addWidget(ComboBox9);
    colours->addStretch(1);
    column->addLayout(colours);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    if (!guide.isEmpty()) {
        QPushButton* open = buttons->addButton(QStringLiteral("使い方を開く"), QDialogButtonBox::HelpRole);
        open->setObjectName(QStringLiteral("OpenGuide"));
        open->setToolTip(QDir::toNativeSeparators(guide));
        connect(open, &QPushButton::clicked, this,
                [guide] { QDesktopServices::openUrl(QUrl::fromLocalFile(guide)); });
    }
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    column->addWidget(buttons);
    resize(440, 400);
}

ShadeChoice KeysDialog::shadeChoice() const {
    return static_cast<ShadeChoice>(ComboBox9->currentData().toInt());
}

} // namespace korvane
