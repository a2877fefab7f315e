#include "core/fall_model.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <thread>

namespace caida {

double pi() { return 4.0 * std::atan(1.0); }

std::optional<Liquido> liquidoElegido(int indice)
{
    if (indice < 0 || indice >= int(kLiquidos.size()))
        return std::nullopt;
    return kLiquidos[std::size_t(indice)].alElegir;
}

std::optional<Liquido> liquidoPorTexto(int indice)
{
    if (indice < 0 || indice >= int(kLiquidos.size()))
        return std::nullopt;
    return kLiquidos[std::size_t(indice)].alCambiarTexto;
}

// The end of every step, whatever the medium: the velocity takes the acceleration and is
// rounded to the currency type, then the position moves with the rounded velocity; every
// 20th step above the ground is a sample.
Paso Modelo::avanzar(double v, double a)
{
    const std::optional<classic::Currency> nueva = classic::CCur(v + a * dt);
    if (!nueva)
        return Paso::Desborde;
    tiempo = tiempo + dt;
    velocidad = *nueva;
    y = y + velocidad.toDouble() * dt;
    ++k;
    if (k == 20 && y <= 100) {
        k = 0;
        return Paso::Muestra;
    }
    return Paso::Calculado;
}

// ---------------------------------------------------------------------------------------
// Vacuum and air

ModeloAire::ModeloAire(double radio, double densidad, bool vacio, int inicio) : Modelo(0.01, 9.81, inicio)
{
    const double p = pi();
    volumen = ((4.0 / 3.0) * p) * std::pow(radio / 100, 3);
    masa = (volumen * densidad) * 1000;
    seccion = p * std::pow(radio / 100, 2);
    densAire = vacio ? 0.0 : 1.3;
}

Paso ModeloAire::paso()
{
    const double v = velocidad.toDouble();
    const double fuerza = masa * gravedad - (((0.5 * cd) * densAire) * seccion) * std::pow(v, 2);
    return avanzar(v, fuerza / masa);
}

// ---------------------------------------------------------------------------------------
// Liquid

ModeloLiquido::ModeloLiquido(double radio_, double densidad, int inicio, std::function<Liquido()> liquido)
    : Modelo(0.0001, 981, inicio), radio(radio_), liquido_(std::move(liquido))
{
    const double p = pi();
    volumen = ((4.0 / 3.0) * p) * std::pow(radio, 3);
    masa = volumen * densidad;
}

ModeloLiquido::ModeloLiquido(double radio_, double densidad, int inicio, Liquido liquido)
    : ModeloLiquido(radio_, densidad, inicio, [liquido] { return liquido; })
{
}

Paso ModeloLiquido::paso()
{
    const Liquido l = liquido_();
    const double v = velocidad.toDouble();
    const double resistencia = (((6 * pi()) * l.viscosidad.toDouble()) * radio) * v;
    const double empuje = (volumen * l.densidad) * gravedad;
    const double fuerza = (masa * gravedad - resistencia) - empuje;
    return avanzar(v, fuerza / masa);
}

// ---------------------------------------------------------------------------------------
// The run loop

namespace {

// An empty test never holds.
bool cierto(const std::function<bool()>& f) { return f && f(); }

} // namespace

Corrida correr(Modelo& m, const Enlace& e)
{
    long pasos = 0;
    do {
        if (cierto(e.detener))
            return {Final::Detenida, pasos};
        while (cierto(e.enPausa)) {
            if (e.ceder && !e.ceder())
                return {Final::Abandonada, pasos};
            // Waiting for the pause to end need not keep a processor busy.
            if (cierto(e.enPausa))
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        const Paso hecho = m.paso();
        if (hecho == Paso::Desborde)
            return {Final::Desborde, pasos};
        ++pasos;
        if (e.pasoHecho)
            e.pasoHecho(m);
        if (hecho == Paso::Muestra && e.muestra)
            e.muestra(m);
        if (e.ceder && !e.ceder())
            return {Final::Abandonada, pasos};
        if (e.retardo)
            retardar(long(e.retardo()) * 10);
    } while (m.sigue());
    return {Final::Terminada, pasos};
}

// ---------------------------------------------------------------------------------------
// Results

double tiempoRedondeado(double tiempo) { return std::floor((tiempo + 0.05) * 10) / 10; }

double velocidadRedondeada(classic::Currency velocidad)
{
    // Int((v + 0.05) × 10) counted in whole units is floor((ticks + 500) / 1000). With
    // ticks = 1000 q + r and 0 <= r < 1000 that is q, and one more when r reaches 500:
    // nothing is added to the ticks, so no velocity a run left behind can overflow.
    const std::int64_t ticks = velocidad.ticks();
    std::int64_t unidades = ticks / 1000;
    std::int64_t resto = ticks % 1000;
    if (resto < 0) {
        --unidades;
        resto += 1000;
    }
    if (resto >= 500)
        ++unidades;
    return static_cast<double>(unidades) / 10;
}

std::string textoTiempoFinal(double tiempo)
{
    return "Tiempo final " + classic::Str(tiempoRedondeado(tiempo)) + " (S)";
}

std::string textoVelocidadFinal(classic::Currency velocidad, bool liquido)
{
    return "Velocidad final " + classic::Str(velocidadRedondeada(velocidad)) + (liquido ? " (cm/S)" : " (m/S)");
}

// ---------------------------------------------------------------------------------------
// Radius steps

std::optional<double> subirRadio(double radio, bool liquido, bool fino)
{
    if (radio >= 10)
        return std::nullopt;
    if (liquido && radio >= 0.03)
        return std::nullopt;
    if (radio >= 1)
        return radio + 1;
    if (fino && radio < 0.1)
        return radio + 0.01;
    return radio + 0.1;
}

std::optional<double> bajarRadio(double radio, bool liquido, bool espuma, bool fino)
{
    if (espuma && liquido && radio <= 0.02)
        return 0.02;
    if (radio <= (fino ? 0.01 : 0.1))
        return std::nullopt;
    if (fino && radio <= 0.1)
        return radio - 0.01;
    if (radio >= 2)
        return radio - 1;
    if (radio <= 1 && !liquido)
        return radio - 0.1;
    return radio;
}

std::string textoRadio(double radio)
{
    std::string s = classic::CStr(radio);
    std::replace(s.begin(), s.end(), classic::decimalSeparator(), '.');
    return s;
}

// ---------------------------------------------------------------------------------------
// Delay

namespace {

// An empty counted loop that the compiler must keep: every turn stores its count.
volatile long sumidero = 0;

void vueltas(long n)
{
    for (long i = 0; i < n; ++i)
        sumidero = i;
}

// How many turns of the empty loop last a microsecond on this machine.
long vueltasPorPasada()
{
    static const long n = [] {
        using reloj = std::chrono::steady_clock;
        constexpr long prueba = 1L << 18;
        double mejor = 1e300;
        for (int i = 0; i < 3; ++i) {
            const auto t0 = reloj::now();
            vueltas(prueba);
            const double ns = std::chrono::duration<double, std::nano>(reloj::now() - t0).count();
            mejor = std::min(mejor, ns);
        }
        return std::max(1L, std::lround(prueba * 1000.0 / std::max(mejor, 1.0)));
    }();
    return n;
}

} // namespace

void retardar(long pasadas)
{
    if (pasadas <= 0)
        return;
    const long n = vueltasPorPasada();
    for (long p = 1; p <= pasadas; ++p)
        vueltas(n);
}

bool tieneMasa(double radio, double densidad)
{
    if (radio == 0)
        return true;
    const ModeloAire aire(radio, densidad, true, 0);
    const ModeloLiquido liquido(radio, densidad, 0);
    return std::isnormal(aire.masa) && std::isnormal(liquido.masa);
}

} // namespace caida
