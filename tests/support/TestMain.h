#pragma once
// main() for the widget tests: the offscreen platform, the browser engine prepared as the
// program prepares it, the program's own fonts and application object. An error that escaped its
// handler to the event loop fails the run, even though the program itself goes on after it.

#include "app/Appearance.h"
#include "app/Application.h"
#include "web/Browser.h"

#include <QTest>
#include <cstdio>

#define KORVANE_WIDGET_TEST_MAIN(TestClass)                                                                  \
    int main(int argc, char* argv[]) {                                                                       \
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))                                                  \
            qputenv("QT_QPA_PLATFORM", "offscreen");                                                         \
        korvane::prepareBrowserEngine();                                                                     \
        korvane::Application app(argc, argv);                                                                \
        korvane::applyAppearance(app);                                                                       \
        TestClass test;                                                                                      \
        const int failed = QTest::qExec(&test, argc, argv);                                                  \
        if (const int escapes = app.takeEscapes()) {                                                         \
            std::fprintf(stderr, "FAIL: %d error(s) escaped their handlers to the event loop\n", escapes);   \
            return 1;                                                                                        \
        }                                                                                                    \
        return failed;                                                                                       \
    }
