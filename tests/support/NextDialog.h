#pragma once
// Acting on a modal dialog: exec() runs its own event loop, so the test's part is queued before
// the action that opens it.

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <functional>

namespace korvane::test {

// Runs act on the modal dialog of type D that the next action opens, once it is on the screen.
template <class D> void onNextDialog(std::function<void(D*)> act) {
    QTimer::singleShot(0, [act = std::move(act)] {
        QTRY_VERIFY(qobject_cast<D*>(QApplication::activeModalWidget()));
        auto* dialog = qobject_cast<D*>(QApplication::activeModalWidget());
        QVERIFY(QTest::qWaitForWindowExposed(dialog));
        act(dialog);
    });
}

} // namespace korvane::test
