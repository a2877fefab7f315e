// The hydrostatic pressure window: a closed cylinder with a liquid at the bottom, a gas
// column above it under a piston loaded with draggable weights, four dial gauges on the
// wall, a hand-held gauge over the liquid, the liquid list, the level bar, the piston's
// own weight and the atmospheric pressure.
#pragma once

#include "core/pressure_model.h"
#include "ui/controls.h"
#include "ui/form.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string_view>

// Where a weight stands is kept in its DataField: "1" on the rack, "-1" riding the piston
// (any other text: neither, as for a weight let go off the piston until the next tick).
bool enRack(const ui::ControlBase& pesa);
bool sobrePiston(const ui::ControlBase& pesa);
void dejarEnRack(ui::ControlBase& pesa);
void subirAlPiston(ui::ControlBase& pesa);

namespace stress { struct Invariants; }

class Form1 : public ui::Form {
    Q_OBJECT
    // The window tests and the stress run's invariants read the state and raise handlers.
    friend class Form1Test;
    friend class InputRoutingTest;
    friend struct stress::Invariants;

public:
    Form1();

    // --- Controls ---------------------------------------------------------------------
    ui::Line* Line2 = nullptr;   // left wall; its Y2 is the vessel's bottom
    ui::Line* Line3 = nullptr;   // right wall
    ui::Line* Line1 = nullptr;   // bottom
    ui::Shape* Shape2 = nullptr; // the liquid
    ui::Image* Image1 = nullptr; // the liquid's area, where the hand-held gauge reads
    ui::Shape* Shape3 = nullptr; // the piston
    ui::Shape* Shape6 = nullptr; // wall taps of gauges 3, 2, 1, 0
    ui::Shape* Shape4 = nullptr;
    ui::Shape* Shape5 = nullptr;
    ui::Shape* Shape7 = nullptr;
    std::array<ui::PictureBox*, 4> reloj{};   // dials
    std::array<ui::Line*, 4> aguja{};         // aguja[k]: needle of gauge k
    std::array<ui::Label*, 4> m0{};           // m0[k]: reading of gauge k
    ui::Frame* Frame1 = nullptr;
    std::array<ui::OptionButton*, 2> Option1{};
    ui::Label* Label2 = nullptr;
    ui::Label* Label1 = nullptr;   // the level in cm
    ui::Label* Label5 = nullptr;
    ui::ScrollBar* VScroll1 = nullptr;
    ui::Shape* Shape8 = nullptr;
    ui::Label* Label4 = nullptr;
    ui::TextBox* Text1 = nullptr;  // gas pressure, hPa
    ui::Line* Line4 = nullptr;     // the rack's shelf
    std::array<ui::PictureBox*, 5> Pesa{};
    ui::Label* Label7 = nullptr;
    ui::Label* Label3 = nullptr;
    ui::Shape* Shape1 = nullptr;
    ui::TextBox* Text2 = nullptr;  // total load, kgf
    ui::SpinButton* SpinUp1 = nullptr;
    ui::SpinButton* SpinDown1 = nullptr;
    ui::SpinButton* SpinUp2 = nullptr;
    ui::SpinButton* SpinDown2 = nullptr;
    ui::Label* Label8 = nullptr;   // what the load owes to the piston
    ui::Label* Label9 = nullptr;
    ui::ComboBox* Combo1 = nullptr;
    ui::Label* Label11 = nullptr;
    ui::Shape* Shape9 = nullptr;
    ui::Label* Label12 = nullptr;
    ui::TextBox* Text4 = nullptr;  // hand-held gauge: pressure
    ui::Label* Label13 = nullptr;
    ui::TextBox* Text5 = nullptr;  // hand-held gauge: depth
    ui::CheckBox* Check2 = nullptr;
    ui::Label* Label10 = nullptr;
    ui::Label* Label6 = nullptr;
    ui::CommandButton* Command1 = nullptr;
    ui::TimerControl* Timer1 = nullptr;

private:
    // --- State --------------------------------------------------------------------------
    double pesoEspecifico = 0;       // N/cm³
    double pesoTotal = 0;            // N (the load in kgf × 9.8)
    double presionGas = 0;           // N/cm², above the atmosphere
    std::int16_t alturaLiquido = 0;  // cm
    float presionAtm = 0;            // hPa
    std::array<float, 4> escala{};   // N/cm² per full turn of each needle
    double pesoMinimo = 0;           // kgf: 1 plus the weights riding on the piston
    int posX = 0, posY = 0;          // rack place last computed
    float arrastreX = 0, arrastreY = 0;   // grab point inside a weight
    std::int16_t pesoPiston = 0;     // kgf
    QString leyendaPiston;

    // Told the name of each of the six recompute operations as it starts.
    std::function<void(std::string_view)> onRecompute;

    // --- Recompute operations -----------------------------------------------------------
    void mostrarNivel();
    void calcularCarga();
    void calcularAltura();
    void ubicarPiston();
    void llevarPesas();
    void medirManometros();
    QString formato(double valor) const;
    void rotaraguja(int k);

    // --- Procedures that no control calls -------------------------------------------
    void medir();
    void MostrarRegresoPesas();
    void MostrarHipotesis();
    void PosicionHuerfana(float x, float y);
    void RestarUnoCarga();
    void SumarUnoCarga();
    void RestarDiezCarga();
    void SumarDiezCarga();

    // --- Handlers -------------------------------------------------------------------------
    void VScroll1_Change();
    void VScroll1_Scroll();
    void Option1_Click(int Index);
    void Pesa_MouseMove(int Index, int button, int shift, float X, float Y);
    void Pesa_MouseDown(int Index, int button, int shift, float X, float Y);
    void Pesa_DragOver(int Index, ui::ControlBase& source, float X, float Y, int state);
    void Form_DragDrop(ui::ControlBase& source, float X, float Y);
    void Text2_Change();
    void Timer1_Timer();
    void Combo1_Click();
    void Combo1_KeyPress(int& KeyAscii);
    void SpinUp1_Click();
    void SpinDown1_Click();
    void SpinUp2_Click();
    void SpinDown2_Click();
    void mnuPesoMod_Click();
    void Check2_Click();
    void Image1_MouseMove(int button, int shift, float X, float Y);
    void Form_MouseMove(int button, int shift, float X, float Y);
    void MnuSalir_Click();
    void Command1_Click();
    void mnuVer_Click();
    void mnu_presatmosf_Click();
    void mnuAcerca_Click();
    void MnuModificarPesos_Click();
    void MnuValores_Click();
    void Form_Load() override;

    void buildControls();
    void buildMenus();
    void wireHandlers();
    void recomputing(std::string_view operation);
    float atmosferico() const;
    void pulsarGiro(ui::SpinButton* boton, pressure::Giro giro);
    void cambiarCarga(double kgf);
    void pasoDeCarga(bool permitido(double carga, double pesoMinimo), double paso);
};
