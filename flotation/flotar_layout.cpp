// The design of the flotation window: the vessel with its liquids and the block, the three
// density bars with their readings, the medium frame, the menus, and the wiring of the handlers.
#include "flotation/flotar.h"

#include "ui/design.h"
#include "ui/runtime.h"

namespace {

const QString kUnidad = QStringLiteral("       3  g/cm");

// The density bars step by a tenth of their unit and jump by a fifth.
ui::ScrollRange densidades(int min, int max) { return {min, max, 10, 20}; }

} // namespace

flotar::flotar()
    : ui::Form(QStringLiteral("flotar"), QStringLiteral("Flotación  // Grupo Cormund"), 7740, 5550)
{
    setWindowIcon(ui::sharedIcon(QStringLiteral(":/assets/icon_flotation.png")));
    buildControls();
    buildMenus();
    wireHandlers();
}

void flotar::buildControls()
{
    ui::Container* c = &client();
    // The window's labels keep the regular face inside the frame's larger one.
    const QFont regular = ui::msSansSerif(8.25);

    // The vessel: controls placed in twips, then the vessel's own scale laid over them.
    Picture1 = ui::flatBox(c, "Picture1", 360, 360, 4215, 4335);
    Picture1->setBackColor(ui::kWindowBackground);
    solido = ui::flatBox(Picture1, "solido", 1560, 1920, 1046, 1076);
    solido->setBackColor(ui::RGB(0, 255, 0));
    solido->setScale({0, 0, solido->innerWidthTwips() / 40.8, solido->innerHeightTwips() / 42.0});
    fluido_sup = ui::filledShape(Picture1, "fluido_sup", 360, 0, 3495, 2583, ui::RGB(0, 192, 192));
    fluido_sup->setVisible(false);
    liquido = ui::filledShape(Picture1, "liquido", 360, 2583, 3495, 1722, ui::RGB(0, 0, 255));
    Line1 = ui::line(Picture1, "Line1", 360, 2040, 360, 4320);
    Line2 = ui::line(Picture1, "Line2", 3840, 2040, 3840, 4320);
    Picture1->setScale({0, 0, 100, 100});

    // The upper layer: air or a liquid.
    Frame1 = ui::frame(c, "Frame1", 4920, 240, 2655, 2175, QStringLiteral("Fluido superior"));
    Frame1->setFont(ui::msSansSerif(12));
    Option1[0] = ui::option(Frame1, {"Option1", 0}, 240, 360, 1935, 255, QStringLiteral("  Aire"));
    Option1[1] = ui::option(Frame1, {"Option1", 1}, 240, 720, 1935, 255, QStringLiteral("  Líquido"));
    for (ui::OptionButton* o : Option1)
        o->setFont(regular);
    Option1[0]->setValue(true);
    Label7[0] = ui::label(Frame1, {"Label7", 0}, 2040, 960, 495, 495, kUnidad, regular);
    Label6 = ui::label(Frame1, "Label6", 120, 1200, 1695, 255, QStringLiteral("Densidad del aire"), regular);
    HScroll3 = ui::hScrollBar(Frame1, "HScroll3", 120, 1560, 1575, 375, densidades(50, 200), 80);
    HScroll3->setEnabled(false);
    Label5 = ui::readout(Frame1, "Label5", 1920, 1560, 615, 375, QStringLiteral("0.0013"));
    // Grey labels in the frame show the frame's own face.
    Label7[0]->setAutoFillBackground(false);
    Label6->setAutoFillBackground(false);

    // The block's density.
    Label1 = ui::label(c, "Label1", 4920, 2760, 1695, 255, QStringLiteral("Densidad del cuerpo"), regular);
    Label7[1] = ui::label(c, {"Label7", 1}, 6840, 2520, 495, 495, kUnidad, regular);
    HScroll1 = ui::hScrollBar(c, "HScroll1", 4920, 3120, 1695, 375, densidades(10, 200), 10);
    Label3 = ui::readout(c, "Label3", 6720, 3120, 495, 375, QStringLiteral("Label3"));

    // The liquid's density.
    Label2 = ui::label(c, "Label2", 4920, 3840, 1575, 255, QStringLiteral("Densidad del líquido"), regular);
    Label7[2] = ui::label(c, {"Label7", 2}, 6960, 3600, 495, 495, kUnidad, regular);
    HScroll2 = ui::hScrollBar(c, "HScroll2", 4920, 4200, 1695, 375, densidades(80, 200), 80);
    Label4 = ui::readout(c, "Label4", 6720, 4200, 495, 375, QStringLiteral("Label4"));
    for (ui::Label* l : {Label5, Label3, Label4})
        l->setFont(regular);

    // The submerged percentage and the way out.
    Label8 = ui::label(c, "Label8", 360, 4920, 2055, 315, QStringLiteral("Porciento Sumergido:"),
                       ui::msSansSerif(9.75));
    Porcent = ui::label(c, "Porcent", 2700, 4920, 735, 315, QString(), regular);
    Porcent->setBackColor(ui::kWindowBackground);
    Porcent->setFrameStyle(QFrame::Box | QFrame::Plain);
    Porcent->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Command1 = ui::button(c, "Command1", 6660, 4920, 780, 345, QStringLiteral("Salir"));
    Command1->setFont(ui::msSansSerif(8.25, true));

    // The tab order: the order in which the controls are made.
    ui::tabIndexesInOrder({Picture1, solido,   Frame1,   Option1[0], Option1[1], Label7[0], Label6,
                           HScroll3, Label5,   Label1,   Label7[1],  HScroll1,   Label3,    Label2,
                           Label7[2], HScroll2, Label4,  Label8,     Porcent,    Command1});
}

void flotar::buildMenus()
{
    QMenu* archivo = addMenu(QStringLiteral("menu_archivo"), QStringLiteral("&Archivo"));
    addItem(archivo, QStringLiteral("menu_salir"), QStringLiteral("Salir"), [this] { menu_salir_Click(); });
    addBarCommand(QStringLiteral("menu_acerca"), QStringLiteral("Acerca de ..."), [this] { menu_acerca_Click(); });
}

void flotar::wireHandlers()
{
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
