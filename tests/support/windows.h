// What a window test sets up around each case: the application's look, this row's decimal
// separator, the shared press colour, dialogs answered by the test, and a clock that runs a
// second each time it is read; and a window shown and exposed as a user sees it.
#pragma once

#include "common/declarac.h"
#include "tests/support/separators.h"
#include "ui/dialogs.h"
#include "ui/form.h"
#include "ui/runtime.h"

#include <QtTest>
#include <functional>

namespace windows {

// In a test's init(): `answer` takes every dialog the program opens.
inline void begin(std::function<ui::DialogReply(const ui::DialogRequest&)> answer)
{
    ui::applyApplicationLook();
    separators::apply();
    DECLARAC::colorPulsado = ui::RGB(100, 100, 100);
    ui::setDialogAnswerer(std::move(answer));
    ui::setClockForTests([] {
        static double t = 0;
        return t += 1;
    });
}

// In a test's cleanup(): every window unloaded, the real dialogs and clock back.
inline void end()
{
    ui::setDialogAnswerer({});
    ui::setClockForTests({});
    ui::unloadAllForms();
}

// The default instance of a window, shown, active and exposed.
template <class F> F& shown()
{
    F& f = ui::instance<F>();
    f.Show();
    f.activateWindow();
    if (!QTest::qWaitForWindowExposed(&f))
        qFatal("%s never showed", qPrintable(f.objectName()));
    return f;
}

} // namespace windows
