#include "flotation/flotar.h"

flotar::flotar()
    : ui::Form(QStringLiteral("flotar"), QStringLiteral("Flotación  // Grupo Cormund"), 7740, 5550)
{
}
