#pragma once
// main() for the widget tests: the offscreen platform, the browser engine prepared as the
// program prepares it, and the program's own fonts.

#include "app/Appearance.h"
#include "web/Browser.h"

#include <QApplication>
#include <QTest>

#define KORVANE_WIDGET_TEST_MAIN(TestClass)                                                                  \
    int main(int argc, char* argv[]) {                                                                       \
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))                                                  \
            qputenv("QT_QPA_PLATFORM", "offscreen");                                                         \
        korvane::prepareBrowserEngine();                                                                     \
        QApplication app(argc, argv);                                                                        \
        korvane::applyAppearance(app);                                                                       \
        TestClass test;                                                                                      \
        return QTest::qExec(&test, argc, argv);                                                              \
    }
