#include "flotation/flotar.h"

#include "common/about.h"
#include "core/conversions.h"
#include "core/flotation_model.h"
#include "ui/runtime.h"
#include "ui/text.h"

#include <cmath>
#include <optional>

void flotar::Form_Load()
{
    client().Cls();
    Picture1->setScale({0, 0, 100, 100});
    densidadLiq = 1.4;
    densidadCuerpo = 0.8;
    densidadSup = 0.0013;
    lado = 25;
    gravedad = 981;
    HScroll1->setValue(int(std::lround(densidadCuerpo * 100)));
    HScroll2->setValue(int(std::lround(densidadLiq * 100)));
    cambio();
    nivelLiquido = 60;
}

void flotar::cambio()
{
    const flotacion::Ubicacion u = flotacion::ubicar(densidadSup, densidadCuerpo, densidadLiq, lado);
    yCuerpo = u.yCuerpo;
    Porcent->setCaption(ui::toQString(u.porcentaje));
    solido->setTop(static_cast<float>(yCuerpo));
}

void flotar::leerDensidad(ui::ScrollBar* barra, std::optional<int> siguiente, double& densidad, ui::Label* lectura)
{
    // Setting the value runs the bar's handler again, which makes the same test.
    if (siguiente) {
        barra->setValue(*siguiente);
        return;
    }
    densidad = barra->Value() / 100.0;
    lectura->setCaption(ui::toQString(classic::CStr(densidad)));
    velocidadCuerpo = 0;
    cambio();
}

void flotar::LeerDensidadCuerpo()
{
    enMovimiento = 0;
    leerDensidad(HScroll1, std::nullopt, densidadCuerpo, Label3);
}

void flotar::HScroll1_Change() { LeerDensidadCuerpo(); }

void flotar::HScroll2_Change()
{
    enMovimiento = 0;
    leerDensidad(HScroll2, flotacion::subidaLiquido(HScroll2->Value(), HScroll3->Value(), HScroll2->maximum()),
                 densidadLiq, Label4);
}

void flotar::HScroll3_Change()
{
    leerDensidad(HScroll3, flotacion::bajadaSuperior(HScroll2->Value(), HScroll3->Value()), densidadSup, Label5);
}

void flotar::Option1_Click(int Index)
{
    if (Index == 0) {
        fluido_sup->setVisible(false);
        densidadSup = 0.0013;
        HScroll3->setEnabled(false);
        Label5->setCaption(ui::toQString(classic::CStr(0.0013)));
        Label6->setCaption(QStringLiteral("Densidad del aire"));
        cambio();
    } else {
        fluido_sup->setVisible(true);
        densidadSup = 0.5;
        HScroll3->setValue(int(std::lround(densidadSup * 100)));
        HScroll3->setEnabled(true);
        Label5->setCaption(ui::toQString(classic::CStr(densidadSup)));
        Label6->setCaption(QStringLiteral("Densidad del líquido"));
        cambio();
    }
}

void flotar::Form_Click() { comienzo(); }

void flotar::IniciarMovimiento() { comienzo(); }

void flotar::comienzo()
{
    enMovimiento = 1;
    masaEnMovimiento_ = flotacion::masa(densidadCuerpo, lado);
    // Deep enough already: the running motion goes on from the current state with the flag
    // set again and the mass just taken, which is what a new motion would do.
    if (movimientos_ >= kMovimientosAnidados)
        return;
    const ui::WindowGuard ventana(this);
    ++movimientos_;
    flotacion::EnlaceMovimiento enlace;
    enlace.ceder = [&ventana] {
        ui::DoEvents();
        // Closed by its close box or the program is ending: the window is left alone.
        return ventana.loaded();
    };
    enlace.enMovimiento = [this] { return enMovimiento != 0; };
    enlace.bloque = [this] { return flotacion::Bloque{yCuerpo, velocidadCuerpo, masaEnMovimiento_, lado}; };
    enlace.medios = [this] { return flotacion::Medios{densidadLiq, densidadSup, gravedad}; };
    enlace.movido = [this](const flotacion::Bloque& b) {
        yCuerpo = b.yCuerpo;
        velocidadCuerpo = b.velocidadCuerpo;
    };
    enlace.mostrar = [this](double y) { solido->setTop(static_cast<float>(y)); };
    flotacion::mover(enlace);
    if (ventana.loaded())
        --movimientos_;
}

void flotar::solido_MouseDown(int, int, float, float Y)
{
    solido->Drag(1);
    agarreY = Y;
}

void flotar::Picture1_DragDrop(ui::ControlBase&, float, float Y)
{
    enMovimiento = 0;
    yCuerpo = flotacion::alturaDeCaida(Y - agarreY, lado);
    solido->setTop(static_cast<float>(yCuerpo));
    velocidadCuerpo = 0;
    if (!flotacion::quedaDondeCae(yCuerpo, densidadCuerpo, densidadLiq, densidadSup, lado))
        cambio();
}

void flotar::nivel()
{
    const double nivelActual = flotacion::nivelPorTop(yCuerpo);
    liquido->Move(liquido->Left(), nivelActual, liquido->Width(), flotacion::kFondo - nivelActual);
    client().Cls();
    client().Print(ui::toQString(classic::CStr(yCuerpo)));
    client().Print(ui::toQString(classic::CStr(nivelActual)));
    client().Print(ui::toQString(classic::CStr(flotacion::kFondo - nivelActual)));
}

void flotar::Command1_Click() { Hide(); }

void flotar::menu_salir_Click() { Hide(); }

void flotar::menu_acerca_Click()
{
    common::MensajeAcercaDe(QStringLiteral("Autor de esta pantalla: Tomás Muestra"),
                           QStringLiteral("e-mail ") + common::kCorreo);
}
