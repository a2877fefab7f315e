#include "shell/brantel.h"

#include "falling_spheres/principa.h"
#include "flotation/flotar.h"
#include "pressure/form1.h"
#include "common/about.h"
#include "ui/dialogs.h"
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
    Command1 = new ui::CommandButton(&client(), QStringLiteral("Command1"));
    Command1->Move(7680, 5520, 855, 420);
    Command1->setCaption(QStringLiteral("Salir"));

    Shape1 = new ui::Shape(&client(), QStringLiteral("Shape1"));
    Shape1->Move(120, 120, 9495, 375);
    Shape1->setFilled(true);
    Shape1->setFillColor(ui::RGB(128, 128, 128));
    Shape1->setBorderColor(ui::RGB(128, 128, 128));

    Label1 = new ui::Label(&client(), QStringLiteral("Label1"));
    Label1->Move(960, 120, 5655, 375);
    Label1->setCaption(QStringLiteral("Programa de simulaciones didácticas de Física"));
    Label1->setBackColor(ui::RGB(128, 128, 128));
    Label1->setForeColor(ui::RGB(255, 255, 255));
    Label1->setFont(ui::msSansSerif(12, true));

    Picture1 = thumbnail(&client(), QStringLiteral("Picture1"), 510, 720, 3375, 2535,
                         QStringLiteral(":/assets/launcher_pressure.png"));

    Label2 = new ui::Label(&client(), QStringLiteral("Label2"));
    Label2->Move(4320, 840, 3015, 1215);
    Label2->setCaption(QStringLiteral("Para acceder a alguna simu- lación basta con hacer click con el botón derecho "
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

    Image1 = new ui::Image(&client(), QStringLiteral("Image1"));
    Image1->Move(8040, 1320, 585, 3750);
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

void Brantel::Form_Load()
{
    setTabOrder(Command1, Picture1);
    setTabOrder(Picture1, Picture2);
    setTabOrder(Picture2, Picture3);
    Command1->setFocus();
}

void Brantel::closeBox() { ui::End(); }

void Brantel::AbrirPresiones()
{
    ui::instance<flotar>().Hide();
    ui::instance<principa>().Hide();
    ui::instance<Form1>().Show();
}

void Brantel::AbrirFlotacion()
{
    ui::instance<principa>().Hide();
    ui::instance<Form1>().Hide();
    ui::instance<flotar>().Show();
}

void Brantel::AbrirCaida()
{
    ui::instance<Form1>().Hide();
    ui::instance<flotar>().Hide();
    ui::instance<principa>().Show();
}

void Brantel::Image1_Click() { ui::MsgBox(common::textoInformacion(), ui::vbOKOnly); }

void Brantel::menu_acerca_Click()
{
    common::MensajeAcercaDe(QStringLiteral("Autores: ") + common::kEquipo, QStringLiteral("e-mail ") + common::kCorreo);
}

void Brantel::Command1_Click() { ui::End(); }

void Brantel::menu_salir_Click() { ui::End(); }
