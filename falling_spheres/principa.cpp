#include "falling_spheres/principa.h"

principa::principa()
    : ui::Form(QStringLiteral("principa"), QStringLiteral("Caída de partículas esféricas  //  Grupo Cormund"), 8295,
               5850)
{
}
