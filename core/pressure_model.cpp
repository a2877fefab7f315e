#include "core/pressure_model.h"

#include "core/conversions.h"

#include <cmath>

namespace pressure {

std::optional<double> pesoEspecificoDe(std::string_view texto)
{
    for (const Liquido& l : kLiquidos)
        if (l.texto == texto)
            return l.pesoEspecifico;
    return std::nullopt;
}

double superficieY(int valorBarra) { return kLlenoY + (kAlturaCilindro * valorBarra) / 100.0; }

std::optional<float> topePiston(float topLiquido, float altoPiston, double pesoTotal)
{
    if (!(pesoTotal > 0))
        return std::nullopt;
    return static_cast<float>((double(topLiquido) - double(altoPiston)) - kVolumenGas / pesoTotal);
}

double presionManometro(double presionGas, double pesoEspecifico, int alturaLiquido, int k)
{
    const int profundidad = alturaLiquido - 25 * k;
    if (profundidad < 0)
        return presionGas;
    return presionGas + pesoEspecifico * profundidad;
}

bool bajoElPiston(float topPiston, int k)
{
    if (k <= 0 || k >= int(kLimitePiston.size()))
        return true;
    return topPiston < kLimitePiston[static_cast<std::size_t>(k)];
}

ExtremoAguja extremoAguja(double presion, float escala)
{
    // One turn is 6.283184 radians as the dials were drawn, not 2π to full precision.
    const double a = presion * 6.283184 / escala;
    return {static_cast<float>(std::cos(a) * 0.8), static_cast<float>(std::sin(a) * 0.8)};
}

std::string formato(double valor) { return classic::Format(valor, "###.00"); }

double kilogramosPesa(int index)
{
    if (index == 0)
        return 1.0;
    return 5.0 * std::pow(2.0, index - 1);
}

std::string textoKilogramos(int index)
{
    if (index == 0)
        return "1";
    return classic::CStr(kilogramosPesa(index));
}

bool enZonaPiston(float x, float y)
{
    if (x <= 840.0f)
        return false;
    if (x >= 1995.0f)
        return false;
    if (y >= 5145.0f)
        return false;
    return true;
}

int pasoDe(Giro g)
{
    switch (g) {
    case Giro::Arriba1: return 1;
    case Giro::Abajo1: return -1;
    case Giro::Arriba10: return 10;
    case Giro::Abajo10: return -10;
    }
    return 0;
}

bool permitePaso(Giro g, double carga, double pesoMinimo)
{
    switch (g) {
    case Giro::Arriba1:
    case Giro::Arriba10: return carga <= kCargaMaximaGiro;
    case Giro::Abajo1: return carga >= pesoMinimo;
    case Giro::Abajo10: return carga >= pesoMinimo + 10;
    }
    return false;
}

std::string leyendaPiston(std::int16_t pesoPiston)
{
    return "Incluye Peso del Pistón=" + classic::Format(double(pesoPiston)) + " Kgf";
}

double profundidadManual(int alturaLiquido, double y, double alto)
{
    double altura = 0;
    if (alturaLiquido != 0)
        altura = alturaLiquido - alturaLiquido * y / (alto - 15.0);
    return alturaLiquido - altura;
}

RespuestaPresion leerPresionAtm(std::string_view respuesta)
{
    if (respuesta.empty())
        return {};
    // Below 2^128 − 2^103 a number rounds to a finite single; from there on to infinity.
    constexpr double kMasAllaDeSimple = 0x1.ffffffp127;
    const double v = classic::Val(respuesta);
    if (!std::isfinite(v) || std::fabs(v) >= kMasAllaDeSimple)
        return {RespuestaPresion::FueraDeRango, 0};
    return {RespuestaPresion::Aceptada, static_cast<float>(v)};
}

std::string propuestaPresionAtm(float presionAtm)
{
    // As the program writes a single, with a point: "1013", "1013.25", "1.234568E+07". Where
    // seven digits do not tell two singles apart, one or two more in the same style do
    // ("1.2345679E+08"): nine always do.
    for (int digitos = 7; digitos < 9; ++digitos) {
        const std::string s = classic::generalText(presionAtm, digitos, '.');
        const RespuestaPresion r = leerPresionAtm(s);
        if (!std::isfinite(presionAtm) || (r.tipo == RespuestaPresion::Aceptada && r.valor == presionAtm))
            return s;
    }
    return classic::generalText(presionAtm, 9, '.');
}

} // namespace pressure
