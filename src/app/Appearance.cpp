#include "Appearance.h"

#include "ErrorBox.h"

#include "store/DataFolder.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QIcon>
#include <QLibraryInfo>
#include <QPalette>
#include <QSaveFile>
#include <QSettings>
#include <QStringList>
#include <QStyle>
#include <QTranslator>
#include <cstdio>

namespace korvane {

QStringList windowFontFamilies() {
    QStringList families{QStringLiteral("ＭＳ Ｐゴシック")};
#ifdef _WIN32
    // A Windows whose display language is not Japanese may lack MS P Gothic and fall back to a
    // face whose kanji have Chinese shapes: the Japanese UI faces are asked for by name, in order,
    // each where it is installed.
    families << QStringLiteral("Yu Gothic UI") << QStringLiteral("Meiryo UI") << QStringLiteral("Meiryo")
             << QStringLiteral("MS UI Gothic");
#endif
    return families;
}

namespace {

QString choiceFile() {
    return QDir(UserFolders::fromEnvironment().settingsFolder()).filePath(QStringLiteral("colours"));
}

bool desktopIsDark(const QPalette& desktop) {
#ifdef _WIN32
    // Qt of this version gives Windows' light palette whatever the system's setting.
    const QSettings personalize(
        QStringLiteral(
            "HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Themes\\Personalize"),
        QSettings::NativeFormat);
    if (personalize.contains(QStringLiteral("AppsUseLightTheme")))
        return personalize.value(QStringLiteral("AppsUseLightTheme")).toInt() == 0;
#endif
    return paletteIsDark(desktop);
}

QPalette paletteOf(Shade shade) {
    QPalette palette;
    const QColor window = colour(Colour::Window, shade), text = colour(Colour::WindowText, shade);
    const bool dark = shade == Shade::Dark;
    const QColor base = dark ? window.darker(125) : QColor(Qt::white);
    const QColor button = dark ? window.lighter(125) : window;
    for (const auto& [role, value] :
         {std::pair{QPalette::Window, window},
          {QPalette::WindowText, text},
          {QPalette::Base, base},
          {QPalette::AlternateBase, dark ? window : window.darker(105)},
          {QPalette::Text, text},
          {QPalette::Button, button},
          {QPalette::ButtonText, text},
          {QPalette::ToolTipBase, base},
          {QPalette::ToolTipText, text},
          {QPalette::PlaceholderText, dark ? text.darker(160) : text.lighter(160)},
          {QPalette::Highlight, dark ? QColor(0x3A, 0x6E, 0xA5) : QColor(0x30, 0x8C, 0xC6)},
          {QPalette::HighlightedText, QColor(Qt::white)},
          {QPalette::Link, colour(Colour::QuestName, shade)}})
        palette.setColor(role, value);
    for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, dark ? text.darker(170) : text.lighter(250));
    return palette;
}

} // namespace

ShadeChoice keptShadeChoice() {
    QFile file(choiceFile());
    if (!file.open(QIODevice::ReadOnly))
        return ShadeChoice::Auto;
    return shadeChoiceNamed(QString::fromUtf8(file.read(64))).value_or(ShadeChoice::Auto);
}

void useShadeChoice(QApplication& app, ShadeChoice choice, bool keep) {
    // What the desktop gave, before Korvane gave a palette of its own.
    static const QPalette desktop = app.palette();
    static const QString desktopStyle = app.style()->name();
    const bool dark = desktopIsDark(desktop);
    const Shade shade = choice == ShadeChoice::Light  ? Shade::Light
                        : choice == ShadeChoice::Dark ? Shade::Dark
                        : dark                        ? Shade::Dark
                                                      : Shade::Light;
    if (paletteIsDark(desktop) == (shade == Shade::Dark)) {
        if (app.style()->name() != desktopStyle)
            app.setStyle(desktopStyle);
        app.setPalette(desktop);
    } else {
        app.setStyle(QStringLiteral("Fusion"));
        app.setPalette(paletteOf(shade));
    }
    useShade(shade);
    if (!keep)
        return;
    QDir().mkpath(QFileInfo(choiceFile()).path());
    QSaveFile save(choiceFile());
    if (!save.open(QIODevice::WriteOnly) || save.write(shadeChoiceName(choice).toUtf8() + '\n') < 0 ||
        !save.commit())
        std::fprintf(stderr, "korvane: the choice of colours could not be kept in %s\n",
                     qUtf8Printable(choiceFile()));
}

void applyAppearance(QApplication& app) {
    const QStringList families = windowFontFamilies();
    QFont::insertSubstitutions(families.front(),
                               {QStringLiteral("MS PGothic"), QStringLiteral("IPAPGothic"),
                                QStringLiteral("IPA Pゴシック"), QStringLiteral("Noto Sans CJK JP")});
    QFont font;
    font.setFamilies(families);
    font.setPixelSize(12);
    // Japanese and Latin need no shaping; skipping HarfBuzz for them halves the cost of laying out
    // a quest's texts. Scripts that need shaping are still shaped.
    font.setStyleStrategy(QFont::PreferNoShaping);
    app.setFont(font);
    app.setApplicationName(kApplicationTitle);
    QGuiApplication::setDesktopFileName(QStringLiteral("korvane"));
    // Qt decodes each picture as it is added; desktops take the large sizes from the installed
    // theme icon that the desktop file names, so the window carries the small ones only.
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64})
        icon.addFile(QStringLiteral(":/icons/korvane-%1.png").arg(size), QSize(size, size));
    QApplication::setWindowIcon(icon);
    // Qt's own texts (a text box's menu, the folder chooser, standard buttons) in Japanese, as the
    // rest of the window; the program's own captions are its own and stay as they are.
    // Where a program copied with its libraries (Windows) keeps them: beside it.
    auto* qtTexts = new QTranslator(&app);
    for (const QString& folder : {QLibraryInfo::path(QLibraryInfo::TranslationsPath),
                                  QCoreApplication::applicationDirPath() + QStringLiteral("/translations")})
        if (qtTexts->load(QLocale(QLocale::Japanese), QStringLiteral("qtbase"), QStringLiteral("_"),
                          folder)) {
            QCoreApplication::installTranslator(qtTexts);
            break;
        }
    useShadeChoice(app, keptShadeChoice(), false);
}

} // namespace korvane
