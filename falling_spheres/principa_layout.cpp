// The design of the falling-spheres window: the body and medium frames, the column the sphere
// falls in, the two graphs, the bars and buttons, the menus, and the wiring of the handlers.
#include "falling_spheres/principa.h"

#include "ui/design.h"
#include "ui/runtime.h"

principa::principa()
    : ui::Form(QStringLiteral("principa"), QStringLiteral("Caída de partículas esféricas  //  Grupo Cormund"), 8295,
               5850)
{
    // The window has no icon of its own: it shows the program's.
    setWindowIcon(ui::sharedIcon(QStringLiteral(":/assets/icon_launcher.png")));
    buildControls();
    buildMenus();
    wireHandlers();
}

void principa::buildControls()
{
    ui::Container* c = &client();
    setFont(ui::msSansSerif(8.25, true));
    client().setBackColor(ui::RGB(0xC0, 0xC0, 0xC0));
    const ui::Color gris = ui::RGB(0xE0, 0xE0, 0xE0);

    // --- The sphere: radius, spin buttons, material ---------------------------------
    Frame1 = ui::frame(c, "Frame1", 120, 0, 4815, 735, QStringLiteral("Cuerpo"));
    Frame1->setBackColor(gris);
    Label1 = ui::label(Frame1, "Label1", 120, 240, 975, 255, QStringLiteral("Radio (cm)"));
    Label1->setBackColor(gris);
    Caja_radio = ui::place<ui::TextBox>(Frame1, "Caja_radio", 1200, 252, 495, 285);
    Caja_radio->setText(QStringLiteral("1"));
    SpinUp = ui::spinButton(Frame1, "SpinUp", 1680, 240, QStringLiteral(":/assets/spin_up.png"));
    SpinDown = ui::spinButton(Frame1, "SpinDown", 1680, 420, QStringLiteral(":/assets/spin_down.png"));
    for (ui::SpinButton* s : {SpinUp, SpinDown})
        s->setBackColor(ui::kWindowBackground);
    Combo1 = ui::place<ui::ComboBox>(Frame1, "Combo1", 2064, 240, 2652, 315);

    // --- The medium ---------------------------------------------------------------------
    Frame2 = ui::frame(c, "Frame2", 5040, 0, 3135, 735, QStringLiteral("Medio"));
    Frame2->setBackColor(gris);
    const struct {
        double left, width;
        const char* caption;
    } medios[4] = {{}, {120, 855, "Vacío"}, {1140, 735, "Aire"}, {2040, 975, "Líquido"}};
    for (int i = 1; i <= 3; ++i)
        Option1[i] = ui::option(Frame2, {"Option1", i}, medios[i].left, 240, medios[i].width, 375,
                                QString::fromUtf8(medios[i].caption));
    Option1[1]->setValue(true);
    Combo2 = ui::place<ui::ComboBox>(c, "Combo2", 6120, 720, 2055, 315);
    Combo2->setVisible(false);

    // --- Height and speed ------------------------------------------------------------------
    Label5 = ui::label(c, "Label5", 60, 840, 615, 375, QStringLiteral("Altura  metros"));
    VScroll1 = ui::vScrollBar(c, "VScroll1", 180, 1380, 252, 2772, {0, 100, 1, 1}, 20);
    tex_altura = ui::readout(c, "tex_altura", 60, 4200, 495, 255, QStringLiteral("80"));
    Label4 = ui::label(c, "Label4", 1560, 960, 1035, 495, QStringLiteral("Rapidez de simulación"));
    VScroll2 = ui::vScrollBar(c, "VScroll2", 1860, 1620, 255, 2895, {0, 1000, 10, 100}, 500);

    // --- The sphere's view: 825 units across, 0 at the top to 100 at the ground -----------
    graf_caida = ui::flatBox(c, "graf_caida", 660, 1200, 855, 3375);
    graf_caida->setBackColor(ui::RGB(0xC0, 0xFF, 0xFF));
    graf_caida->setScale({0, 0, graf_caida->innerWidthTwips(), graf_caida->innerHeightTwips() / 32.9999});
    Shape1 = ui::filledShape(graf_caida, "Shape1", 360, 20, 135, 135 / 32.9999, ui::RGB(0xC0, 0, 0));
    Shape1->setKind(ui::ShapeKind::Circle);

    // --- Position-time graph: 0 to 10 s across, the position growing downward -------------
    graf_pos = ui::flatBox(c, "graf_pos", 2664, 1200, 2175, 3375);
    graf_pos->setBackColor(ui::RGB(0xFF, 0xFF, 0xFF));
    graf_pos->setScale({0, 0, graf_pos->innerWidthTwips() / 214.5, graf_pos->innerHeightTwips() / 35.8498});

    // --- Velocity-time graph: 0 to 10 s across, +20 to -20 m/s with the zero line midway ----
    graf_veloc = ui::flatBox(c, "graf_veloc", 5292, 1200, 2175, 3375);
    graf_veloc->setBackColor(ui::kWindowBackground);
    Line5 = ui::line(graf_veloc, "Line5", 0, 1679, 2157, 1679, 2);
    graf_veloc->setScale({0, 20, graf_veloc->innerWidthTwips() / 214.5, -40});

    // --- Axes and arrowheads ---------------------------------------------------------------
    Line1[0] = ui::line(c, {"Line1", 0}, 2640, 1200, 5040, 1200, 2);
    Line2[0] = ui::line(c, {"Line2", 0}, 2640, 1200, 2640, 4920, 2);
    Line2[1] = ui::line(c, {"Line2", 1}, 5280, 840, 5280, 4560, 2);
    Line6 = ui::line(c, "Line6", 7440, 2892, 7680, 2892, 2);
    Line3[0] = ui::line(c, {"Line3", 0}, 4920, 1080, 5040, 1200);
    Line4[0] = ui::line(c, {"Line4", 0}, 5040, 1200, 4920, 1320);
    Line3[3] = ui::line(c, {"Line3", 3}, 2520, 4800, 2640, 4920);
    Line4[1] = ui::line(c, {"Line4", 1}, 2760, 4800, 2640, 4920);
    Line3[2] = ui::line(c, {"Line3", 2}, 5280, 840, 5400, 960);
    Line4[3] = ui::line(c, {"Line4", 3}, 5280, 840, 5160, 960);
    Line3[1] = ui::line(c, {"Line3", 1}, 7560, 2760, 7680, 2880);
    Line4[2] = ui::line(c, {"Line4", 2}, 7680, 2880, 7560, 3000);
    Label6[0] = ui::label(c, {"Label6", 0}, 2400, 4560, 135, 255, QStringLiteral("Y"));
    Label7[0] = ui::label(c, {"Label7", 0}, 4680, 840, 135, 255, QStringLiteral("t"));
    Label6[1] = ui::label(c, {"Label6", 1}, 5400, 840, 135, 255, QStringLiteral("v"));
    Label7[1] = ui::label(c, {"Label7", 1}, 7680, 2640, 132, 252, QStringLiteral("t"));
    for (ui::Label* l : {Label6[0], Label7[0], Label6[1], Label7[1]})
        l->setBackColor(ui::RGB(0xC0, 0xC0, 0xC0));
    Label2 = ui::label(c, "Label2", 2760, 4800, 2295, 255, QStringLiteral("Grafico Posición - Tiempo"));
    Label3 = ui::label(c, "Label3", 5400, 4800, 2295, 255, QStringLiteral("Gráfico Velocidad - tiempo"));

    // --- Run buttons, results, leaving -------------------------------------------------------
    Shape2 = ui::shape(c, "Shape2", 0, 4680, 2172, 1092);
    Boton_parar = ui::button(c, "Boton_parar", 120, 4800, 972, 372, QStringLiteral("Pausa"));
    Boton_parar->setEnabled(false);
    Boton_Iniciar = ui::button(c, "Boton_Iniciar", 1224, 4800, 855, 375, QStringLiteral("INICIAR"));
    Boton_Iniciar->setBackColor(ui::RGB(0, 0, 0xFF));
    Boton_borrar = ui::button(c, "Boton_borrar", 120, 5280, 735, 375, QStringLiteral("Borrar"));
    Command1 = ui::button(c, "Command1", 1200, 5280, 612, 372, QStringLiteral("Fin"));
    Boton_tiempo = ui::button(c, "Boton_tiempo", 2880, 5160, 1455, 375, QStringLiteral("Tiempo Final"));
    Boton_velocidad = ui::button(c, "Boton_velocidad", 5160, 5160, 1575, 375, QStringLiteral("Velocidad Final"));
    Boton_fin = ui::button(c, "Boton_fin", 7560, 5160, 615, 375, QStringLiteral("Salir"));

    // The tab order: the order in which the controls are made.
    ui::tabIndexesInOrder({Frame1,       Label1,        Caja_radio,   SpinUp,       SpinDown,      Combo1,
                           Frame2,       Option1[1],    Option1[2],   Option1[3],   Combo2,        Label5,
                           VScroll1,     tex_altura,    Label4,       VScroll2,     graf_caida,    graf_pos,
                           graf_veloc,   Label6[0],     Label7[0],    Label6[1],    Label7[1],     Label2,
                           Label3,       Boton_parar,   Boton_Iniciar, Boton_borrar, Command1,     Boton_tiempo,
                           Boton_velocidad, Boton_fin});
}

void principa::buildMenus()
{
    QMenu* archivo = addMenu(QStringLiteral("menu_archivo"), QStringLiteral("&Archivo"));
    addItem(archivo, QStringLiteral("menu_salir"), QStringLiteral("Salir"), [this] { menu_salir_Click(); });
    addBarCommand(QStringLiteral("menu_modelo"), QStringLiteral("&Modelo"), [this] { menu_modelo_Click(); });
    addBarCommand(QStringLiteral("menu_acerca"), QStringLiteral("Acerca de ..."), [this] { menu_acerca_Click(); });
}

// Handlers are wired once every design value stands: the design values raise nothing.
void principa::wireHandlers()
{
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
