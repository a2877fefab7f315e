// The design of the flotation window: the vessel with its liquids and the block, the three
// density bars with their readings, the medium frame, the menus, and the wiring of the handlers.
#include "flotation/flotar.h"

#include "ui/design.h"
#include "ui/runtime.h"

#include <QIcon>

namespace {

const QString kUnidad = QStringLiteral("       3  g/cm");

ui::Label* etiqueta(ui::Container* c, const QString& name, int index, double left, double top, double width,
                    double height, const QString& caption)
{
    ui::Label* l = ui::label(c, {name, index}, left, top, width, height, caption);
    l->setFont(ui::msSansSerif(8.25));
    return l;
}

// A white box with a sunken border that shows a number.
ui::Label* casilla(ui::Container* c, const QString& name, double left, double top, double width, double height,
                   const QString& caption)
{
    auto* l = etiqueta(c, name, -1, left, top, width, height, caption);
    l->setBackColor(ui::kWindowBackground);
    l->setBorder(true);
    return l;
}

ui::ScrollBar* barra(ui::Container* c, const QString& name, double left, double top, double width, double height,
                     int min, int max, int value)
{
    auto* b = new ui::ScrollBar(Qt::Horizontal, c, name);
    b->Move(left, top, width, height);
    b->setRange(min, max, 10, 20);
    b->setValue(value);   // no handler yet: the design value raises nothing
    return b;
}

} // namespace

flotar::flotar()
    : ui::Form(QStringLiteral("flotar"), QStringLiteral("Flotación  // Grupo Cormund"), 7740, 5550)
{
    setWindowIcon(QIcon(QStringLiteral(":/assets/icon_flotation.png")));

    // The vessel: controls placed in twips, then the vessel's own scale laid over them.
    Picture1 = new ui::PictureBox(&client(), QStringLiteral("Picture1"));
    Picture1->setBorder(true);
    Picture1->Move(360, 360, 4215, 4335);
    Picture1->setBackColor(ui::kWindowBackground);

    solido = new ui::PictureBox(Picture1, QStringLiteral("solido"));
    solido->setBorder(true);
    solido->Move(1560, 1920, 1046, 1076);
    solido->setBackColor(ui::RGB(0, 255, 0));
    solido->setScale({0, 0, solido->innerWidthTwips() / 40.8, solido->innerHeightTwips() / 42.0});

    fluido_sup = ui::filledShape(Picture1, QStringLiteral("fluido_sup"), 360, 0, 3495, 2583, ui::RGB(0, 192, 192));
    fluido_sup->setVisible(false);
    liquido = ui::filledShape(Picture1, QStringLiteral("liquido"), 360, 2583, 3495, 1722, ui::RGB(0, 0, 255));

    Line1 = new ui::Line(Picture1, QStringLiteral("Line1"));
    Line1->setEnds(360, 2040, 360, 4320);
    Line2 = new ui::Line(Picture1, QStringLiteral("Line2"));
    Line2->setEnds(3840, 2040, 3840, 4320);

    Picture1->setScale({0, 0, 100, 100});

    // The upper layer: air or a liquid.
    Frame1 = new ui::Frame(&client(), QStringLiteral("Frame1"));
    Frame1->Move(4920, 240, 2655, 2175);
    Frame1->setCaption(QStringLiteral("Fluido superior"));
    Frame1->setFont(ui::msSansSerif(12));

    Option1[0] = new ui::OptionButton(Frame1, QStringLiteral("Option1"), 0);
    Option1[0]->Move(240, 360, 1935, 255);
    Option1[0]->setCaption(QStringLiteral("  Aire"));
    Option1[1] = new ui::OptionButton(Frame1, QStringLiteral("Option1"), 1);
    Option1[1]->Move(240, 720, 1935, 255);
    Option1[1]->setCaption(QStringLiteral("  Líquido"));
    for (ui::OptionButton* o : Option1)
        o->setFont(ui::msSansSerif(8.25));
    Option1[0]->setValue(true);

    Label7[0] = etiqueta(Frame1, QStringLiteral("Label7"), 0, 2040, 960, 495, 495, kUnidad);
    Label6 = etiqueta(Frame1, QStringLiteral("Label6"), -1, 120, 1200, 1695, 255, QStringLiteral("Densidad del aire"));
    HScroll3 = barra(Frame1, QStringLiteral("HScroll3"), 120, 1560, 1575, 375, 50, 200, 80);
    HScroll3->setEnabled(false);
    Label5 = casilla(Frame1, QStringLiteral("Label5"), 1920, 1560, 615, 375, QStringLiteral("0.0013"));
    // Grey labels in the frame show the frame's own face.
    Label7[0]->setAutoFillBackground(false);
    Label6->setAutoFillBackground(false);

    // The block's density.
    Label1 = etiqueta(&client(), QStringLiteral("Label1"), -1, 4920, 2760, 1695, 255,
                      QStringLiteral("Densidad del cuerpo"));
    Label7[1] = etiqueta(&client(), QStringLiteral("Label7"), 1, 6840, 2520, 495, 495, kUnidad);
    HScroll1 = barra(&client(), QStringLiteral("HScroll1"), 4920, 3120, 1695, 375, 10, 200, 10);
    Label3 = casilla(&client(), QStringLiteral("Label3"), 6720, 3120, 495, 375, QStringLiteral("Label3"));

    // The liquid's density.
    Label2 = etiqueta(&client(), QStringLiteral("Label2"), -1, 4920, 3840, 1575, 255,
                      QStringLiteral("Densidad del líquido"));
    Label7[2] = etiqueta(&client(), QStringLiteral("Label7"), 2, 6960, 3600, 495, 495, kUnidad);
    HScroll2 = barra(&client(), QStringLiteral("HScroll2"), 4920, 4200, 1695, 375, 80, 200, 80);
    Label4 = casilla(&client(), QStringLiteral("Label4"), 6720, 4200, 495, 375, QStringLiteral("Label4"));

    // The submerged percentage and the way out.
    Label8 = etiqueta(&client(), QStringLiteral("Label8"), -1, 360, 4920, 2055, 315,
                      QStringLiteral("Porciento Sumergido:"));
    Label8->setFont(ui::msSansSerif(9.75));
    Porcent = etiqueta(&client(), QStringLiteral("Porcent"), -1, 2700, 4920, 735, 315, QString());
    Porcent->setBackColor(ui::kWindowBackground);
    Porcent->setFrameStyle(QFrame::Box | QFrame::Plain);
    Porcent->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    Command1 = new ui::CommandButton(&client(), QStringLiteral("Command1"));
    Command1->Move(6660, 4920, 780, 345);
    Command1->setCaption(QStringLiteral("Salir"));
    Command1->setFont(ui::msSansSerif(8.25, true));

    QMenu* archivo = addMenu(QStringLiteral("menu_archivo"), QStringLiteral("&Archivo"));
    addItem(archivo, QStringLiteral("menu_salir"), QStringLiteral("Salir"), [this] { menu_salir_Click(); });
    addBarCommand(QStringLiteral("menu_acerca"), QStringLiteral("Acerca de ..."), [this] { menu_acerca_Click(); });

    HScroll1->on.Change = [this] { HScroll1_Change(); };
    HScroll2->on.Change = [this] { HScroll2_Change(); };
    HScroll3->on.Change = [this] { HScroll3_Change(); };
    for (int i = 0; i < 2; ++i)
        Option1[i]->on.Click = [this, i] { Option1_Click(i); };
    on().Click = [this] { Form_Click(); };
    solido->on.MouseDown = [this](int button, int shift, float x, float y) { solido_MouseDown(button, shift, x, y); };
    Picture1->on.DragDrop = [this](ui::ControlBase& source, float x, float y) { Picture1_DragDrop(source, x, y); };
    Command1->on.Click = [this] { Command1_Click(); };
}
