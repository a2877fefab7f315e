// The falling-spheres window: a sphere of a chosen material and radius falls from a chosen
// height through vacuum, air or a liquid, step by step, with its position-time and
// velocity-time graphs, pause and stop, and the final time and velocity on request.
#pragma once

#include "ui/canvas.h"
#include "ui/controls.h"
#include "ui/form.h"

#include <array>
#include <cstdint>

namespace stress { struct Invariants; }

class principa : public ui::Form {
    Q_OBJECT
    // The window tests and the stress run's invariants read the state and raise handlers.
    friend class PrincipaTest;
    friend struct stress::Invariants;

public:
    principa();

    // The sphere: radius box, spin buttons, material.
    ui::Frame* Frame1 = nullptr;
    ui::Label* Label1 = nullptr;
    ui::TextBox* Caja_radio = nullptr;
    ui::SpinButton* SpinUp = nullptr;
    ui::SpinButton* SpinDown = nullptr;
    ui::ComboBox* Combo1 = nullptr;
    // The medium; the liquid list shows only in a liquid.
    ui::Frame* Frame2 = nullptr;
    std::array<ui::OptionButton*, 4> Option1{};   // 1 "Vacío", 2 "Aire", 3 "Líquido"
    ui::ComboBox* Combo2 = nullptr;
    // Height of the fall and speed of the animation.
    ui::Label* Label5 = nullptr;
    ui::ScrollBar* VScroll1 = nullptr;
    ui::Label* tex_altura = nullptr;
    ui::Label* Label4 = nullptr;
    ui::ScrollBar* VScroll2 = nullptr;
    // The sphere's view and the two graphs with their axes.
    ui::PictureBox* graf_caida = nullptr;
    ui::Shape* Shape1 = nullptr;
    ui::PictureBox* graf_pos = nullptr;
    ui::PictureBox* graf_veloc = nullptr;
    ui::Line* Line5 = nullptr;
    std::array<ui::Line*, 1> Line1{};
    std::array<ui::Line*, 2> Line2{};
    ui::Line* Line6 = nullptr;
    std::array<ui::Line*, 4> Line3{};
    std::array<ui::Line*, 4> Line4{};
    std::array<ui::Label*, 2> Label6{};
    std::array<ui::Label*, 2> Label7{};
    ui::Label* Label2 = nullptr;
    ui::Label* Label3 = nullptr;
    // Run buttons, results and leaving.
    ui::Shape* Shape2 = nullptr;
    ui::CommandButton* Boton_parar = nullptr;
    ui::CommandButton* Boton_Iniciar = nullptr;
    ui::CommandButton* Boton_borrar = nullptr;
    ui::CommandButton* Command1 = nullptr;
    ui::CommandButton* Boton_tiempo = nullptr;
    ui::CommandButton* Boton_velocidad = nullptr;
    ui::CommandButton* Boton_fin = nullptr;

private:
    // The medium chosen before the current choice: 1, 2 or 3.
    std::uint8_t medio_anterior = 0;

    // Handlers, as the controls and menus raise them.
    void Boton_Iniciar_Click();
    void Boton_parar_Click();
    void Command1_Click();
    void Boton_borrar_Click();
    void Boton_tiempo_Click();
    void Boton_velocidad_Click();
    void Option1_Click(int Index);
    void Combo1_Click();
    void Combo2_Click();
    void Combo2_Change();
    void Combo2_KeyPress(int& KeyAscii);
    void Caja_radio_Change();
    void Caja_radio_KeyPress(int& KeyAscii);
    void SpinUp_Click();
    void SpinDown_Click();
    void VScroll1_Change();
    void VScroll2_Change();
    void Boton_fin_Click();
    void menu_salir_Click();
    void menu_modelo_Click();
    void menu_acerca_Click();

    // Radius steps that no control calls: the spin buttons' steps without the press
    // effect, and plainer steps by tenths and units without the medium's limits.
    void ReducirRadio();
    void AumentarRadio();
    void ReducirRadioMedio();
    void AumentarRadioMedio();

    void Form_Load() override;
    void buildControls();
    void buildMenus();
    void wireHandlers();
    bool liquidoElegido() const { return Option1[3]->Value(); }
    bool espumaElegida() const { return Combo1->ListIndex() == 5; }
    // Writes a radius into the radius box, whose change handler takes it (or refuses it).
    void escribirRadio(double valor);
};
