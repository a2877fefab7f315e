#include "falling_spheres/principa.h"

#include "common/about.h"
#include "core/fall_model.h"
#include "falling_spheres/declarac.h"
#include "falling_spheres/procedim.h"
#include "ui/dialogs.h"
#include "ui/runtime.h"
#include "ui/text.h"

#include <QStringList>
#include <optional>
#include <string_view>

namespace {

const QString kFueraDeRango = QStringLiteral("Valor fuera de rango");

// The liquid's density and viscosity, when the list names one.
void fijarLiquido(const std::optional<caida::Liquido>& liquido)
{
    if (!liquido)
        return;
    DECLARAC::dens_liquido = liquido->densidad;
    DECLARAC::viscosidad = liquido->viscosidad;
}

} // namespace

void principa::Form_Load()
{
    SpinDown->setDrawMode(ui::vbInvert);
    SpinUp->setDrawMode(ui::vbInvert);
    graf_pos->setDrawMode(ui::vbCopyPen);
    graf_veloc->setDrawMode(ui::vbCopyPen);
    DECLARAC::radio = 1;
    DECLARAC::densidad = caida::kMateriales[0].densidad;
    for (std::size_t i = 0; i < caida::kMateriales.size(); ++i) {
        Combo1->AddItem(ui::toQString(caida::kMateriales[i].texto));
        DECLARAC::densidades[i] = caida::kMateriales[i].densidad;
    }
    Combo1->setText(ui::toQString(caida::kMateriales[0].texto));
    for (const caida::ItemLiquido& liquido : caida::kLiquidos)
        Combo2->AddItem(ui::toQString(liquido.texto));
    Combo2->setText(ui::toQString(caida::kLiquidos[0].texto));
    medio_anterior = 1;
}

// ---------------------------------------------------------------------------------------
// Runs

void principa::Boton_Iniciar_Click()
{
    // The run lives inside this click; the window may be gone when it returns.
    if (Option1[1]->Value() || Option1[2]->Value())
        PROCEDIM::CaidaAireVacio();
    else
        PROCEDIM::CaidaLiquido();
}

void principa::Boton_parar_Click()
{
    if (DECLARAC::pausa == 0) {
        DECLARAC::pausa = 1;
        Boton_parar->setCaption(QStringLiteral("Continuar"));
    } else {
        DECLARAC::pausa = 0;
        Boton_parar->setCaption(QStringLiteral("Pausa"));
    }
}

void principa::Command1_Click() { DECLARAC::detener = -1; }

// ---------------------------------------------------------------------------------------
// Results and clearing

void principa::Boton_borrar_Click()
{
    Shape1->setTop(20);
    graf_pos->Cls();
    graf_veloc->Cls();
    DECLARAC::color_graf = 0;
}

void principa::Boton_tiempo_Click()
{
    ui::MsgBox(ui::toQString(caida::textoTiempoFinal(DECLARAC::tiempo)), ui::vbOKOnly);
}

void principa::Boton_velocidad_Click()
{
    ui::MsgBox(ui::toQString(caida::textoVelocidadFinal(DECLARAC::velocidad, liquidoElegido())),
               ui::vbOKOnly);
}

// ---------------------------------------------------------------------------------------
// Inputs

void principa::Option1_Click(int Index)
{
    // The radius box may refuse a radius with a message: the window may be gone after it.
    const ui::WindowGuard ventana(this);
    if (Index == 1 || Index == 2) {
        Combo2->setVisible(false);
        Label5->setCaption(QStringLiteral("Altura  metros"));
        if (medio_anterior == 3)
            escribirRadio(1);
        if (!ventana.loaded())
            return;
        graf_veloc->setScaleHeight(-40);
        graf_veloc->setScaleTop(20);
    } else {
        Combo2->setVisible(true);
        Label5->setCaption(QStringLiteral("Altura   cm"));
        escribirRadio(0.02);
        fijarLiquido(caida::kAgua);
        if (!ventana.loaded())
            return;
        Combo2->setText(ui::toQString(caida::kLiquidos[0].texto));
        graf_veloc->setScaleHeight(-200);
        graf_veloc->setScaleTop(100);
    }
    if (static_cast<std::int16_t>(medio_anterior * Index) >= 3)
        ui::MsgBox(QStringLiteral("Observar Cambios en Altura de Caída, Unidades y Tamaño de la esfera"),
                   ui::vbExclamation);
    if (ventana.loaded())
        medio_anterior = static_cast<std::uint8_t>(Index);
}

void principa::Combo1_Click()
{
    const int i = Combo1->ListIndex();
    if (i == 5 && liquidoElegido() && DECLARAC::radio < 0.02)
        escribirRadio(0.02);
    if (i >= 0 && i < int(DECLARAC::densidades.size()))
        DECLARAC::densidad = DECLARAC::densidades[std::size_t(i)];
}

void principa::Combo2_Click() { fijarLiquido(caida::liquidoElegido(Combo2->ListIndex())); }

void principa::Combo2_Change() { fijarLiquido(caida::liquidoPorTexto(Combo2->ListIndex())); }

void principa::Combo2_KeyPress(int& KeyAscii) { KeyAscii = 0; }

void principa::escribirRadio(double valor) { Caja_radio->setText(ui::toQString(caida::textoRadio(valor))); }

void principa::Caja_radio_Change()
{
    const double copia = DECLARAC::radio;
    const double x = ui::Val(Caja_radio->Text());
    // Out of range, or too small for a sphere of the lightest material to have a mass.
    if (!(x >= 0 && x <= 10) || !caida::tieneMasa(x, caida::kMaterialMasLiviano)) {
        const ui::WindowGuard ventana(this);
        ui::MsgBox(kFueraDeRango, ui::vbExclamation);
        DECLARAC::radio = copia;
        if (ventana.loaded())
            escribirRadio(copia);
        return;
    }
    DECLARAC::radio = x;
}

void principa::Caja_radio_KeyPress(int& KeyAscii)
{
    if (KeyAscii == 8 || (KeyAscii >= '0' && KeyAscii <= '9') || KeyAscii == '.')
        return;
    KeyAscii = 0;
    escribirRadio(DECLARAC::radio);
}

void principa::SpinUp_Click() { SpinUp->press(DECLARAC::colorPulsado, [this] { AumentarRadioMedio(); }); }

void principa::SpinDown_Click() { SpinDown->press(DECLARAC::colorPulsado, [this] { ReducirRadioMedio(); }); }

void principa::AumentarRadioMedio()
{
    if (const auto nuevo = caida::subirRadio(DECLARAC::radio, liquidoElegido()))
        escribirRadio(*nuevo);
}

void principa::ReducirRadioMedio()
{
    if (const auto nuevo = caida::bajarRadio(DECLARAC::radio, liquidoElegido(), espumaElegida()))
        escribirRadio(*nuevo);
}

void principa::AumentarRadio()
{
    if (const auto nuevo = caida::subirRadio(DECLARAC::radio, false, false))
        escribirRadio(*nuevo);
}

void principa::ReducirRadio()
{
    if (const auto nuevo = caida::bajarRadio(DECLARAC::radio, false, false, false))
        escribirRadio(*nuevo);
}

void principa::VScroll1_Change()
{
    Shape1->setTop(VScroll1->Value());
    tex_altura->setCaption(ui::toQString(classic::CStr(static_cast<long long>(100 - VScroll1->Value()))));
}

void principa::VScroll2_Change() { DECLARAC::retardo = static_cast<std::int16_t>(VScroll2->Value()); }

// ---------------------------------------------------------------------------------------
// Leaving and messages

void principa::Boton_fin_Click() { Hide(); }

void principa::menu_salir_Click() { Hide(); }

void principa::menu_modelo_Click()
{
    ui::MsgBox(common::joinLines({QStringLiteral("En vacío se considera aceleración constante (g)"),
                                 QStringLiteral("En líquido la fuerza resistente es proporcional a la velocidad"),
                                 QStringLiteral("En aire, la fuerza resistente es proporcional al cuadrado de la "
                                                "velocidad")}),
               ui::vbOKOnly);
}

void principa::menu_acerca_Click()
{
    common::MensajeAcercaDe(QStringLiteral("Autor de esta pantalla: Lucía Ejemplo"),
                           QStringLiteral("e-mail ") + common::kCorreo);
}
