// The design of the pressure window: every control at its place in twips, with its
// caption, colours and design state, the menu bar, and the wiring of the handlers.
#include "pressure/form1.h"

#include "ui/design.h"
#include "ui/runtime.h"
#include "ui/text.h"

namespace {

ui::Shape* roundFrame(ui::Container* c, const ui::Name& n, double l, double t, double w, double h)
{
    ui::Shape* x = ui::shape(c, n, l, t, w, h);
    x->setKind(ui::ShapeKind::RoundedRectangle);
    x->setBorderWidth(2);
    return x;
}

// The window's boxes show what it computes: the user does not type into them.
ui::TextBox* lockedBox(ui::Container* c, const ui::Name& n, double l, double t, double w, double h)
{
    auto* x = ui::place<ui::TextBox>(c, n, l, t, w, h);
    x->setLocked(true);
    return x;
}

// The piston's weight is changed from a menu that shows these buttons.
ui::SpinButton* hiddenSpin(ui::Container* c, const ui::Name& n, double l, double t, const QString& arrow)
{
    ui::SpinButton* x = ui::spinButton(c, n, l, t, arrow);
    x->setVisible(false);
    return x;
}

const QFont& bold()
{
    static const QFont f = ui::msSansSerif(8.25, true);
    return f;
}

} // namespace

Form1::Form1()
    : ui::Form(QStringLiteral("Form1"), QStringLiteral("Presiones Hidrostáticas // Grupo Cormund"), 8445, 5745)
{
    setWindowIcon(ui::sharedIcon(QStringLiteral(":/assets/icon_pressure.png")));
    buildControls();
    buildMenus();
    wireHandlers();
}

void Form1::buildControls()
{
    ui::Container* c = &client();
    client().setCursor(Qt::CrossCursor);

    // The cylinder, the liquid and the piston.
    Line2 = ui::line(c, "Line2", 840, 480, 840, 5310, 3);
    Line3 = ui::line(c, "Line3", 2040, 480, 2040, 5310, 3);
    Line1 = ui::line(c, "Line1", 840, 5310, 2040, 5310, 3);
    Shape2 = ui::filledShape(c, "Shape2", 870, 3480, 1215, 1830, ui::RGB(128, 255, 255));
    Image1 = ui::place<ui::Image>(c, "Image1", 840, 3480, 1215, 1830);
    Image1->setCursor(Qt::CrossCursor);
    Shape3 = ui::filledShape(c, "Shape3", 840, 2880, 1212, 132, ui::RGB(128, 64, 64));

    // The gauges: taps, dials with their needles, readings.
    const ui::Color black = ui::RGB(0, 0, 0);
    Shape6 = ui::filledShape(c, "Shape6", 2040, 2640, 135, 135, black);
    Shape4 = ui::filledShape(c, "Shape4", 2040, 3480, 135, 135, black);
    Shape5 = ui::filledShape(c, "Shape5", 2040, 4387, 135, 135, black);
    Shape7 = ui::filledShape(c, "Shape7", 2040, 5160, 135, 135, black);
    // Dial index, its top, and the gauge whose needle it holds.
    const struct {
        int index;
        double top;
        int gauge;
    } dials[] = {{1, 2460, 3}, {0, 3300, 2}, {2, 4200, 1}, {3, 4980, 0}};
    for (const auto& d : dials) {
        auto* r = ui::place<ui::PictureBox>(c, {"reloj", d.index}, 2160, d.top, 495, 495);
        r->setPicture(QPixmap(QStringLiteral(":/assets/dial.png")));
        const double y = d.gauge == 0 ? 248 : 240;
        aguja[std::size_t(d.gauge)] = ui::line(r, {"aguja", d.gauge}, 240, y, 446, y);
        r->setScale({-1, 1, 2, -2});
        reloj[std::size_t(d.index)] = r;
    }
    const double readingTop[4] = {5040, 4200, 3360, 2520};
    for (int k = 3; k >= 0; --k)
        m0[std::size_t(k)] = ui::label(c, {"m0", k}, 2760, readingTop[k], 615, 375, QString());

    // Reading mode.
    Frame1 = ui::frame(c, "Frame1", 2340, 240, 1695, 855, QStringLiteral("Presiones"));
    Frame1->setFont(bold());
    Option1[0] = ui::option(Frame1, {"Option1", 0}, 120, 240, 1515, 195, QStringLiteral(" Manométricas"));
    Option1[1] = ui::option(Frame1, {"Option1", 1}, 120, 540, 1395, 195, QStringLiteral(" Absolutas"));
    for (ui::OptionButton* o : Option1)
        o->setFont(ui::msSansSerif(8.25));
    Option1[0]->setValue(true);

    // Level.
    Label2 = ui::label(c, "Label2", 120, 600, 615, 495, QStringLiteral("Nivel de Líquido"));
    Label1 = ui::label(c, "Label1", 0, 1080, 375, 255, QStringLiteral("50"));
    Label1->setAlignment(Qt::AlignRight | Qt::AlignTop);
    Label5 = ui::label(c, "Label5", 480, 1080, 255, 255, QStringLiteral("Cm"));
    VScroll1 = ui::vScrollBar(c, "VScroll1", 480, 1440, 255, 4215, {0, 100, 1, 10}, 50);

    // Gas pressure.
    Shape8 = roundFrame(c, "Shape8", 4620, 120, 3255, 735);
    Label4 = ui::label(c, "Label4", 4800, 240, 1695, 495, QStringLiteral("Presión del gas Hecto Pascales"), bold());
    Label4->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Text1 = lockedBox(c, "Text1", 6840, 240, 855, 495);

    // The weights on their rack.
    Line4 = ui::line(c, "Line4", 3840, 1800, 6600, 1800, 1);
    const double designLeft[5] = {1140, 4440, 4920, 5400, 5880};
    for (int i = 0; i < pressure::kCantidadPesas; ++i) {
        auto* p = ui::place<ui::PictureBox>(c, {"Pesa", i}, designLeft[i], i == 0 ? 2220 : 1080, 420, 630);
        p->setAutoSize(true);
        const QString kilogramos = ui::toQString(pressure::textoKilogramos(i));
        p->setPictureAndFit(QPixmap(QStringLiteral(":/assets/weight_%1.png").arg(kilogramos)));
        p->setDragIcon(QPixmap(QStringLiteral(":/assets/weight_drag.png")));
        if (i == 0)
            subirAlPiston(*p);
        else
            dejarEnRack(*p);
        Pesa[std::size_t(i)] = p;
    }
    Pesa[3]->setVisible(false);
    Label7 = ui::label(c, "Label7", 4440, 1920, 1575, 255, QStringLiteral("Pesas en kilogramos"));

    // The load and the piston's own weight.
    Shape1 = roundFrame(c, "Shape1", 3972, 2748, 1932, 852);
    // The substitute font runs wider than the classic one: narrowed, the caption keeps to one line.
    QFont narrow = ui::msSansSerif(8.25);
    narrow.setStretch(88);
    Label3 = ui::label(c, "Label3", 4212, 2640, 1296, 252, QStringLiteral("Peso total, en Kgf "), narrow);
    Text2 = lockedBox(c, "Text2", 4080, 3000, 615, 375);
    Text2->setAlignment(Qt::AlignCenter);
    Text2->setText(QStringLiteral("2"));
    SpinUp1 = hiddenSpin(c, "SpinUp1", 4860, 3000, QStringLiteral(":/assets/spin_up.png"));
    SpinDown1 = hiddenSpin(c, "SpinDown1", 4860, 3210, QStringLiteral(":/assets/spin_down.png"));
    SpinUp2 = hiddenSpin(c, "SpinUp2", 5340, 3000, QStringLiteral(":/assets/spin_up.png"));
    SpinDown2 = hiddenSpin(c, "SpinDown2", 5340, 3210, QStringLiteral(":/assets/spin_down.png"));
    Label8 = ui::label(c, "Label8", 3735, 3615, 2520, 210, QStringLiteral("Incluye Peso del pistón = 1kgf"));

    // The liquid.
    Label9 = ui::label(c, "Label9", 3840, 4080, 2295, 495, QStringLiteral("Tipos de líquidos (densidades en g/cm3)"),
                       bold());
    Label9->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Combo1 = ui::place<ui::ComboBox>(c, "Combo1", 3960, 4572, 2052, 315);
    Combo1->setText(ui::toQString(pressure::kTextoListaInicial));

    // The hand-held gauge.
    Label11 = ui::label(c, "Label11", 6720, 2532, 1188, 456, QStringLiteral("  Manómetro         manual"), bold());
    Label11->setBackColor(ui::RGB(192, 192, 192));
    Shape9 = ui::filledShape(c, "Shape9", 6564, 3036, 1476, 1980, ui::RGB(128, 128, 255));
    Shape9->setKind(ui::ShapeKind::RoundedRectangle);
    const ui::Color cyan = ui::RGB(0, 255, 255);
    Label12 = ui::label(c, "Label12", 6840, 3120, 876, 240, QStringLiteral("  Presión"));
    Label12->setBackColor(cyan);
    Text4 = lockedBox(c, "Text4", 6744, 3420, 1116, 336);
    Text4->setMaxLength(pressure::kLargoCajaManual);
    Label13 = ui::label(c, "Label13", 6780, 3888, 1020, 240, QStringLiteral(" Profundidad"));
    Label13->setBackColor(cyan);
    Text5 = lockedBox(c, "Text5", 6708, 4164, 1140, 300);
    Text5->setMaxLength(pressure::kLargoCajaManual);
    Check2 = ui::place<ui::CheckBox>(c, "Check2", 6648, 4632, 255, 255);
    Check2->setCaption(QStringLiteral(" "));
    Check2->setBackColor(cyan);
    Check2->setValue(1);
    Label10 = ui::label(c, "Label10", 7068, 4620, 708, 312, QStringLiteral("  Instalar"));
    Label10->setBackColor(cyan);

    Label6 = ui::label(c, "Label6", 2760, 5400, 3315, 255,
                       QStringLiteral("todas las presiones están en Hecto Pascales"));
    Command1 = ui::button(c, "Command1", 6732, 5160, 1215, 375, QStringLiteral("Salir"));

    Timer1 = new ui::TimerControl(this, QStringLiteral("Timer1"), 100);

    // The tab order of the design.
    ui::tabIndexes({
        {Label1, 0},     {Command1, 1},   {Text2, 2},      {Combo1, 3},     {Label9, 4},     {Label3, 5},
        {SpinDown2, 6},  {m0[0], 7},      {SpinUp2, 8},    {SpinDown1, 9},  {SpinUp1, 10},   {m0[1], 11},
        {m0[2], 12},     {m0[3], 13},     {Check2, 14},    {Text4, 15},     {Text5, 16},     {VScroll1, 17},
        {Label4, 18},    {Text1, 19},     {Pesa[0], 20},   {Pesa[1], 21},   {Pesa[2], 22},   {Pesa[3], 23},
        {Pesa[4], 24},   {Label2, 25},    {Label5, 26},    {Label7, 27},    {Label6, 28},    {Label8, 29},
        {Label10, 30},   {Label11, 31},   {Label12, 32},   {Label13, 33},   {reloj[1], 34},  {reloj[0], 35},
        {reloj[3], 36},  {reloj[2], 37},  {Frame1, 38},    {Option1[0], 39}, {Option1[1], 40},
    });

    // Only the background and the liquid show the cross; every other control its own pointer.
    for (ui::ControlBase* ctl : client().controls()) {
        QWidget* w = ctl->widget();
        if (ctl->takesMouse() && ctl != Image1 && !w->testAttribute(Qt::WA_SetCursor))
            w->setCursor(Qt::ArrowCursor);
    }
    for (ui::OptionButton* o : Option1)
        o->setCursor(Qt::ArrowCursor);
}

void Form1::buildMenus()
{
    QMenu* archivo = addMenu(QStringLiteral("mnuArchivo"), QStringLiteral("Archivo"));
    addItem(archivo, QStringLiteral("MnuSalir"), QStringLiteral("&Salir"), [this] { MnuSalir_Click(); },
            QKeySequence(Qt::CTRL | Qt::Key_S));
    QMenu* mediciones = addMenu(QStringLiteral("mnuMediciones"), QStringLiteral("&Mediciones"));
    addItem(mediciones, QStringLiteral("mnuVer"), QStringLiteral("&Ocultar Medidores"), [this] { mnuVer_Click(); },
            QKeySequence(Qt::CTRL | Qt::Key_V));
    QMenu* peso = addMenu(QStringLiteral("mnuPeso"), QStringLiteral("PesoPistón"));
    addItem(peso, QStringLiteral("mnuPesoMod"), QStringLiteral("Modificar su peso"), [this] { mnuPesoMod_Click(); });
    addBarCommand(QStringLiteral("mnu_presatmosf"), QStringLiteral("Presión atmosférica"),
                  [this] { mnu_presatmosf_Click(); });
    addBarCommand(QStringLiteral("mnuAcerca"), QStringLiteral("Acerca de...") + QString(33, QLatin1Char(' ')),
                  [this] { mnuAcerca_Click(); });
    QMenu* ayuda = addMenu(QStringLiteral("MnuAyuda"), QStringLiteral("&Ayuda"));
    addItem(ayuda, QStringLiteral("MnuModificarPesos"), QStringLiteral("Cómo modificar los pesos"),
            [this] { MnuModificarPesos_Click(); });
    addItem(ayuda, QStringLiteral("MnuValores"), QStringLiteral("Sobre valores iniciales"),
            [this] { MnuValores_Click(); });
}

void Form1::wireHandlers()
{
    VScroll1->on.Change = [this] { VScroll1_Change(); };
    VScroll1->on.Scroll = [this] { VScroll1_Scroll(); };
    for (ui::OptionButton* o : Option1)
        o->on.Click = [this, o] { Option1_Click(o->Index()); };
    for (ui::PictureBox* p : Pesa) {
        const int i = p->Index();
        p->on.MouseMove = [this, i](int b, int s, float x, float y) { Pesa_MouseMove(i, b, s, x, y); };
        p->on.MouseDown = [this, i](int b, int s, float x, float y) { Pesa_MouseDown(i, b, s, x, y); };
        p->on.DragOver = [this, i](ui::ControlBase& src, float x, float y, int st) { Pesa_DragOver(i, src, x, y, st); };
    }
    on().DragDrop = [this](ui::ControlBase& src, float x, float y) { Form_DragDrop(src, x, y); };
    on().MouseMove = [this](int b, int s, float x, float y) { Form_MouseMove(b, s, x, y); };
    Text2->on.Change = [this] { Text2_Change(); };
    Timer1->onTimer = [this] { Timer1_Timer(); };
    Combo1->on.Click = [this] { Combo1_Click(); };
    Combo1->on.KeyPress = [this](int& k) { Combo1_KeyPress(k); };
    SpinUp1->on.Click = [this] { SpinUp1_Click(); };
    SpinDown1->on.Click = [this] { SpinDown1_Click(); };
    SpinUp2->on.Click = [this] { SpinUp2_Click(); };
    SpinDown2->on.Click = [this] { SpinDown2_Click(); };
    Check2->on.Click = [this] { Check2_Click(); };
    Image1->on.MouseMove = [this](int b, int s, float x, float y) { Image1_MouseMove(b, s, x, y); };
    Command1->on.Click = [this] { Command1_Click(); };
}
