#include "Appearance.h"

#include "ErrorBox.h"

#include <QApplication>
#include <QFont>
#include <QIcon>

namespace korvane {

void applyAppearance(QApplication& app) {
    const QString family = QStringLiteral("ＭＳ Ｐゴシック");
    QFont::insertSubstitutions(family, {QStringLiteral("MS PGothic"), QStringLiteral("IPAPGothic"),
                                        QStringLiteral("IPA Pゴシック"), QStringLiteral("Noto Sans CJK JP")});
    QFont font(family);
    font.setPixelSize(12);
    // Japanese and Latin need no shaping; skipping HarfBuzz for them halves the cost of laying out
    // a quest's texts. Scripts that need shaping are still shaped.
    font.setStyleStrategy(QFont::PreferNoShaping);
    app.setFont(font);
    app.setApplicationName(kApplicationTitle);
    QGuiApplication::setDesktopFileName(QStringLiteral("korvane"));
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/korvane-%1.png").arg(size), QSize(size, size));
    QApplication::setWindowIcon(icon);
}

} // namespace korvane
