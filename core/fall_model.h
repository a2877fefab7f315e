// The falling sphere's physics, the radius steps and the numbers of the result messages,
// in plain C++ so that they can be computed and checked without a window.
//
// Every quantity is a double except the velocity, which is the fixed-point currency type:
// after each step the new velocity is rounded to the nearest ten-thousandth (an exact half
// to the even neighbour), and the position moves with that rounded value.
#pragma once

#include "core/conversions.h"

#include <cstdint>
#include <optional>
#include <string>

namespace caida {

// 4·atan(1).
double pi();

// What one step of a run produced.
enum class Paso {
    Calculado,   // a step between samples: nothing to show
    Muestra,     // the 20th step since the last sample, above the ground: show it
    Desborde,    // the new velocity would leave the currency range: the step is not taken
};

// A sphere falling through vacuum or air (SI units: m, kg, m/s). The drag grows with the
// square of the velocity; in vacuum there is none and the fall has constant acceleration.
class ModeloAire {
public:
    // radio in cm, densidad in g/cm³; inicio is the height bar's value (0 top, 100 ground).
    ModeloAire(double radio, double densidad, bool vacio, int inicio);

    Paso paso();
    // The fall goes on while the sphere is above the ground.
    bool sigue() const { return y < 100; }

    // Constants of the run.
    double dt = 0.01;
    double cd = 0.4;
    double volumen;
    double masa;
    double gravedad = 9.81;
    double seccion;
    double densAire;

    // State of the run.
    double tiempo = 0;
    classic::Currency velocidad;
    double y;
    int k = 0;   // steps since the last sample
};

// A sphere falling (or rising) through a liquid (CGS units: cm, g, cm/s). The drag is
// proportional to the velocity and the liquid buoys the sphere up.
class ModeloLiquido {
public:
    ModeloLiquido(double radio, double densidad, int inicio);

    // The liquid may change between two steps, so each step is told which one it is.
    Paso paso(double densLiquido, classic::Currency viscosidad);
    // The run ends when the sphere reaches the bottom or rises out past the top.
    bool sigue() const { return y < 100 && y >= 0; }

    double dt = 0.0001;
    double radio;
    double volumen;
    double masa;
    double gravedad = 981;

    double tiempo = 0;
    classic::Currency velocidad;
    double y;
    int k = 0;
};

// A whole run computed without a window: what the run loop does between "INICIAR" and
// the end, less the yields, the delay and the drawing.
struct Corrida {
    long pasos = 0;
    int muestras = 0;
    long pasoUltimaMuestra = 0;
    double yUltimaMuestra = 0;
    bool desborde = false;
};

template <class Modelo, class... Liquido> Corrida correr(Modelo& m, long tope, Liquido... liquido)
{
    Corrida c;
    do {
        const Paso p = m.paso(liquido...);
        if (p == Paso::Desborde) {
            c.desborde = true;
            break;
        }
        ++c.pasos;
        if (p == Paso::Muestra) {
            ++c.muestras;
            c.pasoUltimaMuestra = c.pasos;
            c.yUltimaMuestra = m.y;
        }
    } while (m.sigue() && c.pasos < tope);
    return c;
}

// The final time and velocity, rounded to a tenth with halves going up, and the texts of
// their messages ("Tiempo final  4 (S)", "Velocidad final  39.6 (m/S)").
double tiempoRedondeado(double tiempo);
double velocidadRedondeada(classic::Currency velocidad);
std::string textoTiempoFinal(double tiempo);
std::string textoVelocidadFinal(classic::Currency velocidad, bool liquido);

// One step of the radius spin buttons: the new radius to write into the radius box, or
// nothing when the step leaves the radius and the box alone. With fino the small radii
// step by hundredths (0.01 to 0.1), otherwise by tenths only; liquido and espuma add the
// liquid's limits and the foam's floor of 0.02.
std::optional<double> subirRadio(double radio, bool liquido, bool fino = true);
std::optional<double> bajarRadio(double radio, bool liquido, bool espuma, bool fino = true);

// True when a sphere of this radius (cm) and material density (g/cm³) has a mass in both
// falls. A radius so small that its volume underflows would fall with no mass at all (or a
// mass too small to divide by). 0, the radius of no sphere, is the run's to refuse.
bool tieneMasa(double radio, double densidad);

// The radius as the radius box shows it: up to 15 significant digits and always a decimal
// point, so that Val reads it back unchanged whatever the user's locale.
std::string textoRadio(double radio);

// The delay between two steps: `pasadas` passes of an empty loop of about a microsecond
// each. The passes really run; their length is measured once against the clock.
void retardar(long pasadas);

} // namespace caida
