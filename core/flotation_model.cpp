#include "core/flotation_model.h"

#include "core/conversions.h"

#include <algorithm>

namespace flotacion {

std::optional<double> Ysum(double Da, double Dc, double Dl, int lado)
{
    if (Da == Dl)
        return std::nullopt;
    return lado * (Dc - Da) / (Dl - Da);
}

Ubicacion ubicarPorHundimiento(double s, int lado)
{
    if (s < 0)
        return {0, "0"};
    if (s <= lado)
        return {s + kSuperficie - lado, classic::Format(s / lado * 100, "##.##")};
    return {kFondo - lado, "100"};
}

Ubicacion ubicar(double densidadSup, double densidadCuerpo, double densidadLiq, int lado)
{
    // As dense as the liquid: wholly under the surface; as dense as the upper layer: wholly above it.
    if (densidadCuerpo == densidadLiq)
        return {65, "100"};
    if (densidadCuerpo == densidadSup)
        return {20, "0"};
    // Two layers of one density: the block rises to the top or sinks to the bottom.
    if (densidadSup == densidadLiq && densidadCuerpo < densidadSup)
        return {0, "0"};
    if (densidadSup == densidadLiq && densidadCuerpo > densidadLiq)
        return {kFondo - lado, "100"};
    // Every state with equal layers was taken above, so the depth always has a value.
    return ubicarPorHundimiento(Ysum(densidadSup, densidadCuerpo, densidadLiq, lado).value_or(0), lado);
}

std::optional<int> subidaLiquido(int valorLiquido, int valorSuperior, int maximo)
{
    if (valorLiquido >= valorSuperior)
        return std::nullopt;
    return std::min(valorLiquido + 10, maximo);
}

std::optional<int> bajadaSuperior(int valorLiquido, int valorSuperior)
{
    if (valorLiquido >= valorSuperior)
        return std::nullopt;
    return valorSuperior - 10;
}

double masa(double densidadCuerpo, int lado)
{
    const double seccion = lado * lado;
    const double volumen = seccion * lado;
    return densidadCuerpo * volumen;
}

double hundimiento(double yCuerpo, int lado)
{
    if (yCuerpo <= kSuperficie - lado)
        return 0;
    if (yCuerpo < kSuperficie)
        return yCuerpo + lado - kSuperficie;
    return lado;
}

Fin paso(Bloque& b, const Medios& m)
{
    const double seccion = b.lado * b.lado;
    const double y = b.yCuerpo;
    const double v = b.velocidadCuerpo;
    const double s = hundimiento(y, b.lado);
    const double empujeLiquido = seccion * s * m.densidadLiq * m.gravedad;
    const double empujeSuperior = y < kSuperficie ? seccion * (b.lado - s) * m.densidadSup * m.gravedad : 0.0;
    const double signo = v > 0 ? 1.0 : (v < 0 ? -1.0 : 0.0);
    const double rozamiento = 100 * s * v * v * signo;
    const double a = (b.masa * m.gravedad - empujeLiquido - empujeSuperior - rozamiento) * (1 / b.masa);
    b.velocidadCuerpo = v + a * kDt;
    b.yCuerpo = y + b.velocidadCuerpo * kDt;
    if (b.yCuerpo >= kFondo - b.lado)
        return Fin::Fondo;
    if (b.yCuerpo < 0) {
        b.yCuerpo = 0;
        b.velocidadCuerpo = 0;
        return Fin::Techo;
    }
    return Fin::Sigue;
}

Fin mover(const EnlaceMovimiento& e)
{
    for (;;) {
        if (e.ceder && !e.ceder())
            return Fin::Abandonado;
        if (!e.enMovimiento())
            return Fin::Detenido;
        Bloque b = e.bloque();
        const Fin fin = paso(b, e.medios());
        e.movido(b);
        if (fin == Fin::Fondo)
            return fin;
        if (e.mostrar)
            e.mostrar(b.yCuerpo);
        if (fin == Fin::Techo)
            return fin;
    }
}

double alturaDeCaida(double y, int lado) { return std::clamp(y, 0.0, kFondo - lado); }

bool quedaDondeCae(double yCuerpo, double densidadCuerpo, double densidadLiq, double densidadSup, int lado)
{
    if (densidadCuerpo == densidadLiq && densidadSup < densidadLiq && yCuerpo >= kSuperficie)
        return true;
    if (densidadCuerpo == densidadSup && densidadSup < densidadLiq && yCuerpo <= kSuperficie - lado)
        return true;
    return densidadCuerpo == densidadSup && densidadCuerpo == densidadLiq;
}

double nivelPorTop(double yCuerpo)
{
    if (yCuerpo < 35)
        return 60;
    if (yCuerpo > 49.6)
        return 49.6;
    return 85 - 0.71 * yCuerpo;
}

} // namespace flotacion
