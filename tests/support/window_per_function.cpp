#include "tests/support/window_per_function.h"

#include <QTest>

bool WindowPerFunction::open(Show show) {
    if (!fx)
        fx = std::make_unique<MainWindowFixture>();
    pistaro::MainWindow& frm = fx->start();
    bool up = true;
    if (show != Show::No) {
        frm.show();
        up = show == Show::Active ? QTest::qWaitForWindowActive(&frm)
                                  : QTest::qWaitForWindowExposed(&frm);
    }
    fx->takeMessages();
    return up;
}

void WindowPerFunction::close() {
    if (fx)
        fx->stop();
    fx.reset();
}
