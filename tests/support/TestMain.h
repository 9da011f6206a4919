#pragma once
// main() for the widget tests: the offscreen platform and the program's own fonts.

#include "app/Appearance.h"

#include <QApplication>
#include <QTest>

#define KORVANE_WIDGET_TEST_MAIN(TestClass)                                                                  \
    int main(int argc, char* argv[]) {                                                                       \
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))                                                  \
            qputenv("QT_QPA_PLATFORM", "offscreen");                                                         \
        QApplication app(argc, argv);                                                                        \
        korvane::applyAppearance(app);                                                                       \
        TestClass test;                                                                                      \
        return QTest::qExec(&test, argc, argv);                                                              \
    }
