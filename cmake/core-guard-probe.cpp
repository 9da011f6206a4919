// Built only by the test that proves the guard: a core library that reaches for a widget fails.
#include <QtWidgets/QWidget>
