// The physics and the rules of the hydrostatic pressure window, without any widget:
// the liquids, the gas under the loaded piston, the wall gauges and their needles, the
// weights' kilograms and rack places, the piston zone, the spin buttons' guards, the
// hand-held gauge and the atmospheric pressure typed by the user.
//
// Units: loads in kgf (text box) or N (model), pressures in N/cm² (model) and hPa (screen,
// 1 N/cm² = 100 hPa), levels in cm, screen positions in twips of the window.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace pressure {

// ---------------------------------------------------------------------------------------
// Liquids

struct Liquido {
    std::string_view texto;   // the list item: density with a decimal comma, blanks, name
    double pesoEspecifico;    // N/cm³ = density in g/cm³ × 9.8 / 1000
};

inline constexpr std::array<Liquido, 5> kLiquidos = {{
    {"0,25    xxx", 0.00245},
    {"0,7899    acetona", 0.00774102},
    {"1         agua", 0.0098},
    {"1,20   sol.NaCl(26%W)", 0.01176},
    {"13,546    mercurio", 0.1327508},
}};

// The text the list shows before the first choice; it names no liquid of the list.
inline constexpr std::string_view kTextoListaInicial = "1      agua";
inline constexpr double kPesoEspecificoAgua = 0.0098;

// The specific weight of the list item written exactly so (blanks and case count).
std::optional<double> pesoEspecificoDe(std::string_view texto);

// ---------------------------------------------------------------------------------------
// Vessel, gas and gauges

inline constexpr float kPresionAtmInicial = 1013.0f;   // hPa
inline constexpr float kEscalaInicial = 15.0f;         // N/cm² per full turn of a needle
inline constexpr double kFondoY = 5310.0;              // the vessel's bottom
inline constexpr double kAlturaCilindro = 3480.0;      // 100 cm at 34.8 twips per cm
inline constexpr double kLlenoY = kFondoY - kAlturaCilindro;
inline constexpr double kAreaPiston = 100.0;           // cm²
inline constexpr double kGravedad = 9.8;               // N per kgf
// The gas column times the load stays 11760 twips·N: 1200 twips under a load of 1 kgf.
inline constexpr double kVolumenGas = 11760.0;
// Below these tops the piston lies above gauges 1, 2 and 3 (gauge 0 is always under it).
inline constexpr std::array<float, 4> kLimitePiston = {0.0f, 4425.0f, 3555.0f, 2685.0f};

// Liquid surface for the value of the level bar (0 = full vessel, 100 = empty).
double superficieY(int valorBarra);
// Level in cm for the value of the level bar.
inline int alturaDeBarra(int valorBarra) { return 100 - valorBarra; }

// Load on the piston in N for a load in kgf, and the gas pressure it makes, in N/cm².
inline double cargaEnNewtons(double kgf) { return kgf * kGravedad; }
inline double presionDelGas(double pesoTotal) { return pesoTotal / kAreaPiston; }

// New top of the piston over a liquid whose surface is at topLiquido; none when there is
// no load to hold the gas (the piston is then hidden and keeps its last place).
std::optional<float> topePiston(float topLiquido, float altoPiston, double pesoTotal);

// Pressure above the atmosphere read by gauge k (tap at 25·k cm): the gas pressure plus the
// liquid above the tap; in the gas (tap above the surface) the gas pressure alone.
double presionManometro(double presionGas, double pesoEspecifico, int alturaLiquido, int k);

// Whether the tap of gauge k lies under the piston (in the gas or the liquid) rather than in
// the open air above it. Gauge 0 always does.
bool bajoElPiston(float topPiston, int k);

// The free end of a needle for a pressure (N/cm²), in the dial's scale (centre 0,0, y up):
// 0.8 units long, 3 o'clock at zero, counter-clockwise as the pressure rises.
struct ExtremoAguja {
    float x, y;
};
ExtremoAguja extremoAguja(double presion, float escala);

// Every pressure shown: two decimals, no leading zero below 1, the locale's separator.
std::string formato(double valor);

// ---------------------------------------------------------------------------------------
// Weights and load

inline constexpr int kCantidadPesas = 5;
inline constexpr int kRackY = 1080;
inline constexpr double kCargaMaxima = 100.0;   // kgf
inline constexpr double kPesoMinimoInicial = 2.0;

// Kilograms of weight `index` (1, 5, 10, 20, 40), and as the weight's Tag text.
double kilogramosPesa(int index);
std::string textoKilogramos(int index);
// Left of the rack place of weight `index`; the rack's top is kRackY.
inline int rackX(int index) { return 3980 + 420 * index; }

// A drop on the window at (x, y) falls on the piston: between the walls, above y 5145.
bool enZonaPiston(float x, float y);
// A weight of w kgf may join a load of `carga` kgf without passing the cap.
inline bool cabeEnCarga(double carga, double w) { return carga <= kCargaMaxima - w; }

// ---------------------------------------------------------------------------------------
// Spin buttons of the piston's own weight

enum class Giro { Arriba1, Abajo1, Arriba10, Abajo10 };
inline constexpr double kCargaMaximaGiro = 77.0;

int pasoDe(Giro g);
// Whether the button may step a load of `carga` kgf, with pesoMinimo the piston's 1 kgf
// plus the weights riding on it.
bool permitePaso(Giro g, double carga, double pesoMinimo);
// "Incluye Peso del Pistón=<kgf> Kgf".
std::string leyendaPiston(std::int16_t pesoPiston);

// ---------------------------------------------------------------------------------------
// Hand-held gauge

// Depth under the surface (cm) of a pointer y twips below the top of the liquid picture,
// `alto` twips high (its last row of pixels, alto − 15, is the bottom).
double profundidadManual(int alturaLiquido, double y, double alto);
// The gauge boxes hold 6 characters.
inline constexpr int kLargoCajaManual = 6;

// ---------------------------------------------------------------------------------------
// Atmospheric pressure typed by the user

struct RespuestaPresion {
    enum Tipo { Vacia, FueraDeRango, Aceptada } tipo = Vacia;
    float valor = 0;
};

// Reads the answer of the input box: empty (cancelled) changes nothing; a number read as
// the program reads numbers (point only, text without a number gives 0); a value that a
// single-precision number cannot hold, or no finite value, is refused.
RespuestaPresion leerPresionAtm(std::string_view respuesta);
// The current value proposed in the input box, written so that accepting it unchanged
// gives back exactly the same value (a point as decimal separator).
std::string propuestaPresionAtm(float presionAtm);

} // namespace pressure
