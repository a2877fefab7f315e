// The falling spheres' state: the inputs of a run and what the last run left behind.
// Everything starts at zero with the program and outlives the window: hiding it, closing it
// and opening it again keep the run state; opening it again sets the inputs afresh.
#pragma once

#include "common/declarac.h"
#include "core/conversions.h"
#include "core/fall_model.h"

#include <array>
#include <cstdint>

namespace DECLARAC {

// The run: time (s), velocity (m/s in vacuum and air, cm/s in a liquid; positive downward),
// the sphere's mass and gravity in the run's units, the air's density and the sphere's
// cross-section (vacuum and air runs only).
inline double tiempo = 0;
inline classic::Currency velocidad;
inline double masa = 0;
inline double gravedad = 0;
inline double dens_aire = 0;
inline double seccion = 0;

// 1 while a pause is asked for; -1 once "Fin" asked the run to stop.
inline std::int16_t pausa = 0;
inline std::int16_t detener = 0;
// Palette colour of the current run's curves: 1 to 14, 0 before the first run and after
// "Borrar".
inline std::int16_t color_graf = 0;
// The speed bar's value: the run waits retardo × 10 passes after each step.
inline std::int16_t retardo = 0;

// The sphere and the medium: radius (cm), material density and the table of materials
// (g/cm³), the liquid's density (g/cm³) and viscosity (poise).
inline double radio = 0;
inline double densidad = 0;
inline std::array<double, caida::kMateriales.size()> densidades{};
inline double dens_liquido = 0;
inline classic::Currency viscosidad;

} // namespace DECLARAC
