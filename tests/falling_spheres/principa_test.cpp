// The falling-spheres window driven as a user would: inputs, runs with pause and stop,
// results, clearing, menus, closing during a run. Dialogs are answered through the seam.
#include "falling_spheres/declarac.h"
#include "core/fall_model.h"
#include "falling_spheres/principa.h"
#include "common/about.h"
#include "tests/support/event_spy.h"
#include "tests/support/input.h"
#include "ui/dialogs.h"
#include "ui/runtime.h"

#include <QPainter>
#include <QPointer>
#include <QScreen>
#include <QtTest>
#include <cmath>
#include <utility>
#include <vector>

namespace {

const QString kFueraDeRango = QStringLiteral("Valor fuera de rango");
const QString kAviso = QString::fromUtf8("Observar Cambios en Altura de Caída, Unidades y Tamaño de la esfera");
const QList<bool> kLibres{true, true, true, true, true, false, true, true};

void clic(QWidget* w) { input::click(w, w->rect().center()); }

// Actions asked for before a run wait until "INICIAR" is let go: the pointer's move and press
// onto the button go through the event loop too, and would run them before the run starts.
std::vector<std::function<void()>> paraLaCorrida;
bool soltandoIniciar = false;

// Runs `accion` from inside the next yield of the run in progress.
void durante(std::function<void()> accion)
{
    if (soltandoIniciar)
        QTimer::singleShot(0, std::move(accion));
    else
        paraLaCorrida.push_back(std::move(accion));
}

void iniciar(principa& w)
{
    QWidget* boton = w.Boton_Iniciar;
    const QPoint centro = boton->rect().center();
    input::move(boton, centro);
    input::press(boton, centro);
    soltandoIniciar = true;
    for (auto& accion : std::exchange(paraLaCorrida, {}))
        durante(std::move(accion));
    input::release(boton, centro);
    soltandoIniciar = false;
}

// Types into the radius box, which holds the focus afterwards.
void escribirRadio(principa& w, const QString& texto)
{
    input::focus(w.Caja_radio);
    input::key(w.Caja_radio, Qt::Key_End);
    for (qsizetype n = w.Caja_radio->Text().size(); n > 0; --n)
        input::key(w.Caja_radio, Qt::Key_Backspace);
    input::keys(w.Caja_radio, texto);
}

// Height bar, both frames, "Borrar", "INICIAR", "Pausa", material list, liquid list.
QList<bool> bloqueos(principa& w)
{
    return {w.VScroll1->Enabled(),     w.Frame1->Enabled(),        w.Frame2->Enabled(),
            w.Boton_borrar->Enabled(), w.Boton_Iniciar->Enabled(), w.Boton_parar->Enabled(),
            w.Combo1->Enabled(),       w.Combo2->Enabled()};
}

int pixelesDistintos(const QImage& img, QColor fondo)
{
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            n += img.pixelColor(x, y) != fondo;
    return n;
}

// What a graph shows on the screen: each repaint shows its region of the drawing as it is then.
class Pantalla : public QObject {
public:
    explicit Pantalla(ui::Canvas* g) : grafico(g), vista(g->drawing().copy()) { g->installEventFilter(this); }
    bool completa() const { return vista == grafico->drawing(); }
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Paint) {
            ++repintados;
            QPainter p(&vista);
            p.setClipRegion(static_cast<QPaintEvent*>(e)->region().translated(-grafico->innerOrigin()));
            p.drawImage(0, 0, grafico->drawing());
        }
        return false;
    }
    ui::Canvas* grafico;
    QImage vista;
    int repintados = 0;
};

} // namespace

class PrincipaTest : public QObject {
    Q_OBJECT

    QList<ui::DialogRequest> dialogs;

    int mensajes(const QString& texto) const
    {
        return int(std::count_if(dialogs.begin(), dialogs.end(), [&](const auto& d) { return d.text == texto; }));
    }

    // The window as the launcher opens it, with the speed bar at its fastest.
    static principa& abrir()
    {
        principa& w = ui::instance<principa>();
        w.Show();
        [[maybe_unused]] const bool expuesta = QTest::qWaitForWindowExposed(&w);
        w.VScroll2->setValue(0);
        return w;
    }

private slots:
    void init()
    {
        ui::applyApplicationLook();
        classic::setDecimalSeparator('.');
        dialogs.clear();
        ui::setDialogAnswerer([this](const ui::DialogRequest& r) {
            dialogs.append(r);
            return ui::DialogReply{};
        });
        ui::setClockForTests([] {   // the spin buttons' tenth of a second passes at once
            static double t = 0;
            return t += 1;
        });
        DECLARAC::tiempo = 0;
        DECLARAC::velocidad = {};
        DECLARAC::color_graf = 0;
    }

    void cleanup()
    {
        paraLaCorrida.clear();
        ui::setDialogAnswerer({});
        ui::setClockForTests({});
        ui::unloadAllForms();
        classic::setDecimalSeparator('.');
    }

    void opensInItsStartState()
    {
        principa& w = ui::instance<principa>();
        w.Show();
        QCOMPARE(w.windowTitle(), QString::fromUtf8("Caída de partículas esféricas  //  Grupo Cormund"));
        const char* filas[][3] = {
            {"Frame1", "Caption", "Cuerpo"},           {"Label1", "Caption", "Radio (cm)"},
            {"Caja_radio", "Text", "1"},               {"Combo1", "Text", "Plomo (dens: 11.3)"},
            {"Option1(1)", "Caption", "Vacío"},        {"Option1(3)", "Caption", "Líquido"},
            {"Combo2", "Text", "Agua"},                {"Label5", "Caption", "Altura  metros"},
            {"tex_altura", "Caption", "80"},           {"Label4", "Caption", "Rapidez de simulación"},
            {"Label2", "Caption", "Grafico Posición - Tiempo"},
            {"Label3", "Caption", "Gráfico Velocidad - tiempo"},
            {"Boton_parar", "Caption", "Pausa"},       {"Boton_tiempo", "Caption", "Tiempo Final"},
            {"Boton_velocidad", "Caption", "Velocidad Final"},
        };
        for (const auto& f : filas) {
            QObject* o = w.findChild<QObject*>(QString::fromLatin1(f[0]));
            QVERIFY2(o, f[0]);
            QCOMPARE(o->property(f[1]).toString(), QString::fromUtf8(f[2]));
        }
        QCOMPARE(w.action(QStringLiteral("menu_modelo"))->text(), QStringLiteral("&Modelo"));
        QCOMPARE(w.action(QStringLiteral("menu_acerca"))->text(), QStringLiteral("Acerca de ..."));
        QVERIFY(w.Option1[1]->Value());
        QVERIFY(!w.Combo2->Visible());
        QCOMPARE(bloqueos(w), kLibres);
        QCOMPARE(w.VScroll2->Value(), 500);
        QCOMPARE(w.Shape1->Top(), 20.0);
        QCOMPARE(w.graf_veloc->ScaleTop(), 20.0);
        QCOMPARE(w.graf_veloc->ScaleHeight(), -40.0);
        QVERIFY(std::abs(w.graf_caida->ScaleHeight() - 101.364) < 1e-3);
        QVERIFY(std::abs(w.graf_pos->ScaleHeight() - 93.306) < 1e-3);
        QCOMPARE(DECLARAC::radio, 1.0);
        QCOMPARE(DECLARAC::densidad, 11.3);
        QCOMPARE(DECLARAC::densidades, (std::array<double, 6>{11.3, 7.8, 2.5, 0.92, 0.8, 0.02}));
        QCOMPARE(DECLARAC::dens_liquido, 1.0);
        QCOMPARE(DECLARAC::viscosidad, *classic::CCur(0.01));
        QVERIFY(dialogs.isEmpty());
    }

    void vacuumRunFrom20AndItsResults()
    {
        principa& w = abrir();
        iniciar(w);
        // 404 steps of 0.01 s, each adding 0.0981 m/s.
        QCOMPARE(DECLARAC::velocidad.ticks(), std::int64_t(396324));
        QVERIFY(std::abs(DECLARAC::tiempo - 4.04) < 1e-9);
        QCOMPARE(DECLARAC::color_graf, std::int16_t(1));
        // The sphere and the curves stay at the step-400 sample, in palette colour 1: the
        // sphere has fallen 0.000981 × (1 + 2 + … + 400) = 78.6762 m from 20.
        QVERIFY(std::abs(w.Shape1->Top() - 98.6762) < 1e-5);
        const QImage curva = w.graf_pos->drawing();
        QVERIFY(pixelesDistintos(curva, Qt::white) > 50);
        QCOMPARE(pixelesDistintos(curva, Qt::white) + pixelesDistintos(curva, ui::toQColor(ui::QBColor(1))),
                 curva.width() * curva.height());
        w.Hide();
        w.Show();
        QCOMPARE(w.graf_pos->drawing(), curva);

        clic(w.Boton_tiempo);
        clic(w.Boton_velocidad);
        clic(w.Option1[3]);   // the unit follows the medium chosen now
        clic(w.Boton_velocidad);
        QCOMPARE(dialogs[0].text, QStringLiteral("Tiempo final  4 (S)"));
        QCOMPARE(dialogs[1].text, QStringLiteral("Velocidad final  39.6 (m/S)"));
        QCOMPARE(dialogs[0].style, 0);
        QCOMPARE(dialogs.last().text, QStringLiteral("Velocidad final  39.6 (cm/S)"));
    }

    void runLocksInputsUntilItEnds_data()
    {
        QTest::addColumn<int>("medio");
        QTest::addColumn<QList<bool>>("enCurso");
        QTest::newRow("vacio") << 1 << QList<bool>{false, false, false, false, false, true, false, false};
        QTest::newRow("aire") << 2 << QList<bool>{false, false, false, false, false, true, false, false};
        QTest::newRow("liquido") << 3 << QList<bool>{false, false, false, false, false, true, true, true};
    }

    void runLocksInputsUntilItEnds()
    {
        QFETCH(int, medio);
        QFETCH(QList<bool>, enCurso);
        principa& w = abrir();
        clic(w.Option1[medio]);
        QList<bool> vistos;
        durante([&] {
            vistos = bloqueos(w);
            clic(w.Command1);
        });
        iniciar(w);
        QCOMPARE(vistos, enCurso);
        QCOMPARE(bloqueos(w), kLibres);
    }

    void finWhilePausedTakesOneMoreStep()
    {
        principa& w = abrir();
        double alPausar = -1, alDetener = -1, alSeguir = -1;
        QString rotulo;
        durante([&] {
            clic(w.Boton_parar);
            rotulo = w.Boton_parar->Caption();
            alPausar = DECLARAC::tiempo;
            durante([&] {
                alDetener = DECLARAC::tiempo;
                clic(w.Command1);
                durante([&] {
                    alSeguir = DECLARAC::tiempo;
                    clic(w.Boton_parar);
                });
            });
        });
        iniciar(w);
        QCOMPARE(rotulo, QStringLiteral("Continuar"));
        QVERIFY(alPausar > 0);
        QCOMPARE(alDetener, alPausar);
        QCOMPARE(alSeguir, alPausar);
        QCOMPARE(DECLARAC::tiempo, alPausar + 0.01);
        QCOMPARE(w.Boton_parar->Caption(), QStringLiteral("Pausa"));
        QCOMPARE(bloqueos(w), kLibres);
    }

    void fifteenRunsCycleThroughFourteenColours()
    {
        principa& w = abrir();
        w.VScroll1->setValue(100);   // no height: one step per run
        QList<int> colores;
        for (int i = 0; i < 15; ++i) {
            iniciar(w);
            colores << DECLARAC::color_graf;
            // The velocity curve's start point, at zero in the middle of its graph.
            QCOMPARE(w.graf_veloc->drawing().pixelColor(0, 111), ui::toQColor(ui::QBColor(colores.last())));
        }
        QCOMPARE(colores, (QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 1}));
        QCOMPARE(DECLARAC::velocidad.ticks(), std::int64_t(981));
    }

    void liquidChosenDuringARunAppliesFromTheNextStep()
    {
        principa& w = abrir();
        clic(w.Option1[3]);
        long pasosConAgua = -1;
        durante([&] {
            pasosConAgua = std::lround(DECLARAC::tiempo / 0.0001);
            w.Combo2->setListIndex(1);
            clic(w.Boton_parar);
            durante([&] {
                clic(w.Command1);
                clic(w.Boton_parar);
            });
        });
        iniciar(w);
        // The same run without the window: water up to the pick, oil for one step more.
        caida::Liquido liquido = caida::kAgua;
        caida::ModeloLiquido m(0.02, 11.3, 20, [&] { return liquido; });
        long pasos = 0;
        caida::Enlace enlace;
        enlace.detener = [&] { return pasos == pasosConAgua + 1; };
        enlace.pasoHecho = [&](const caida::Modelo&) {
            if (++pasos == pasosConAgua)
                liquido = caida::Liquido{0.9, *classic::CCur(0.2)};
        };
        caida::correr(m, enlace);
        QVERIFY(pasosConAgua > 0);
        QCOMPARE(DECLARAC::tiempo, m.tiempo);
        QCOMPARE(DECLARAC::velocidad, m.velocidad);
    }

    void runawayVelocityEndsTheRun()
    {
        principa& w = abrir();
        clic(w.Option1[2]);
        w.Combo1->setListIndex(5);
        escribirRadio(w, QStringLiteral("0.0001"));
        iniciar(w);
        // Five steps taken; the sixth would leave the currency's range.
        QCOMPARE(DECLARAC::velocidad.ticks(), std::int64_t(-80836607750337392));
        QCOMPARE(bloqueos(w), kLibres);
        clic(w.Boton_velocidad);
        QCOMPARE(dialogs.last().text, QStringLiteral("Velocidad final -8083660775033.7 (m/S)"));
    }

    void closeBoxOrEndDuringARunStopsItAtOnce()
    {
        principa& w = abrir();
        QPointer<principa> vieja(&w);
        double alCerrar = -1;
        durante([&] {
            alCerrar = DECLARAC::tiempo;
            w.close();
        });
        iniciar(w);
        QCOMPARE(DECLARAC::tiempo, alCerrar);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(vieja.isNull());

        // Opened again: the inputs start afresh, the run state stays.
        principa& nueva = abrir();
        QCOMPARE(nueva.Caja_radio->Text(), QStringLiteral("1"));
        QCOMPARE(bloqueos(nueva), kLibres);
        QCOMPARE(DECLARAC::tiempo, alCerrar);
        durante([&] {
            clic(nueva.Boton_parar);
            durante([&] {
                alCerrar = DECLARAC::tiempo;
                ui::End();
            });
        });
        iniciar(nueva);
        QCOMPARE(DECLARAC::tiempo, alCerrar);
        QCOMPARE(DECLARAC::color_graf, std::int16_t(2));
    }

    void salirHidesWhileTheRunGoesOn()
    {
        principa& w = abrir();
        bool oculta = false;
        durante([&] {
            clic(w.Boton_fin);
            oculta = !w.isVisible();
        });
        iniciar(w);
        QVERIFY(oculta);
        QCOMPARE(DECLARAC::velocidad.ticks(), std::int64_t(396324));
        QVERIFY(w.loaded());
    }

    void aFastRunRepaintsAtMostOncePerFrameAndShowsAllWhenPausedAndAtItsEnd()
    {
        double ahora = 0;   // each read of the clock is 4 ms later: a frame takes a few reads
        ui::setClockForTests([&] { return ahora += 0.004; });
        principa& w = abrir();
        clic(w.Option1[3]);
        w.Combo1->setListIndex(4);   // wood rises through water: about 115,000 steps
        Pantalla pos(w.graf_pos), veloc(w.graf_veloc);
        const auto completa = [&] { return pos.completa() && veloc.completa(); };
        bool completaEnPausa = false, completaAlFinal = false;
        // Paused at the sphere's 5th move and let go on; stopped at its 20th, while the curves
        // are still inside their graphs.
        int movidas = 0;
        EventSpy movida(w.Shape1, QEvent::Move, [&] {
            if (++movidas == 5)
                durante([&] {
                    clic(w.Boton_parar);
                    durante([&] {
                        completaEnPausa = completa();
                        clic(w.Boton_parar);
                    });
                });
            if (movidas == 20)
                durante([&] { clic(w.Command1); });
        });
        // The run's end enables "INICIAR" again, before anything else is handled.
        EventSpy fin(w.Boton_Iniciar, QEvent::EnabledChange, [&] {
            if (w.Boton_Iniciar->isEnabled())
                completaAlFinal = completa();
        });
        iniciar(w);
        const double cuadros = ahora * w.screen()->refreshRate();
        QVERIFY(completaEnPausa);
        QVERIFY(completaAlFinal);
        // Shown while it goes on, at most once per frame (and once more for the pause).
        QVERIFY(pos.repintados >= 2);
        QVERIFY2(pos.repintados <= cuadros + 3,
                 qPrintable(QStringLiteral("%1 repaints in %2 frames").arg(pos.repintados).arg(cuadros)));
    }

    void zeroRadiusIsRefused()
    {
        principa& w = abrir();
        DECLARAC::color_graf = 4;
        escribirRadio(w, {});
        QCOMPARE(DECLARAC::radio, 0.0);
        w.VScroll2->setFocus();
        iniciar(w);
        QCOMPARE(dialogs.size(), 1);
        QCOMPARE(dialogs[0].text, QStringLiteral("Valor de Radio fuera de rango"));
        QCOMPARE(dialogs[0].style, 48);
        QCOMPARE(w.focusWidget(), static_cast<QWidget*>(w.Caja_radio));
        QCOMPARE(DECLARAC::color_graf, std::int16_t(4));
        QCOMPARE(bloqueos(w), kLibres);
        QCOMPARE(pixelesDistintos(w.graf_pos->drawing(), Qt::white), 0);
    }

    void borrarClearsTheGraphsButLeavesTheBar()
    {
        principa& w = abrir();
        w.VScroll1->setValue(50);
        QCOMPARE(w.tex_altura->Caption(), QStringLiteral("50"));
        iniciar(w);
        clic(w.Boton_borrar);
        QCOMPARE(w.Shape1->Top(), 20.0);
        QCOMPARE(w.VScroll1->Value(), 50);
        QCOMPARE(w.tex_altura->Caption(), QStringLiteral("50"));
        QCOMPARE(pixelesDistintos(w.graf_pos->drawing(), Qt::white), 0);
        QCOMPARE(pixelesDistintos(w.graf_veloc->drawing(), Qt::white), 0);
        // The next run starts from 50 in colour 1; the sphere waits at 20 for the first sample.
        double alPrimerPaso = -1;
        durante([&] { alPrimerPaso = w.Shape1->Top(); });
        iniciar(w);
        QCOMPARE(alPrimerPaso, 20.0);
        QCOMPARE(DECLARAC::color_graf, std::int16_t(1));
    }

    void radiusBoxKeyFilterAndRange_data()
    {
        QTest::addColumn<QString>("inicio");
        QTest::addColumn<QString>("teclas");
        QTest::addColumn<QString>("texto");
        QTest::addColumn<double>("radio");
        QTest::addColumn<int>("avisos");
        QTest::newRow("letra") << "1" << "a" << "1" << 1.0 << 0;
        QTest::newRow("coma") << "1" << "," << "1" << 1.0 << 0;
        QTest::newRow("menos") << "1" << "-" << "1" << 1.0 << 0;
        QTest::newRow("doce") << "1" << "2" << "1" << 1.0 << 1;
        QTest::newRow("diez") << "1" << "0" << "10" << 10.0 << 0;
        QTest::newRow("dos_puntos") << "1" << ".5.2" << "1.5.2" << 1.5 << 0;
        QTest::newRow("diez_y_algo") << "" << "10.01" << "10" << 10.0 << 1;
        QTest::newRow("vacia") << "" << "" << "" << 0.0 << 0;
    }

    void radiusBoxKeyFilterAndRange()
    {
        QFETCH(QString, inicio);
        QFETCH(QString, teclas);
        QFETCH(QString, texto);
        QFETCH(double, radio);
        QFETCH(int, avisos);
        principa& w = abrir();
        escribirRadio(w, inicio);
        input::keys(w.Caja_radio, teclas);
        QCOMPARE(w.Caja_radio->Text(), texto);
        QCOMPARE(DECLARAC::radio, radio);
        QCOMPARE(mensajes(kFueraDeRango), avisos);
    }

    void radiusTooSmallToHaveAMassIsRefusedAtTheBox()
    {
        for (char sep : {'.', ','}) {
            classic::setDecimalSeparator(sep);
            dialogs.clear();
            // "0." and 110 zeros pass as 0; the 1 after them makes a radius whose volume is no
            // number at all.
            principa& w = abrir();
            input::focus(w.Caja_radio);
            input::key(w.Caja_radio, Qt::Key_End);
            input::key(w.Caja_radio, Qt::Key_Backspace);
            input::keys(w.Caja_radio, QStringLiteral("0.") + QString(110, QLatin1Char('0')));
            QCOMPARE(DECLARAC::radio, 0.0);
            QCOMPARE(dialogs.size(), 0);
            input::keys(w.Caja_radio, QStringLiteral("1"));
            QCOMPARE(mensajes(kFueraDeRango), 1);
            QCOMPARE(DECLARAC::radio, 0.0);
            QCOMPARE(w.Caja_radio->Text(), QStringLiteral("0"));
            // The run is refused for want of a radius, as for any radius 0, instead of ending
            // silently after no step.
            iniciar(w);
            QCOMPARE(mensajes(QStringLiteral("Valor de Radio fuera de rango")), 1);
            QCOMPARE(DECLARAC::color_graf, std::int16_t(0));

            // A small radius that still has a mass is taken.
            input::key(w.Caja_radio, Qt::Key_Backspace);
            input::keys(w.Caja_radio, QStringLiteral("0.01"));
            QCOMPARE(DECLARAC::radio, 0.01);
            QCOMPARE(mensajes(kFueraDeRango), 1);
            ui::unloadAllForms();
            DECLARAC::color_graf = 0;
        }
    }

    void spinButtonsStepTheRadiusAndRestoreTheirArrow()
    {
        principa& w = abrir();
        const QImage flecha = w.SpinDown->drawing();
        for (const char* esperado : {"0.9", "0.8"}) {
            clic(w.SpinDown);
            QCOMPARE(w.Caja_radio->Text(), QString::fromLatin1(esperado));
        }
        QCOMPARE(w.SpinDown->drawing(), flecha);
        escribirRadio(w, QStringLiteral("9.5"));
        clic(w.SpinUp);
        QCOMPARE(mensajes(kFueraDeRango), 1);
        QCOMPARE(dialogs.last().style, 48);
        QCOMPARE(w.Caja_radio->Text(), QStringLiteral("9.5"));
        QCOMPARE(DECLARAC::radio, 9.5);
        // In a liquid, foam keeps to its floor of 0.02.
        clic(w.Option1[3]);
        clic(w.SpinDown);
        w.Combo1->setListIndex(5);
        QCOMPARE(DECLARAC::densidad, 0.02);
        QCOMPARE(w.Caja_radio->Text(), QStringLiteral("0.02"));
        clic(w.SpinDown);
        clic(w.SpinUp);
        clic(w.SpinUp);
        QCOMPARE(w.Caja_radio->Text(), QStringLiteral("0.03"));
        w.ReducirRadioMedio();
        w.AumentarRadio();
        QCOMPARE(w.Caja_radio->Text(), QStringLiteral("0.12"));
    }

    void mediumWarnings_data()
    {
        QTest::addColumn<int>("antes");
        QTest::addColumn<int>("despues");
        QTest::addColumn<bool>("avisa");
        for (int a = 1; a <= 3; ++a)
            for (int d = 1; d <= 3; ++d)
                QTest::addRow("%d_a_%d", a, d) << a << d << (a * d >= 3);
    }

    void mediumWarnings()
    {
        QFETCH(int, antes);
        QFETCH(int, despues);
        QFETCH(bool, avisa);
        principa& w = abrir();
        clic(w.Option1[antes]);
        dialogs.clear();
        if (despues != antes)
            clic(w.Option1[despues]);
        else
            w.Option1_Click(despues);   // the option already chosen, clicked again
        QCOMPARE(mensajes(kAviso), avisa ? 1 : 0);
        QCOMPARE(int(w.medio_anterior), despues);
    }

    void mediumSwitchUnderADecimalComma()
    {
        classic::setDecimalSeparator(',');
        principa& w = abrir();
        clic(w.Option1[3]);
        QVERIFY(w.Combo2->Visible());
        QCOMPARE(w.Label5->Caption(), QStringLiteral("Altura   cm"));
        QCOMPARE(w.Caja_radio->Text(), QStringLiteral("0.02"));
        QCOMPARE(DECLARAC::radio, 0.02);
        QCOMPARE(w.graf_veloc->ScaleHeight(), -200.0);
        w.Combo2->setListIndex(1);
        QCOMPARE(DECLARAC::dens_liquido, 0.9);
        input::focus(w.Combo2);
        input::keys(w.Combo2, QStringLiteral("x"));
        QCOMPARE(w.Combo2->Text(), QStringLiteral("Aceite"));
        clic(w.Option1[2]);
        QVERIFY(!w.Combo2->Visible());
        QCOMPARE(w.Label5->Caption(), QStringLiteral("Altura  metros"));
        QCOMPARE(DECLARAC::radio, 1.0);
        QCOMPARE(w.graf_veloc->ScaleTop(), 20.0);
        clic(w.Option1[3]);
        QCOMPARE(w.Combo2->Text(), QStringLiteral("Agua"));
        QCOMPARE(DECLARAC::viscosidad, *classic::CCur(0.01));
        // The radius written under a comma is read back whole: the run starts.
        durante([&] { clic(w.Command1); });
        iniciar(w);
        QCOMPARE(DECLARAC::color_graf, std::int16_t(1));
    }

    void aWindowClosedUnderItsMessageIsLeftAlone()
    {
        // The message is answered after the window behind it was closed by its close box and
        // deleted: the handler that showed it touches the window no more.
        const auto cerradaAlResponder = [this](const std::function<void(principa&)>& accion, const QString& mensaje) {
            principa& w = abrir();
            const QPointer<principa> ventana(&w);
            ui::setDialogAnswerer([this, ventana](const ui::DialogRequest& r) {
                dialogs.append(r);
                input::closeBox(ventana);
                QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
                return ui::DialogReply{};
            });
            accion(w);
            return ventana.isNull() && mensajes(mensaje) == 1;
        };
        // A refused radius, which the box would be given back.
        QVERIFY(cerradaAlResponder([](principa& w) { w.Caja_radio->setText(QStringLiteral("11")); }, kFueraDeRango));
        QCOMPARE(DECLARAC::radio, 1.0);
        // The warning of a new medium, which the window would remember.
        QVERIFY(cerradaAlResponder([](principa& w) { w.Option1_Click(3); }, kAviso));
        // A run refused for its radius, whose box would take the focus.
        QVERIFY(cerradaAlResponder([](principa& w) {
            w.Caja_radio->setText(QStringLiteral("0"));
            w.Boton_Iniciar->click();
        }, QStringLiteral("Valor de Radio fuera de rango")));
    }

    void menuMessages()
    {
        principa& w = abrir();
        w.action(QStringLiteral("menu_modelo"))->trigger();
        w.action(QStringLiteral("menu_acerca"))->trigger();
        QCOMPARE(dialogs[0].text, QString::fromUtf8(
                                      "En vacío se considera aceleración constante (g)\r\n\r\n"
                                      "En líquido la fuerza resistente es proporcional a la velocidad\r\n\r\n"
                                      "En aire, la fuerza resistente es proporcional al cuadrado de la velocidad"));
        QCOMPARE(dialogs[1].text, common::textoAcercaDe(QStringLiteral("Autor de esta pantalla: Lucía Ejemplo"),
                                                       QStringLiteral("e-mail ") + common::kCorreo));
        w.action(QStringLiteral("menu_salir"))->trigger();
        QVERIFY(!w.isVisible());
    }
};

QTEST_MAIN(PrincipaTest)
#include "principa_test.moc"
