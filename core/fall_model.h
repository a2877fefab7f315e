// The falling spheres without any window: the materials and liquids, the two falls, the run
// loop that steps them for the window, the tests and the benchmarks alike, the radius steps
// and the numbers of the result messages.
//
// Every quantity is a double except the velocity, which is the fixed-point currency type:
// after each step the new velocity is rounded to the nearest ten-thousandth (an exact half
// to the even neighbour), and the position moves with that rounded value.
#pragma once

#include "core/conversions.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace caida {

// 4·atan(1).
double pi();

// ---------------------------------------------------------------------------------------
// Materials and liquids

// The material list in order, with each material's density in g/cm³.
struct Material {
    std::string_view texto;
    double densidad;
};

inline constexpr std::array<Material, 6> kMateriales = {{
    {"Plomo (dens: 11.3)", 11.3},
    {"Acero (dens: 7.8)", 7.8},
    {"Piedra (dens: 2.5)", 2.5},
    {"Hielo (dens: 0.92)", 0.92},
    {"Madera (dens: 0.8)", 0.8},
    {"Espuma Plast(dens: 0.02)", 0.02},
}};

// The lightest material: the one whose spheres are the first to lose their mass as the
// radius shrinks.
inline constexpr double kMaterialMasLiviano =
    std::min_element(kMateriales.begin(), kMateriales.end(), [](const Material& a, const Material& b) {
        return a.densidad < b.densidad;
    })->densidad;

// A liquid as a liquid fall steps through it: density in g/cm³, viscosity in poise.
struct Liquido {
    double densidad;
    classic::Currency viscosidad;
};

inline constexpr Liquido kAgua = {1, classic::Currency::fromTicks(100)};   // 0.01 P

// The liquid list in order. Water is the same whichever way the list reaches it; oil differs
// between a pick from the list and a change of the list's text.
struct ItemLiquido {
    std::string_view texto;
    Liquido alElegir;
    Liquido alCambiarTexto;
};

inline constexpr std::array<ItemLiquido, 2> kLiquidos = {{
    {"Agua", kAgua, kAgua},
    {"Aceite", {0.9, classic::Currency::fromTicks(2000)}, {0.8, classic::Currency::fromTicks(20000)}},
}};

// The liquid of list position `indice`, picked or reached by a change of the list's text;
// nothing when no item is selected.
std::optional<Liquido> liquidoElegido(int indice);
std::optional<Liquido> liquidoPorTexto(int indice);

// ---------------------------------------------------------------------------------------
// The two falls

// What one step of a run produced.
enum class Paso {
    Calculado,   // a step between samples: nothing to show
    Muestra,     // the 20th step since the last sample, above the ground: show it
    Desborde,    // the new velocity would leave the currency range: the step is not taken
};

// What both falls share: the run's constants and state, and the end of every step.
class Modelo {
public:
    virtual ~Modelo() = default;

    virtual Paso paso() = 0;
    virtual bool sigue() const = 0;

    // Constants of the run.
    double dt;
    double volumen = 0;
    double masa = 0;
    double gravedad;

    // State of the run.
    double tiempo = 0;
    classic::Currency velocidad;
    double y;
    int k = 0;   // steps since the last sample

protected:
    Modelo(double dt_, double gravedad_, int inicio) : dt(dt_), gravedad(gravedad_), y(inicio) {}
    Modelo(const Modelo&) = default;
    Modelo& operator=(const Modelo&) = default;

    // The velocity v takes the acceleration a over one step.
    Paso avanzar(double v, double a);
};

// A sphere falling through vacuum or air (SI units: m, kg, m/s). The drag grows with the
// square of the velocity; in vacuum there is none and the fall has constant acceleration.
class ModeloAire : public Modelo {
public:
    // radio in cm, densidad in g/cm³; inicio is the height bar's value (0 top, 100 ground).
    ModeloAire(double radio, double densidad, bool vacio, int inicio);

    Paso paso() override;
    // The fall goes on while the sphere is above the ground.
    bool sigue() const override { return y < 100; }

    double cd = 0.4;
    double seccion;
    double densAire;
};

// A sphere falling (or rising) through a liquid (CGS units: cm, g, cm/s). The drag is
// proportional to the velocity and the liquid buoys the sphere up.
class ModeloLiquido : public Modelo {
public:
    // The liquid may change between two steps: `liquido` is asked at every step.
    ModeloLiquido(double radio, double densidad, int inicio, std::function<Liquido()> liquido);
    // One liquid for the whole run.
    ModeloLiquido(double radio, double densidad, int inicio, Liquido liquido = kAgua);

    Paso paso() override;
    // The run ends when the sphere reaches the bottom or rises out past the top.
    bool sigue() const override { return y < 100 && y >= 0; }

    double radio;

private:
    std::function<Liquido()> liquido_;
};

// ---------------------------------------------------------------------------------------
// The run loop

// How a run meets whoever watches it. Every member may be left empty: then nothing stops
// the run, nothing is shown, the yield always goes on and there is no delay.
struct Enlace {
    // Tested before every step: "Fin" was pressed, the run ends here.
    std::function<bool()> detener;
    // Tested before every step: while it holds, the step waits, yielding again and again.
    // Stopping is not looked at during the wait.
    std::function<bool()> enPausa;
    // After every step taken: the run state as the step left it.
    std::function<void(const Modelo&)> pasoHecho;
    // After pasoHecho, when the step is a sample: show the sphere and the curves.
    std::function<void(const Modelo&)> muestra;
    // One yield to the user; false when the run must end at once and touch nothing more.
    std::function<bool()> ceder;
    // The speed setting, read after each step's yield: the step then waits retardo × 10
    // passes of the delay loop.
    std::function<int()> retardo;
};

enum class Final {
    Terminada,    // the sphere reached the ground (or, in a liquid, rose out)
    Detenida,     // "Fin"
    Desborde,     // the velocity would have left the currency range
    Abandonada,   // the watcher went away during a yield
};

struct Corrida {
    Final fin;
    long pasos;   // steps taken
};

// The run from its first step to its end. The sphere's place is tested after each step, so
// a run that "Fin" does not stop before it starts takes at least one step.
Corrida correr(Modelo& m, const Enlace& enlace = {});

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
