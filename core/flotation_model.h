// The floating block without any window: where it rests for three densities and the text
// of its submerged percentage, the rule that keeps the upper liquid no denser than the
// liquid, the settling motion step by step, and where a dropped block may stay.
//
// Vessel units: x and y from 0 to 100, y growing downward; one unit is taken as 1 cm.
// The block is a square of side `lado`; its Top is the height of its upper edge.
#pragma once

#include <functional>
#include <optional>
#include <string>

namespace flotacion {

inline constexpr double kSuperficie = 60;   // y of the liquid's surface
inline constexpr double kFondo = 100;       // y of the vessel's bottom
inline constexpr double kDt = 0.01;         // seconds of model time per step of the motion

// The submerged depth at which the block's weight equals the buoyancy of the liquid over
// that depth plus the upper layer's over the rest: lado × (Dc − Da) / (Dl − Da).
// Da upper layer, Dc block, Dl liquid. Empty when the upper layer is as dense as the liquid.
std::optional<double> Ysum(double Da, double Dc, double Dl, int lado);

struct Ubicacion {
    double yCuerpo;            // the block's Top
    std::string porcentaje;    // the submerged percentage as the window shows it
};

// The place of a block whose equilibrium depth is s: above the vessel's top for s < 0,
// across the surface for 0 ≤ s ≤ lado, on the bottom for s > lado.
Ubicacion ubicarPorHundimiento(double s, int lado);

// The static place of the block for the three densities (g/cm³).
Ubicacion ubicar(double densidadSup, double densidadCuerpo, double densidadLiq, int lado);

// The density bars, in hundredths of g/cm³. A liquid bar left below the upper-liquid bar
// climbs by 10 (never past `maximo`); an upper-liquid bar left above the liquid bar falls
// by 10. Each gives the next value to set, or nothing when the bar may stay.
std::optional<int> subidaLiquido(int valorLiquido, int valorSuperior, int maximo);
std::optional<int> bajadaSuperior(int valorLiquido, int valorSuperior);

// The block's mass in grams for its density: a cube of side `lado`.
double masa(double densidadCuerpo, int lado);

// The part of the block's height under the surface while it moves, from its Top.
double hundimiento(double yCuerpo, int lado);

// The block as the motion moves it.
struct Bloque {
    double yCuerpo;           // its Top
    double velocidadCuerpo;   // vessel units per second, positive downward
    double masa;              // g, taken when the motion starts
    int lado;
};

// What the block moves through.
struct Medios {
    double densidadLiq;   // the liquid, g/cm³
    double densidadSup;   // the upper layer: air or a liquid, g/cm³
    int gravedad;         // cm/s²
};

enum class Fin {
    Sigue,        // the block moved; the motion goes on
    Fondo,        // the block reached the bottom: it stays drawn where it was
    Techo,        // the block would have left through the vessel's top: it stops there, at Top 0
    Detenido,     // the motion's flag was cleared
    Abandonado,   // the window went away during a yield
};

// One step of dt of the settling motion: the weight against the buoyancy of the liquid and
// of the upper layer and a drag that grows with the submerged depth and the speed squared.
// Moves the block's Top and speed.
Fin paso(Bloque& bloque, const Medios& medios);

// How a motion meets the window it runs in. The handlers that run inside a yield may change
// the block and the media, so both are read afresh at every step. ceder and mostrar may be
// left empty (no yield, nothing drawn); the others are needed.
struct EnlaceMovimiento {
    // One yield to the user; false when the motion must end at once and touch nothing more.
    std::function<bool()> ceder;
    // The motion's flag, tested after every yield: false ends the motion.
    std::function<bool()> enMovimiento;
    std::function<Bloque()> bloque;
    std::function<Medios()> medios;
    // After every step: the block's new Top and speed.
    std::function<void(const Bloque&)> movido;
    // The block drawn at its new Top: after every step but the one that reaches the bottom.
    std::function<void(double yCuerpo)> mostrar;
};

// The settling motion: a yield and a step, again and again, until the flag is cleared, the
// window goes away, or the block reaches the bottom or the top. Never Fin::Sigue.
Fin mover(const EnlaceMovimiento& enlace);

// A dropped block is kept inside the vessel.
double alturaDeCaida(double y, int lado);

// True when the block is neutral where it was dropped: as dense as the liquid and wholly in
// it, as dense as the upper layer and wholly in it, or all three densities equal.
bool quedaDondeCae(double yCuerpo, double densidadCuerpo, double densidadLiq, double densidadSup, int lado);

// The liquid level that follows the block's Top as it pushes the liquid aside.
double nivelPorTop(double yCuerpo);

} // namespace flotacion
