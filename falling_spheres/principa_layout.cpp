// The design of the falling-spheres window: the body and medium frames, the column the sphere
// falls in, the two graphs, the bars and buttons, the menus, and the wiring of the handlers.
#include "falling_spheres/principa.h"

#include "ui/design.h"
#include "ui/runtime.h"

#include <QIcon>

namespace {

// Picture boxes have a one-pixel border: their inner area is 15 twips smaller on each side.
ui::PictureBox* cuadro(ui::Container* c, const QString& name, double left, double top, double width,
                       double height)
{
    auto* p = new ui::PictureBox(c, name);
    p->setBorder(true);
    p->Move(left, top, width, height);
    return p;
}

ui::SpinButton* flecha(ui::Container* c, const QString& name, double top, const QString& picture)
{
    auto* p = new ui::SpinButton(c, name);
    p->setBackColor(ui::kWindowBackground);
    p->setArrow(1680, top, QPixmap(picture));
    return p;
}

ui::Line* linea(ui::Container* c, const QString& name, int index, double x1, double y1, double x2, double y2,
                int width = 1)
{
    return ui::line(c, {name, index}, x1, y1, x2, y2, width);
}

ui::Label* etiqueta(ui::Container* c, const QString& name, int index, double left, double top, double width,
                    double height, const QString& caption)
{
    return ui::label(c, {name, index}, left, top, width, height, caption);
}

ui::CommandButton* boton(ui::Container* c, const QString& name, double left, double top, double width,
                         double height, const QString& caption)
{
    auto* b = new ui::CommandButton(c, name);
    b->Move(left, top, width, height);
    b->setCaption(caption);
    return b;
}

} // namespace

principa::principa()
    : ui::Form(QStringLiteral("principa"), QStringLiteral("Caída de partículas esféricas  //  Grupo Cormund"), 8295,
               5850)
{
    // The window has no icon of its own: it shows the program's.
    setWindowIcon(QIcon(QStringLiteral(":/assets/icon_launcher.png")));
    setFont(ui::msSansSerif(8.25, true));
    client().setBackColor(ui::RGB(0xC0, 0xC0, 0xC0));
    const ui::Color gris = ui::RGB(0xE0, 0xE0, 0xE0);

    // --- The sphere: radius, spin buttons, material ---------------------------------
    Frame1 = new ui::Frame(&client(), QStringLiteral("Frame1"));
    Frame1->Move(120, 0, 4815, 735);
    Frame1->setCaption(QStringLiteral("Cuerpo"));
    Frame1->setBackColor(gris);
    Label1 = etiqueta(Frame1, QStringLiteral("Label1"), -1, 120, 240, 975, 255, QStringLiteral("Radio (cm)"));
    Label1->setBackColor(gris);
    Caja_radio = new ui::TextBox(Frame1, QStringLiteral("Caja_radio"));
    Caja_radio->Move(1200, 252, 495, 285);
    Caja_radio->setText(QStringLiteral("1"));
    SpinUp = flecha(Frame1, QStringLiteral("SpinUp"), 240, QStringLiteral(":/assets/spin_up.png"));
    SpinDown = flecha(Frame1, QStringLiteral("SpinDown"), 420, QStringLiteral(":/assets/spin_down.png"));
    Combo1 = new ui::ComboBox(Frame1, QStringLiteral("Combo1"));
    Combo1->Move(2064, 240, 2652, 315);

    // --- The medium ---------------------------------------------------------------------
    Frame2 = new ui::Frame(&client(), QStringLiteral("Frame2"));
    Frame2->Move(5040, 0, 3135, 735);
    Frame2->setCaption(QStringLiteral("Medio"));
    Frame2->setBackColor(gris);
    const struct {
        double left, width;
        const char* caption;
    } medios[4] = {{}, {120, 855, "Vacío"}, {1140, 735, "Aire"}, {2040, 975, "Líquido"}};
    for (int i = 1; i <= 3; ++i) {
        Option1[i] = new ui::OptionButton(Frame2, QStringLiteral("Option1"), i);
        Option1[i]->Move(medios[i].left, 240, medios[i].width, 375);
        Option1[i]->setCaption(QString::fromUtf8(medios[i].caption));
    }
    Option1[1]->setValue(true);
    Combo2 = new ui::ComboBox(&client(), QStringLiteral("Combo2"));
    Combo2->Move(6120, 720, 2055, 315);
    Combo2->setVisible(false);

    // --- Height and speed ------------------------------------------------------------------
    Label5 = etiqueta(&client(), QStringLiteral("Label5"), -1, 60, 840, 615, 375, QStringLiteral("Altura  metros"));
    VScroll1 = new ui::ScrollBar(Qt::Vertical, &client(), QStringLiteral("VScroll1"));
    VScroll1->Move(180, 1380, 252, 2772);
    VScroll1->setRange(0, 100, 1, 1);
    VScroll1->setValue(20);
    tex_altura = etiqueta(&client(), QStringLiteral("tex_altura"), -1, 60, 4200, 495, 255, QStringLiteral("80"));
    tex_altura->setBorder(true);
    tex_altura->setBackColor(ui::kWindowBackground);
    Label4 = etiqueta(&client(), QStringLiteral("Label4"), -1, 1560, 960, 1035, 495,
                      QStringLiteral("Rapidez de simulación"));
    VScroll2 = new ui::ScrollBar(Qt::Vertical, &client(), QStringLiteral("VScroll2"));
    VScroll2->Move(1860, 1620, 255, 2895);
    VScroll2->setRange(0, 1000, 10, 100);
    VScroll2->setValue(500);

    // --- The sphere's view: 825 units across, 0 at the top to 100 at the ground -----------
    graf_caida = cuadro(&client(), QStringLiteral("graf_caida"), 660, 1200, 855, 3375);
    graf_caida->setBackColor(ui::RGB(0xC0, 0xFF, 0xFF));
    graf_caida->setScale({0, 0, graf_caida->innerWidthTwips(), graf_caida->innerHeightTwips() / 32.9999});
    Shape1 = new ui::Shape(graf_caida, QStringLiteral("Shape1"));
    Shape1->setKind(ui::ShapeKind::Circle);
    Shape1->setFilled(true);
    Shape1->setFillColor(ui::RGB(0xC0, 0, 0));
    Shape1->Move(360, 20, 135, 135 / 32.9999);

    // --- Position-time graph: 0 to 10 s across, the position growing downward -------------
    graf_pos = cuadro(&client(), QStringLiteral("graf_pos"), 2664, 1200, 2175, 3375);
    graf_pos->setBackColor(ui::RGB(0xFF, 0xFF, 0xFF));
    graf_pos->setScale({0, 0, graf_pos->innerWidthTwips() / 214.5, graf_pos->innerHeightTwips() / 35.8498});

    // --- Velocity-time graph: 0 to 10 s across, +20 to -20 m/s with the zero line midway ----
    graf_veloc = cuadro(&client(), QStringLiteral("graf_veloc"), 5292, 1200, 2175, 3375);
    graf_veloc->setBackColor(ui::kWindowBackground);
    Line5 = linea(graf_veloc, QStringLiteral("Line5"), -1, 0, 1679, 2157, 1679, 2);
    graf_veloc->setScale({0, 20, graf_veloc->innerWidthTwips() / 214.5, -40});

    // --- Axes and arrowheads ---------------------------------------------------------------
    Line1[0] = linea(&client(), QStringLiteral("Line1"), 0, 2640, 1200, 5040, 1200, 2);
    Line2[0] = linea(&client(), QStringLiteral("Line2"), 0, 2640, 1200, 2640, 4920, 2);
    Line2[1] = linea(&client(), QStringLiteral("Line2"), 1, 5280, 840, 5280, 4560, 2);
    Line6 = linea(&client(), QStringLiteral("Line6"), -1, 7440, 2892, 7680, 2892, 2);
    Line3[0] = linea(&client(), QStringLiteral("Line3"), 0, 4920, 1080, 5040, 1200);
    Line4[0] = linea(&client(), QStringLiteral("Line4"), 0, 5040, 1200, 4920, 1320);
    Line3[3] = linea(&client(), QStringLiteral("Line3"), 3, 2520, 4800, 2640, 4920);
    Line4[1] = linea(&client(), QStringLiteral("Line4"), 1, 2760, 4800, 2640, 4920);
    Line3[2] = linea(&client(), QStringLiteral("Line3"), 2, 5280, 840, 5400, 960);
    Line4[3] = linea(&client(), QStringLiteral("Line4"), 3, 5280, 840, 5160, 960);
    Line3[1] = linea(&client(), QStringLiteral("Line3"), 1, 7560, 2760, 7680, 2880);
    Line4[2] = linea(&client(), QStringLiteral("Line4"), 2, 7680, 2880, 7560, 3000);
    Label6[0] = etiqueta(&client(), QStringLiteral("Label6"), 0, 2400, 4560, 135, 255, QStringLiteral("Y"));
    Label7[0] = etiqueta(&client(), QStringLiteral("Label7"), 0, 4680, 840, 135, 255, QStringLiteral("t"));
    Label6[1] = etiqueta(&client(), QStringLiteral("Label6"), 1, 5400, 840, 135, 255, QStringLiteral("v"));
    Label7[1] = etiqueta(&client(), QStringLiteral("Label7"), 1, 7680, 2640, 132, 252, QStringLiteral("t"));
    for (ui::Label* l : {Label6[0], Label7[0], Label6[1], Label7[1]})
        l->setBackColor(ui::RGB(0xC0, 0xC0, 0xC0));
    Label2 = etiqueta(&client(), QStringLiteral("Label2"), -1, 2760, 4800, 2295, 255,
                      QStringLiteral("Grafico Posición - Tiempo"));
    Label3 = etiqueta(&client(), QStringLiteral("Label3"), -1, 5400, 4800, 2295, 255,
                      QStringLiteral("Gráfico Velocidad - tiempo"));

    // --- Run buttons, results, leaving -------------------------------------------------------
    Shape2 = new ui::Shape(&client(), QStringLiteral("Shape2"));
    Shape2->Move(0, 4680, 2172, 1092);
    Boton_parar = boton(&client(), QStringLiteral("Boton_parar"), 120, 4800, 972, 372, QStringLiteral("Pausa"));
    Boton_parar->setEnabled(false);
    Boton_Iniciar = boton(&client(), QStringLiteral("Boton_Iniciar"), 1224, 4800, 855, 375, QStringLiteral("INICIAR"));
    Boton_Iniciar->setBackColor(ui::RGB(0, 0, 0xFF));
    Boton_borrar = boton(&client(), QStringLiteral("Boton_borrar"), 120, 5280, 735, 375, QStringLiteral("Borrar"));
    Command1 = boton(&client(), QStringLiteral("Command1"), 1200, 5280, 612, 372, QStringLiteral("Fin"));
    Boton_tiempo = boton(&client(), QStringLiteral("Boton_tiempo"), 2880, 5160, 1455, 375,
                         QStringLiteral("Tiempo Final"));
    Boton_velocidad = boton(&client(), QStringLiteral("Boton_velocidad"), 5160, 5160, 1575, 375,
                            QStringLiteral("Velocidad Final"));
    Boton_fin = boton(&client(), QStringLiteral("Boton_fin"), 7560, 5160, 615, 375, QStringLiteral("Salir"));

    // --- Menus ---------------------------------------------------------------------------
    QMenu* archivo = addMenu(QStringLiteral("menu_archivo"), QStringLiteral("&Archivo"));
    addItem(archivo, QStringLiteral("menu_salir"), QStringLiteral("Salir"), [this] { menu_salir_Click(); });
    addBarCommand(QStringLiteral("menu_modelo"), QStringLiteral("&Modelo"), [this] { menu_modelo_Click(); });
    addBarCommand(QStringLiteral("menu_acerca"), QStringLiteral("Acerca de ..."), [this] { menu_acerca_Click(); });

    // --- Handlers, once every design value stands -------------------------------------------
    Boton_Iniciar->on.Click = [this] { Boton_Iniciar_Click(); };
    Boton_parar->on.Click = [this] { Boton_parar_Click(); };
    Command1->on.Click = [this] { Command1_Click(); };
    Boton_borrar->on.Click = [this] { Boton_borrar_Click(); };
    Boton_tiempo->on.Click = [this] { Boton_tiempo_Click(); };
    Boton_velocidad->on.Click = [this] { Boton_velocidad_Click(); };
    Boton_fin->on.Click = [this] { Boton_fin_Click(); };
    for (int i = 1; i <= 3; ++i)
        Option1[i]->on.Click = [this, i] { Option1_Click(i); };
    Combo1->on.Click = [this] { Combo1_Click(); };
    Combo2->on.Click = [this] { Combo2_Click(); };
    Combo2->on.Change = [this] { Combo2_Change(); };
    Combo2->on.KeyPress = [this](int& k) { Combo2_KeyPress(k); };
    Caja_radio->on.Change = [this] { Caja_radio_Change(); };
    Caja_radio->on.KeyPress = [this](int& k) { Caja_radio_KeyPress(k); };
    SpinUp->on.Click = [this] { SpinUp_Click(); };
    SpinDown->on.Click = [this] { SpinDown_Click(); };
    VScroll1->on.Change = [this] { VScroll1_Change(); };
    VScroll2->on.Change = [this] { VScroll2_Change(); };
}
