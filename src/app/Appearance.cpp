#include "Appearance.h"

#include "ErrorBox.h"

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QLibraryInfo>
#include <QStringList>
#include <QTranslator>

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
}

} // namespace korvane
