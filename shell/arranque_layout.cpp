// The design of the splash: the program's name over its picture, on grey.
#include "shell/arranque.h"

#include "ui/design.h"
#include "ui/runtime.h"

#include <QIcon>

arranque::arranque()
    : ui::Form(QStringLiteral("arranque"), QStringLiteral("Brantel // Grupo Cormund"), 7305, 6090)
{
    setWindowIcon(QIcon(QStringLiteral(":/assets/icon_splash.png")));
    client().setBackColor(ui::RGB(128, 128, 128));

    Label1 = ui::label(&client(), QStringLiteral("Label1"), 1560, 120, 3615, 495, QStringLiteral("BRANTEL"));
    Label1->setBackColor(ui::RGB(192, 192, 192));
    Label1->setBorder(true);
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setFont(ui::msSansSerif(13.5, true));

    Picture1 = new ui::PictureBox(&client(), QStringLiteral("Picture1"));
    Picture1->setBorder(true, false);   // the classic sunken edge
    Picture1->Move(495, 555, 5745, 5190);
    Picture1->setAutoSize(true);
    Picture1->setPictureAndFit(QPixmap(QStringLiteral(":/assets/splash.png")));

    on().Click = [this] { Form_Click(); };
    Picture1->on.Click = [this] { Picture1_Click(); };
}
