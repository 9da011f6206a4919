#include "WebPane.h"

#include "widgets/Controls.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

namespace korvane {
namespace {

QToolButton* pictureButton(const char* name, const QString& picture, const QString& accessibleName,
                           QWidget* parent) {
    auto* button = named(new QToolButton(parent), name, accessibleName);
    button->setIcon(QIcon(picture));
    button->setAutoRaise(true);
    return button;
}

} // namespace

void WebPaneControls::buildWebPane(QWidget* parent) {
    Panel9 = named(new QWidget(parent), "Panel9");
    auto* column = new QVBoxLayout(Panel9);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    Panel10 = named(new QWidget(Panel9), "Panel10");
    auto* bar = new QHBoxLayout(Panel10);
    bar->setContentsMargins(2, 2, 2, 2);
    bar->setSpacing(2);
    Edit7 = named(new QLineEdit(Panel10), "Edit7", QStringLiteral("アドレス"));
    SpeedButton1 =
        pictureButton("SpeedButton1", QStringLiteral(":/pictures/back.png"), QStringLiteral("戻る"), Panel10);
    SpeedButton2 = pictureButton("SpeedButton2", QStringLiteral(":/pictures/forward.png"),
                                 QStringLiteral("進む"), Panel10);
    SpeedButton3 = pictureButton("SpeedButton3", QStringLiteral(":/pictures/add.png"),
                                 QStringLiteral("お気に入りに追加"), Panel10);
    ComboBox5 = named(new DropDown(false, Panel10), "ComboBox5", QStringLiteral("お気に入り"));
    ComboBox5->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    ComboBox5->setMinimumContentsLength(30);
    bar->addWidget(Edit7, 3);
    bar->addWidget(SpeedButton1);
    bar->addWidget(SpeedButton2);
    bar->addWidget(SpeedButton3);
    bar->addWidget(ComboBox5, 2);
    column->addWidget(Panel10);
    column->addStretch(1);
    Panel9->hide();
}

Browser& WebPaneControls::ensureBrowser() {
    if (!browser) {
        browser = createBrowser(Panel9);
        WebBrowser1 = browser.get();
        auto* column = static_cast<QVBoxLayout*>(Panel9->layout());
        delete column->takeAt(column->count() - 1); // the stretch that held the place
        column->addWidget(WebBrowser1->widget(), 1);
    }
    return *WebBrowser1;
}

} // namespace korvane
