#include "shell/arranque.h"

#include "shell/brantel.h"
#include "shell/declarac.h"
#include "ui/runtime.h"

#include <QIcon>
#include <QPointer>

arranque::arranque()
    : ui::Form(QStringLiteral("arranque"), QStringLiteral("Brantel // Grupo Cormund"), 7305, 6090)
{
    setWindowIcon(QIcon(QStringLiteral(":/assets/icon_splash.png")));
    client().setBackColor(ui::RGB(128, 128, 128));

    Label1 = new ui::Label(&client(), QStringLiteral("Label1"));
    Label1->Move(1560, 120, 3615, 495);
    Label1->setCaption(QStringLiteral("BRANTEL"));
    Label1->setBackColor(ui::RGB(192, 192, 192));
    Label1->setBorder(true);
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setFont(ui::msSansSerif(13.5, true));

    Picture1 = new ui::PictureBox(&client(), QStringLiteral("Picture1"));
    Picture1->setBorder(true);
    Picture1->Move(495, 555, 5745, 5190);
    Picture1->setAutoSize(true);
    Picture1->setPictureAndFit(QPixmap(QStringLiteral(":/assets/splash.png")));

    on().Click = [this] { Form_Click(); };
    Picture1->on.Click = [this] { Picture1_Click(); };
}

void arranque::Form_Load()
{
    clicado = false;
    DECLARAC::colorPulsado = ui::RGB(100, 100, 100);
    Show();
    const double start = ui::clockSeconds();
    QPointer<arranque> self(this);
    do {
        ui::DoEvents();
        // The program ended inside the wait (its close box only ends the wait).
        if (!self || !alive())
            return;
    } while (!(ui::clockSeconds() > start + 3 || clicado));
    Hide();
    ui::instance<Brantel>().Show();
}

namespace shell {
void startProgram() { ui::instance<arranque>().Load(); }
} // namespace shell
