#include "falling_spheres/procedim.h"

#include "core/fall_model.h"
#include "falling_spheres/declarac.h"
#include "falling_spheres/principa.h"
#include "ui/canvas.h"
#include "ui/dialogs.h"
#include "ui/runtime.h"

#include <QPointer>

namespace PROCEDIM {

namespace {

QPointer<principa>& enCurso()
{
    static QPointer<principa> w;
    return w;
}

// Marks the window whose run is going on, for as long as the run lasts.
class MarcaDeCorrida {
public:
    explicit MarcaDeCorrida(principa* w) : anterior_(enCurso()) { enCurso() = w; }
    ~MarcaDeCorrida() { enCurso() = anterior_; }
    MarcaDeCorrida(const MarcaDeCorrida&) = delete;
    MarcaDeCorrida& operator=(const MarcaDeCorrida&) = delete;

private:
    QPointer<principa> anterior_;
};

// A run needs a radius.
bool radioRechazado(principa& w)
{
    if (DECLARAC::radio != 0)
        return false;
    const ui::WindowGuard ventana(&w);
    ui::MsgBox(QStringLiteral("Valor de Radio fuera de rango"), ui::vbExclamation);
    if (ventana.loaded())
        w.Caja_radio->setFocus();
    return true;
}

// The inputs that must not change under a run are locked; in vacuum and air the lists too.
void bloquear(principa& w, bool enCurso, bool listas)
{
    w.VScroll1->setEnabled(!enCurso);
    w.Frame1->setEnabled(!enCurso);
    w.Frame2->setEnabled(!enCurso);
    w.Boton_borrar->setEnabled(!enCurso);
    w.Boton_Iniciar->setEnabled(!enCurso);
    w.Boton_parar->setEnabled(enCurso);
    if (listas) {
        w.Combo1->setEnabled(!enCurso);
        w.Combo2->setEnabled(!enCurso);
    }
}

void comenzar(principa& w, bool listas)
{
    DECLARAC::velocidad = {};
    DECLARAC::tiempo = 0;
    DECLARAC::color_graf = static_cast<std::int16_t>(DECLARAC::color_graf + 1);
    if (DECLARAC::color_graf == 15)
        DECLARAC::color_graf = 1;
    DECLARAC::pausa = 0;
    DECLARAC::detener = 0;
    bloquear(w, true, listas);
}

// Runs the fall in the window: the model's run loop, with "Fin", the pause, the yield and
// the speed bar read from the run state, and every sample drawn. Returns false if the window
// was closed or the program ended during the run: from then on the run touches nothing.
//
// At the fastest speeds a run draws far more samples than the screen can show: the window
// is repainted at most once per display frame while the run goes on, and the whole drawing
// is shown at once when the run pauses or ends. A slow run shows every sample as it is drawn.
bool correrEnVentana(principa* w, caida::Modelo& m)
{
    const ui::WindowGuard ventana(w);
    ui::FramePacer ritmo(w, {w->graf_pos, w->graf_veloc});
    caida::Enlace enlace;
    enlace.detener = [] { return DECLARAC::detener == -1; };
    enlace.enPausa = [&ritmo] {
        if (DECLARAC::pausa != 1)
            return false;
        ritmo.showNow();
        return true;
    };
    enlace.pasoHecho = [](const caida::Modelo& paso) {
        DECLARAC::tiempo = paso.tiempo;
        DECLARAC::velocidad = paso.velocidad;
    };
    enlace.muestra = [w](const caida::Modelo& paso) {
        const ui::Color color = ui::QBColor(DECLARAC::color_graf);
        w->Shape1->setTop(static_cast<float>(paso.y));
        w->graf_pos->LineTo(static_cast<float>(DECLARAC::tiempo), static_cast<float>(paso.y), color);
        w->graf_veloc->LineTo(static_cast<float>(DECLARAC::tiempo),
                              static_cast<float>(DECLARAC::velocidad.toDouble()), color);
    };
    enlace.ceder = [&ventana] {
        ui::DoEvents();
        return ventana.loaded();
    };
    enlace.retardo = [] { return int(DECLARAC::retardo); };
    return caida::correr(m, enlace).fin != caida::Final::Abandonada;
}

// The start points of both curves: the sphere's position and zero velocity at time 0.
void marcarInicio(principa& w, int y)
{
    const ui::Color color = ui::QBColor(DECLARAC::color_graf);
    w.graf_pos->PSet(0, y, color);
    w.graf_veloc->PSet(0, 0, color);
}

} // namespace

void CaidaAireVacio()
{
    QPointer<principa> w(&ui::instance<principa>());
    if (radioRechazado(*w))
        return;
    comenzar(*w, true);
    const MarcaDeCorrida marca(w);
    const bool vacio = w->Option1[1]->Value();
    DECLARAC::retardo = static_cast<std::int16_t>(w->VScroll2->Value());
    const int inicio = w->VScroll1->Value();
    caida::ModeloAire m(DECLARAC::radio, DECLARAC::densidad, vacio, inicio);
    DECLARAC::masa = m.masa;
    DECLARAC::gravedad = m.gravedad;
    DECLARAC::seccion = m.seccion;
    DECLARAC::dens_aire = m.densAire;
    marcarInicio(*w, inicio);

    if (!correrEnVentana(w, m))
        return;
    bloquear(*w, false, true);
}

void CaidaLiquido()
{
    QPointer<principa> w(&ui::instance<principa>());
    if (radioRechazado(*w))
        return;
    comenzar(*w, false);
    const MarcaDeCorrida marca(w);
    DECLARAC::retardo = static_cast<std::int16_t>(w->VScroll2->Value());
    const int inicio = w->VScroll1->Value();
    // The liquid list stays usable: each step takes the liquid chosen at that moment.
    caida::ModeloLiquido m(DECLARAC::radio, DECLARAC::densidad, inicio, [] {
        return caida::Liquido{DECLARAC::dens_liquido, DECLARAC::viscosidad};
    });
    DECLARAC::masa = m.masa;
    DECLARAC::gravedad = m.gravedad;
    marcarInicio(*w, inicio);

    if (!correrEnVentana(w, m))
        return;
    bloquear(*w, false, false);
}

principa* ventanaEnCurso() { return enCurso(); }

} // namespace PROCEDIM
