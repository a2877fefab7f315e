// The design of the launcher: a picture for each simulation on the starry background, the
// information label, the program's name, "Salir" and the menus.
#include "shell/brantel.h"

#include "ui/design.h"
#include "ui/runtime.h"

#include <QIcon>

namespace {
ui::PictureBox* thumbnail(ui::Container* c, const QString& name, double left, double top, double width,
                          double height, const QString& picture)
{
    auto* p = new ui::PictureBox(c, name);
    p->setBorder(true, false);   // the classic sunken edge
    p->Move(left, top, width, height);
    p->setPicture(QPixmap(picture));
    p->setFocusPolicy(Qt::StrongFocus);
    p->setCursor(Qt::PointingHandCursor);
    return p;
}
} // namespace

Brantel::Brantel()
    : ui::Form(QStringLiteral("Brantel"), QStringLiteral("Brantel // Grupo Cormund"), 9525, 6390)
{
    setWindowIcon(QIcon(QStringLiteral(":/assets/icon_launcher.png")));
    client().setPicture(QPixmap(QStringLiteral(":/assets/launcher_background.png")));

    // The button comes first in the tab order, so it holds the focus when the launcher opens.
    Command1 = ui::button(&client(), QStringLiteral("Command1"), 7680, 5520, 855, 420, QStringLiteral("Salir"));

    Shape1 = ui::place<ui::Shape>(&client(), QStringLiteral("Shape1"), 120, 120, 9495, 375);
    Shape1->setFilled(true);
    Shape1->setFillColor(ui::RGB(128, 128, 128));
    Shape1->setBorderColor(ui::RGB(128, 128, 128));

    Label1 = ui::label(&client(), QStringLiteral("Label1"), 960, 120, 5655, 375, QStringLiteral("Programa de simulaciones didácticas de Física"));
    Label1->setBackColor(ui::RGB(128, 128, 128));
    Label1->setForeColor(ui::RGB(255, 255, 255));
    Label1->setFont(ui::msSansSerif(12, true));

    Picture1 = thumbnail(&client(), QStringLiteral("Picture1"), 510, 720, 3375, 2535,
                         QStringLiteral(":/assets/launcher_pressure.png"));

    Label2 = ui::label(&client(), QStringLiteral("Label2"), 4320, 840, 3015, 1215, QStringLiteral("Para acceder a alguna simu- lación basta con hacer click con el botón derecho "
                                      "del mouse sobre el recuadro elegido"));
    Label2->setBackColor(ui::RGB(0, 0, 128));
    Label2->setForeColor(ui::RGB(255, 255, 255));
    Label2->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label2->setFont(ui::msSansSerif(9.75, true));

    Picture2 = thumbnail(&client(), QStringLiteral("Picture2"), 492, 3360, 3375, 2535,
                         QStringLiteral(":/assets/launcher_flotation.png"));
    Picture3 = thumbnail(&client(), QStringLiteral("Picture3"), 4200, 3360, 3225, 2550,
                         QStringLiteral(":/assets/launcher_falling.png"));
    Picture3->setAutoSize(true);

    Image1 = ui::place<ui::Image>(&client(), QStringLiteral("Image1"), 8040, 1320, 585, 3750);
    Image1->setPicture(QPixmap(QStringLiteral(":/assets/launcher_name.png")));

    Line1 = new ui::Line(&client(), QStringLiteral("Line1"));
    Line1->setEnds(8640, 0, 8640, 6360);
    Line1->setBorderWidth(4);

    QMenu* archivo = addMenu(QStringLiteral("menu_archivo"), QStringLiteral("Archivo"));
    addItem(archivo, QStringLiteral("menu_salir"), QStringLiteral("Salir"), [this] { menu_salir_Click(); });
    QMenu* ayuda = addMenu(QStringLiteral("menu_ayuda"), QStringLiteral("Ayuda"));
    addItem(ayuda, QStringLiteral("menu_acerca"), QStringLiteral("Acerca de ...."), [this] { menu_acerca_Click(); });

    Picture1->on.Click = [this] { Picture1_Click(); };
    Picture2->on.Click = [this] { Picture2_Click(); };
    Picture3->on.Click = [this] { Picture3_Click(); };
    Image1->on.Click = [this] { Image1_Click(); };
    Command1->on.Click = [this] { Command1_Click(); };
}
