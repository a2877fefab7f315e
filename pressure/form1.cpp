#include "pressure/form1.h"

#include "common/about.h"
#include "common/declarac.h"
#include "core/conversions.h"
#include "pressure/form2.h"
#include "ui/dialogs.h"
#include "ui/mouse_router.h"
#include "ui/text.h"

bool enRack(const ui::ControlBase& pesa) { return ui::Val(pesa.DataField()) == 1; }
bool sobrePiston(const ui::ControlBase& pesa) { return ui::Val(pesa.DataField()) == -1; }
void dejarEnRack(ui::ControlBase& pesa) { pesa.setDataField(QStringLiteral("1")); }
void subirAlPiston(ui::ControlBase& pesa) { pesa.setDataField(QStringLiteral("-1")); }

// ---------------------------------------------------------------------------------------
// Loading

void Form1::Form_Load()
{
    pesoPiston = 1;
    presionAtm = pressure::kPresionAtmInicial;
    leyendaPiston = ui::toQString(pressure::leyendaPiston(pesoPiston));
    for (ui::SpinButton* b : {SpinDown2, SpinDown1, SpinUp2, SpinUp1})
        b->setDrawMode(ui::vbInvert);
    for (float& e : escala)
        e = pressure::kEscalaInicial;
    for (const pressure::Liquido& l : pressure::kLiquidos)
        Combo1->AddItem(ui::toQString(l.texto));
    // The box keeps showing its design text, and no item is chosen.
    Combo1->setCurrentIndex(-1);
    Combo1->setEditText(ui::toQString(pressure::kTextoListaInicial));
    pesoMinimo = pressure::kPesoMinimoInicial;
    if (Check2->Value() == 1) {
        Text4->setVisible(true);
        Text4->setText(QStringLiteral("0"));
        Text5->setVisible(true);
        Text5->setText(QStringLiteral("0"));
    }
    pesoEspecifico = pressure::kPesoEspecificoAgua;
    for (int i = 0; i < pressure::kCantidadPesas; ++i) {
        posX = pressure::rackX(i);
        posY = pressure::kRackY;
        if (enRack(*Pesa[std::size_t(i)]))
            Pesa[std::size_t(i)]->Move(posX, posY);
    }
    // The whole recomputation, in the level bar's order, so that every display agrees with
    // the start values before the window is first drawn.
    VScroll1_Change();
    Timer1->start();
}

// ---------------------------------------------------------------------------------------
// Recomputation

void Form1::recomputing(std::string_view operation)
{
    if (onRecompute)
        onRecompute(operation);
}

float Form1::atmosferico() const { return Option1[1]->Value() ? presionAtm : 0.0f; }

QString Form1::formato(double valor) const { return ui::toQString(pressure::formato(valor)); }

void Form1::mostrarNivel()
{
    recomputing("mostrarNivel");
    const int v = VScroll1->Value();
    Label1->setCaption(QString::number(pressure::alturaDeBarra(v)));
    const double y = pressure::superficieY(v);
    const double h = Line2->Y2() - y;
    Shape2->setTop(y);
    Image1->setTop(y);
    Shape2->setHeight(h);
    Image1->setHeight(h);
}

void Form1::calcularCarga()
{
    recomputing("calcularCarga");
    pesoTotal = pressure::cargaEnNewtons(ui::Val(Text2->Text()));
    presionGas = pressure::presionDelGas(pesoTotal);
    Text1->setText(formato(presionGas * 100 + atmosferico()));
}

void Form1::calcularAltura()
{
    recomputing("calcularAltura");
    alturaLiquido = std::int16_t(pressure::alturaDeBarra(VScroll1->Value()));
}

void Form1::ubicarPiston()
{
    recomputing("ubicarPiston");
    const auto top = pressure::topePiston(float(Shape2->Top()), float(Shape3->Height()), pesoTotal);
    if (top) {
        Shape3->setTop(*top);
        Shape3->setVisible(true);
    } else {
        Shape3->setVisible(false);
    }
}

void Form1::llevarPesas()
{
    recomputing("llevarPesas");
    for (ui::PictureBox* p : Pesa)
        if (sobrePiston(*p))
            p->setTop(Shape3->Top() - p->Height());
}

void Form1::medirManometros()
{
    recomputing("medirManometros");
    const float sAtm = atmosferico();
    for (int k : {1, 2, 0, 3}) {
        const std::size_t i = std::size_t(k);
        const double p = pressure::presionManometro(presionGas, pesoEspecifico, alturaLiquido, k);
        aguja[i]->setTag(ui::toQString(classic::CStr(p)));
        rotaraguja(k);
        if (pressure::bajoElPiston(float(Shape3->Top()), k)) {
            m0[i]->setCaption(formato(p * 100 + sAtm));
        } else {
            // Above the piston the tap is in the open air.
            m0[i]->setCaption(ui::toQString(classic::CStrSingle(sAtm)));
            aguja[i]->setTag(ui::toQString(classic::CStr(0.0)));
            rotaraguja(k);
        }
    }
}

void Form1::rotaraguja(int k)
{
    if (k < 0 || k > 3)
        return;
    const std::size_t i = std::size_t(k);
    const double presion = classic::CDbl(ui::toStdString(aguja[i]->Tag())).value_or(0.0);
    const pressure::ExtremoAguja e = pressure::extremoAguja(presion, escala[i]);
    aguja[i]->setX2(e.x);
    aguja[i]->setY2(e.y);
}

void Form1::medir()
{
    for (int k = 0; k <= 3; ++k) {
        const std::size_t i = std::size_t(k);
        const double p = pressure::presionManometro(presionGas, pesoEspecifico, alturaLiquido, k);
        aguja[i]->setTag(ui::toQString(classic::CStr(p)));
        rotaraguja(k);
        if (!pressure::bajoElPiston(float(Shape3->Top()), k)) {
            aguja[i]->setTag(ui::toQString(classic::CStr(0.0)));
            rotaraguja(k);
        }
    }
}

// ---------------------------------------------------------------------------------------
// Level and reading mode

void Form1::VScroll1_Change()
{
    mostrarNivel();
    calcularCarga();
    calcularAltura();
    ubicarPiston();
    llevarPesas();
    medirManometros();
}

void Form1::VScroll1_Scroll()
{
    llevarPesas();
    calcularAltura();
    medirManometros();
}

void Form1::Option1_Click(int /*Index*/) { VScroll1_Change(); }

// ---------------------------------------------------------------------------------------
// Weights and load

void Form1::Pesa_MouseMove(int /*Index*/, int /*button*/, int /*shift*/, float X, float Y)
{
    arrastreX = X;
    arrastreY = Y;
}

void Form1::Pesa_MouseDown(int Index, int /*button*/, int /*shift*/, float X, float Y)
{
    ui::PictureBox* p = Pesa[std::size_t(Index)];
    p->Drag(1);
    // The drag begins over the pressed weight: it learns its kilograms and rack place
    // before it can be dropped, however fast the pointer leaves it.
    if (ui::dragInProgress())
        Pesa_DragOver(Index, *p, X, Y, ui::vbEnter);
}

void Form1::Pesa_DragOver(int Index, ui::ControlBase& /*source*/, float /*X*/, float /*Y*/, int /*state*/)
{
    ui::PictureBox* p = Pesa[std::size_t(Index)];
    if (p->Tag().isEmpty())
        p->setTag(ui::toQString(pressure::textoKilogramos(Index)));
    posX = pressure::rackX(Index);
    posY = pressure::kRackY;
}

void Form1::Form_DragDrop(ui::ControlBase& source, float X, float Y)
{
    ui::PictureBox* pesa = nullptr;
    for (ui::PictureBox* p : Pesa)
        if (p == &source)
            pesa = p;
    if (!pesa)
        return;
    pesa->Move(X - arrastreX, Y - arrastreY);
    const double carga = ui::Val(Text2->Text());
    const bool desdeRack = enRack(*pesa);
    double w = desdeRack ? ui::Val(pesa->Tag()) : 0.0;
    // A weight that would take the load past the cap is refused as if it fell off the piston.
    if (pressure::enZonaPiston(X, Y) && pressure::cabeEnCarga(carga, w)) {
        cambiarCarga(carga + w);
        pesoMinimo += w;
        pesa->setTag(QString());
        subirAlPiston(*pesa);
        return;
    }
    if (sobrePiston(*pesa)) {
        w = ui::Val(pesa->Tag());
        // Still marked riding while the load changes, so it follows the piston first.
        cambiarCarga(carga - w);
        pesoMinimo -= w;
        pesa->Move(posX, posY);
        dejarEnRack(*pesa);
    }
    // A weight from the rack stands where it fell until the next tick takes it home.
}

void Form1::cambiarCarga(double kgf) { Text2->setText(ui::toQString(classic::CStr(kgf))); }

void Form1::Text2_Change()
{
    calcularCarga();
    ubicarPiston();
    llevarPesas();
    medirManometros();
}

void Form1::Timer1_Timer()
{
    if (!alive())
        return;
    for (int i = 0; i < pressure::kCantidadPesas; ++i) {
        ui::PictureBox* p = Pesa[std::size_t(i)];
        posX = pressure::rackX(i);
        posY = pressure::kRackY;
        if (sobrePiston(*p))
            p->setTop(Shape3->Top() - p->Height());
        if (enRack(*p))
            p->Move(posX, posY);
        if (p->Top() == posY)
            p->setVisible(true);
    }
}

void Form1::PosicionHuerfana(float x, float y)
{
    arrastreX = x;
    arrastreY = y;
}

// The load read from its box, stepped when the step is allowed, and written back. The step
// is counted in kilograms apart from pesoTotal, which stays in newtons: a refused step writes
// the box unchanged, raises no Change, and must leave the load's newtons as they were.
void Form1::pasoDeCarga(bool permitido(double carga, double pesoMinimo), double paso)
{
    double carga = ui::Val(Text2->Text());
    if (permitido(carga, pesoMinimo))
        carga += paso;
    cambiarCarga(carga);
}

void Form1::RestarUnoCarga()
{
    pasoDeCarga([](double carga, double minimo) { return carga > minimo; }, -1);
}

void Form1::SumarUnoCarga()
{
    pasoDeCarga([](double carga, double) { return carga <= pressure::kCargaMaximaGiro; }, 1);
}

void Form1::RestarDiezCarga()
{
    pasoDeCarga([](double carga, double minimo) { return carga > minimo + 10; }, -10);
}

void Form1::SumarDiezCarga()
{
    pasoDeCarga([](double carga, double) { return carga <= pressure::kCargaMaximaGiro; }, 10);
}

void Form1::MostrarRegresoPesas()
{
    ui::MsgBox(QStringLiteral("Las pesas regresan solas a su posición si se las retira del cilindro"), ui::vbOKOnly,
               QStringLiteral("¿Cómo vuelven las pesas a su lugar?"));
}

// ---------------------------------------------------------------------------------------
// Liquid

void Form1::Combo1_Click()
{
    if (const auto pe = pressure::pesoEspecificoDe(ui::toStdString(Combo1->Text()))) {
        pesoEspecifico = *pe;
        for (float& e : escala)
            e = pressure::kEscalaInicial;
    }
    // The gas pressure box does not depend on the liquid: it is left as it stands.
    pesoTotal = pressure::cargaEnNewtons(ui::Val(Text2->Text()));
    presionGas = pressure::presionDelGas(pesoTotal);
    calcularAltura();
    medirManometros();
}

void Form1::Combo1_KeyPress(int& KeyAscii) { KeyAscii = 0; }

// ---------------------------------------------------------------------------------------
// The piston's own weight

void Form1::pulsarGiro(ui::SpinButton* boton, pressure::Giro giro)
{
    boton->press(DECLARAC::colorPulsado, [this, giro] {
        double carga = ui::Val(Text2->Text());
        if (pressure::permitePaso(giro, carga, pesoMinimo)) {
            carga += pressure::pasoDe(giro);
            pesoPiston = std::int16_t(pesoPiston + pressure::pasoDe(giro));
        }
        leyendaPiston = ui::toQString(pressure::leyendaPiston(pesoPiston));
        Label8->setCaption(leyendaPiston);
        cambiarCarga(carga);
    });
}

void Form1::SpinUp1_Click() { pulsarGiro(SpinUp1, pressure::Giro::Arriba1); }
void Form1::SpinDown1_Click() { pulsarGiro(SpinDown1, pressure::Giro::Abajo1); }
void Form1::SpinUp2_Click() { pulsarGiro(SpinUp2, pressure::Giro::Arriba10); }
void Form1::SpinDown2_Click() { pulsarGiro(SpinDown2, pressure::Giro::Abajo10); }

void Form1::mnuPesoMod_Click()
{
    const bool mostrar = !SpinUp1->Visible();
    const ui::WindowGuard ventana(this);
    if (mostrar)
        ui::MsgBox(QStringLiteral("El peso inicial del pistón se supuso 1 kgf ,estando en equilibrio mecánico con el gas "
                                  "que ejerce una presion manométrica de 980 N/m2 inicialmente sobre el pistón de 100 "
                                  "cm2 de área, pero es posible modificarlo, incrementandolo de a 1 o de a 10 Kg a "
                                  "partir de ahora"),
                   ui::vbOKOnly, QStringLiteral("Peso del pistón"));
    if (!ventana.loaded())
        return;
    for (ui::SpinButton* b : {SpinUp1, SpinDown1, SpinUp2, SpinDown2})
        b->setVisible(mostrar);
}

// ---------------------------------------------------------------------------------------
// Hand-held gauge

void Form1::Check2_Click()
{
    if (Check2->Value() == 1) {
        Text4->setVisible(true);
        Text4->setText(QStringLiteral("0"));
        Text5->setVisible(true);
        Text5->setText(QStringLiteral("0"));
    } else {
        Text4->setVisible(false);
        Text5->setVisible(false);
    }
}

void Form1::Image1_MouseMove(int /*button*/, int /*shift*/, float /*X*/, float Y)
{
    const double alto = Image1->Height();
    alturaLiquido = std::int16_t(ui::Val(Label1->Caption()));
    const double profundidad = pressure::profundidadManual(alturaLiquido, Y, alto);
    Text5->setText(ui::toQString(classic::CStr(profundidad)));
    const double p = presionGas + profundidad * pesoEspecifico;
    Text4->setText(formato(p * 100 + atmosferico()));
}

void Form1::Form_MouseMove(int /*button*/, int /*shift*/, float /*X*/, float /*Y*/)
{
    Text4->setText(QString());
    Text5->setText(QString());
}

// ---------------------------------------------------------------------------------------
// Menus and the "Salir" button

void Form1::MnuSalir_Click() { Hide(); }

void Form1::Command1_Click() { Hide(); }

void Form1::mnuVer_Click()
{
    QAction* item = action(QStringLiteral("mnuVer"));
    const bool mostrar = !m0[0]->Visible();
    for (ui::Label* m : m0)
        m->setVisible(mostrar);
    item->setText(mostrar ? QStringLiteral("Ocultar Medidores") : QStringLiteral("Ver Medidores"));
}

void Form1::mnu_presatmosf_Click()
{
    const ui::WindowGuard ventana(this);
    const QString respuesta = ui::InputBox(QStringLiteral("Introduzca  un numero positivo"),
                                           QStringLiteral("Presión atmosférica"),
                                           ui::toQString(pressure::propuestaPresionAtm(presionAtm)));
    if (!ventana.loaded())
        return;
    const pressure::RespuestaPresion r = pressure::leerPresionAtm(ui::toStdString(respuesta));
    if (r.tipo == pressure::RespuestaPresion::Vacia)
        return;
    if (r.tipo == pressure::RespuestaPresion::FueraDeRango) {
        ui::MsgBox(QStringLiteral("Valor fuera de rango"), ui::vbExclamation);
        return;
    }
    presionAtm = r.valor;
    VScroll1_Change();
}

void Form1::mnuAcerca_Click()
{
    common::MensajeAcercaDe(QStringLiteral("Autores de esta pantalla: ") + common::kEquipo,
                           QStringLiteral("e-mail:   ") + common::kCorreo);
}

void Form1::MostrarHipotesis()
{
    ui::MsgBox(QStringLiteral("Se ha supuesto gas ideal(independiente de la la altura)y liquidos imcompresibles"),
               ui::vbOKOnly, QStringLiteral("Hipótesis de trabajo"));
}

void Form1::MnuModificarPesos_Click()
{
    Form2& ayuda = ui::instance<Form2>();
    ayuda.Load();
    ayuda.Label1->setCaption(QStringLiteral("¿Cómo se hace presión sobre el pistón?"));
    ayuda.Text1->setText(QStringLiteral("Los pesos sobre el pistón se pueden modificar de dos formas: manualmente "
                                        "subiendo o bajando uno o diez kilogramos , o agregando pesas. Éstas se "
                                        "acomodarán solas"));
    ayuda.Show();
}

void Form1::MnuValores_Click()
{
    Form2& ayuda = ui::instance<Form2>();
    ayuda.Load();
    ayuda.Label1->setCaption(QString());
    ayuda.Text1->setText(QStringLiteral("Los valores iniciales para la densidad son los correspondiente al agua. Todos "
                                        "los valores son datos de manuales, a 20ºC.Las unidades fueron : MASA[kg]  "
                                        "LONGITUD[cm] DENSIDAD [g/cm3]  PRESIÓN {Hecto Pascales = 100 N/m2"));
    ayuda.Show();
}
