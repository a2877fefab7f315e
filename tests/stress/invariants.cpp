// What must hold in every window after any event, computed from the window's own state.
#include "tests/stress/stress_driver.h"

#include "core/conversions.h"
#include "core/flotation_model.h"
#include "core/pressure_model.h"
#include "falling_spheres/declarac.h"
#include "falling_spheres/principa.h"
#include "falling_spheres/procedim.h"
#include "flotation/flotar.h"
#include "pressure/form1.h"
#include "ui/control.h"
#include "ui/mouse_router.h"

#include <QPointer>
#include <cmath>
#include <memory>

namespace stress {

namespace {

template <class F> std::vector<F*> live()
{
    std::vector<F*> out;
    for (ui::Form* f : ui::allForms())
        if (auto* w = qobject_cast<F*>(f); w && w->alive())
            out.push_back(w);
    return out;
}

} // namespace

bool Invariants::flotationMoving(const flotar& w) { return w.enMovimiento != 0; }

QString Invariants::pressureProblem(Form1& w)
{
    const QString load = w.Text2->Text();
    bool whole = false;
    const int kgf = load.toInt(&whole);
    if (!whole || kgf < 0 || kgf > 100)
        return QStringLiteral("load box holds '%1'").arg(load);
    double riding = 0;
    for (int i = 0; i < 5; ++i)
        if (classic::Val(w.Pesa[size_t(i)]->DataField().toStdString()) == -1)
            riding += pressure::kilogramosPesa(i);
    if (kgf != w.pesoPiston + riding)
        return QStringLiteral("load %1 is not the piston's %2 plus the riding %3").arg(kgf).arg(w.pesoPiston).arg(riding);
    if (w.pesoMinimo != 1 + riding)
        return QStringLiteral("pesoMinimo %1 with %2 kg riding").arg(w.pesoMinimo).arg(riding);
    const float s = w.Option1[1]->Value() ? w.presionAtm : 0.0f;
    if (w.Text1->Text() != w.formato(w.presionGas * 100 + s))
        return QStringLiteral("gas box '%1'").arg(w.Text1->Text());
    for (int k = 0; k < 4; ++k) {
        const double p = pressure::presionManometro(w.presionGas, w.pesoEspecifico, w.alturaLiquido, k);
        const bool below = k == 0 || pressure::bajoElPiston(static_cast<float>(w.Shape3->Top()), k);
        const QString expected = below ? w.formato(p * 100 + s) : QString::fromStdString(classic::CStrSingle(s));
        if (w.m0[size_t(k)]->Caption() != expected)
            return QStringLiteral("gauge %1 reads '%2', expected '%3'").arg(k).arg(w.m0[size_t(k)]->Caption(), expected);
    }
    return {};
}

QString Invariants::fallProblem(principa& w)
{
    if (!(DECLARAC::radio >= 0 && DECLARAC::radio <= 10))
        return QStringLiteral("radius %1").arg(DECLARAC::radio);
    if (DECLARAC::color_graf < 0 || DECLARAC::color_graf > 14)
        return QStringLiteral("colour index %1").arg(DECLARAC::color_graf);
    const bool running = PROCEDIM::ventanaEnCurso() == &w;
    if (w.Boton_Iniciar->Enabled() == running || w.Boton_borrar->Enabled() == running
        || w.Boton_parar->Enabled() != running || w.VScroll1->Enabled() == running || w.Frame1->Enabled() == running
        || w.Frame2->Enabled() == running)
        return QStringLiteral("run buttons do not say whether a run is going on (%1)").arg(running);
    return {};
}

QString Invariants::flotationProblem(flotar& w)
{
    const int liquid = w.HScroll2->Value(), upper = w.HScroll3->Value();
    if (liquid < 80 || liquid > 200 || liquid < upper)
        return QStringLiteral("liquid bar %1 with upper-liquid bar %2").arg(liquid).arg(upper);
    if (flotationMoving(w))
        return {};   // a motion may have moved the block
    const flotacion::Ubicacion placed = flotacion::ubicar(w.densidadSup, w.densidadCuerpo, w.densidadLiq, w.lado);
    const bool neutral = flotacion::quedaDondeCae(w.yCuerpo, w.densidadCuerpo, w.densidadLiq, w.densidadSup, w.lado);
    if (!neutral && (w.yCuerpo != placed.yCuerpo || w.solido->Top() != double(float(placed.yCuerpo))))
        return QStringLiteral("block at rest at %1, placement says %2").arg(w.yCuerpo).arg(placed.yCuerpo);
    return {};
}

void addWindowInvariants(Driver& d)
{
    // Every gesture of the driver ends with the button up, whatever became of the window the
    // drag began in: a manual drag must not outlive it.
    d.addInvariant(QStringLiteral("drag"), [] {
        return ui::dragInProgress() ? QStringLiteral("a drag is still going on after the button came up") : QString();
    });
    d.addInvariant(QStringLiteral("pressure"), [] {
        for (Form1* w : live<Form1>())
            if (QString p = Invariants::pressureProblem(*w); !p.isEmpty())
                return p;
        return QString();
    });
    d.addInvariant(QStringLiteral("falling spheres"), [] {
        for (principa* w : live<principa>())
            if (QString p = Invariants::fallProblem(*w); !p.isEmpty())
                return p;
        return QString();
    });
    // The sphere's frame is disabled while it falls: no click, key or list may change the
    // radius of the run that is going on.
    struct Run {
        QPointer<principa> window;
        double radio = 0;
    };
    d.addInvariant(QStringLiteral("falling spheres run"), [run = std::make_shared<Run>()]() -> QString {
        principa* now = PROCEDIM::ventanaEnCurso();
        if (now != run->window) {
            run->window = now;
            run->radio = DECLARAC::radio;
            return {};
        }
        if (now && DECLARAC::radio != run->radio)
            return QStringLiteral("the radius went from %1 to %2 during a run").arg(run->radio).arg(DECLARAC::radio);
        return {};
    });
    d.addInvariant(QStringLiteral("flotation"), [] {
        for (flotar* w : live<flotar>())
            if (QString p = Invariants::flotationProblem(*w); !p.isEmpty())
                return p;
        return QString();
    });
}

} // namespace stress
