#include "shell/arranque.h"

#include "common/declarac.h"
#include "shell/brantel.h"
#include "ui/runtime.h"

void arranque::Form_Load()
{
    clicado = false;
    DECLARAC::colorPulsado = ui::RGB(100, 100, 100);
    Show();
    const double start = ui::clockSeconds();
    const ui::WindowGuard ventana(this);
    do {
        ui::DoEvents();
        // The program ended inside the wait (its close box only ends the wait).
        if (!ventana.loaded())
            return;
    } while (!(ui::clockSeconds() > start + 3 || clicado));
    Hide();
    ui::instance<Brantel>().Show();
}

namespace shell {
void startProgram() { ui::instance<arranque>().Load(); }
} // namespace shell
