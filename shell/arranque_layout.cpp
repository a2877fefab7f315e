// The design of the splash: the program's name over its picture, on grey.
#include "shell/arranque.h"

#include "ui/design.h"
#include "ui/runtime.h"

arranque::arranque()
    : ui::Form(QStringLiteral("arranque"), QStringLiteral("Brantel // Grupo Cormund"), 7305, 6090)
{
    setWindowIcon(ui::sharedIcon(QStringLiteral(":/assets/icon_splash.png")));
    buildControls();
    wireHandlers();
}

void arranque::buildControls()
{
    ui::Container* c = &client();
    client().setBackColor(ui::RGB(128, 128, 128));

    Label1 = ui::label(c, "Label1", 1560, 120, 3615, 495, QStringLiteral("BRANTEL"), ui::msSansSerif(13.5, true));
    Label1->setBackColor(ui::RGB(192, 192, 192));
    Label1->setBorder(true);
    Label1->setAlignment(Qt::AlignCenter);

    Picture1 = ui::sunkenBox(c, "Picture1", 495, 555, 5745, 5190);
    Picture1->setAutoSize(true);
    Picture1->setPictureAndFit(QPixmap(QStringLiteral(":/assets/splash.png")));

    ui::tabIndexesInOrder({Label1, Picture1});
}

void arranque::wireHandlers()
{
    on().Click = [this] { Form_Click(); };
    Picture1->on.Click = [this] { Picture1_Click(); };
}
