// The design of the launcher: a picture for each simulation on the starry background, the
// information label, the program's name, "Salir" and the menus.
#include "shell/brantel.h"

#include "ui/design.h"
#include "ui/runtime.h"

namespace {

// A simulation's picture: it shows a hand, as a link would.
ui::PictureBox* thumbnail(ui::Container* c, const ui::Name& n, double left, double top, double width, double height,
                          const QString& picture)
{
    ui::PictureBox* p = ui::sunkenBox(c, n, left, top, width, height);
    p->setPicture(QPixmap(picture));
    p->setCursor(Qt::PointingHandCursor);
    return p;
}

} // namespace

Brantel::Brantel()
    : ui::Form(QStringLiteral("Brantel"), QStringLiteral("Brantel // Grupo Cormund"), 9525, 6390)
{
    setWindowIcon(ui::sharedIcon(QStringLiteral(":/assets/icon_launcher.png")));
    buildControls();
    buildMenus();
    wireHandlers();
}

void Brantel::buildControls()
{
    ui::Container* c = &client();
    client().setPicture(QPixmap(QStringLiteral(":/assets/launcher_background.png")));
    const ui::Color gris = ui::RGB(128, 128, 128);
    const ui::Color blanco = ui::RGB(255, 255, 255);

    Command1 = ui::button(c, "Command1", 7680, 5520, 855, 420, QStringLiteral("Salir"));

    Shape1 = ui::filledShape(c, "Shape1", 120, 120, 9495, 375, gris);
    Shape1->setBorderColor(gris);
    Label1 = ui::label(c, "Label1", 960, 120, 5655, 375,
                       QStringLiteral("Programa de simulaciones didácticas de Física"), ui::msSansSerif(12, true));
    Label1->setBackColor(gris);
    Label1->setForeColor(blanco);

    Picture1 = thumbnail(c, "Picture1", 510, 720, 3375, 2535, QStringLiteral(":/assets/launcher_pressure.png"));

    Label2 = ui::label(c, "Label2", 4320, 840, 3015, 1215,
                       QStringLiteral("Para acceder a alguna simu- lación basta con hacer click con el botón derecho "
                                      "del mouse sobre el recuadro elegido"),
                       ui::msSansSerif(9.75, true));
    Label2->setBackColor(ui::RGB(0, 0, 128));
    Label2->setForeColor(blanco);
    Label2->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    Picture2 = thumbnail(c, "Picture2", 492, 3360, 3375, 2535, QStringLiteral(":/assets/launcher_flotation.png"));
    Picture3 = thumbnail(c, "Picture3", 4200, 3360, 3225, 2550, QStringLiteral(":/assets/launcher_falling.png"));
    Picture3->setAutoSize(true);

    Image1 = ui::place<ui::Image>(c, "Image1", 8040, 1320, 585, 3750);
    Image1->setPicture(QPixmap(QStringLiteral(":/assets/launcher_name.png")));

    Line1 = ui::line(c, "Line1", 8640, 0, 8640, 6360, 4);

    // "Salir" comes first in the tab order, so it holds the focus when the launcher opens.
    ui::tabIndexesInOrder({Command1, Picture1, Picture2, Picture3, Label1, Label2});
}

void Brantel::buildMenus()
{
    QMenu* archivo = addMenu(QStringLiteral("menu_archivo"), QStringLiteral("Archivo"));
    addItem(archivo, QStringLiteral("menu_salir"), QStringLiteral("Salir"), [this] { menu_salir_Click(); });
    QMenu* ayuda = addMenu(QStringLiteral("menu_ayuda"), QStringLiteral("Ayuda"));
    addItem(ayuda, QStringLiteral("menu_acerca"), QStringLiteral("Acerca de ...."), [this] { menu_acerca_Click(); });
}

void Brantel::wireHandlers()
{
    Picture1->on.Click = [this] { Picture1_Click(); };
    Picture2->on.Click = [this] { Picture2_Click(); };
    Picture3->on.Click = [this] { Picture3_Click(); };
    Image1->on.Click = [this] { Image1_Click(); };
    Command1->on.Click = [this] { Command1_Click(); };
}
