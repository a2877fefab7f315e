#include "pressure/form1.h"

Form1::Form1()
    : ui::Form(QStringLiteral("Form1"), QStringLiteral("Presiones Hidrostáticas // Grupo Cormund"), 8445, 5745)
{
}
