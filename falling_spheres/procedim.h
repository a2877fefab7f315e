// The two falls that "INICIAR" runs in the falling-spheres window: each one computes the
// sphere step by step, moves it, draws the graphs every 20th step and yields to the user
// once per step, until the sphere lands (or, in a liquid, rises out), "Fin" stops it, or
// the window is closed.
#pragma once

class principa;

namespace PROCEDIM {

// Vacuum or air, as the medium options say: metres, seconds, drag growing with the square
// of the velocity.
void CaidaAireVacio();
// A liquid: centimetres, drag proportional to the velocity, buoyancy.
void CaidaLiquido();

// The window whose fall is going on, or nullptr between runs.
principa* ventanaEnCurso();

} // namespace PROCEDIM
