#include "shell/brantel.h"

#include "common/about.h"
#include "falling_spheres/principa.h"
#include "flotation/flotar.h"
#include "pressure/form1.h"
#include "ui/dialogs.h"
#include "ui/runtime.h"

void Brantel::closeBox() { ui::End(); }

void Brantel::AbrirPresiones()
{
    ui::instance<flotar>().Hide();
    ui::instance<principa>().Hide();
    ui::instance<Form1>().Show();
}

void Brantel::AbrirFlotacion()
{
    ui::instance<principa>().Hide();
    ui::instance<Form1>().Hide();
    ui::instance<flotar>().Show();
}

void Brantel::AbrirCaida()
{
    ui::instance<Form1>().Hide();
    ui::instance<flotar>().Hide();
    ui::instance<principa>().Show();
}

void Brantel::Image1_Click() { ui::MsgBox(common::textoInformacion(), ui::vbOKOnly); }

void Brantel::menu_acerca_Click()
{
    common::MensajeAcercaDe(QStringLiteral("Autores: ") + common::kEquipo, QStringLiteral("e-mail ") + common::kCorreo);
}

void Brantel::Command1_Click() { ui::End(); }

void Brantel::menu_salir_Click() { ui::End(); }
