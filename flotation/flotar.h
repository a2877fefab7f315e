// The flotation window: a block floating in a liquid under air or a second liquid, placed at
// the depth where weight and buoyancy balance, dragged and dropped in the vessel, and set
// moving towards its resting depth by a click on the window's background.
#pragma once

#include "ui/canvas.h"
#include "ui/controls.h"
#include "ui/form.h"

#include <array>
#include <optional>

namespace stress { struct Invariants; }

class flotar : public ui::Form {
    Q_OBJECT
    // The window tests and the stress run's invariants read the state and raise handlers.
    friend class FlotarTest;
    friend struct stress::Invariants;

public:
    flotar();

    // The vessel and what it holds.
    ui::PictureBox* Picture1 = nullptr;
    ui::Shape* fluido_sup = nullptr;
    ui::Shape* liquido = nullptr;
    ui::Line* Line1 = nullptr;
    ui::Line* Line2 = nullptr;
    ui::PictureBox* solido = nullptr;

    // The upper layer.
    ui::Frame* Frame1 = nullptr;
    std::array<ui::OptionButton*, 2> Option1{};
    std::array<ui::Label*, 3> Label7{};
    ui::Label* Label6 = nullptr;
    ui::ScrollBar* HScroll3 = nullptr;
    ui::Label* Label5 = nullptr;

    // The block's and the liquid's densities.
    ui::Label* Label1 = nullptr;
    ui::ScrollBar* HScroll1 = nullptr;
    ui::Label* Label3 = nullptr;
    ui::Label* Label2 = nullptr;
    ui::ScrollBar* HScroll2 = nullptr;
    ui::Label* Label4 = nullptr;

    ui::Label* Label8 = nullptr;
    ui::Label* Porcent = nullptr;
    ui::CommandButton* Command1 = nullptr;

    // How deep settling motions nest before a click restarts the running one.
    static constexpr int kMovimientosAnidados = 8;

private:
    // The window's state. Vessel units for heights, g/cm³ for densities.
    int lado = 0;                   // side of the square block
    double yCuerpo = 0;             // the block's Top
    int nivelLiquido = 0;           // level of the liquid's surface
    int gravedad = 0;               // cm/s²
    double densidadSup = 0;         // upper layer: air or a liquid
    double densidadCuerpo = 0;
    double densidadLiq = 0;
    double velocidadCuerpo = 0;     // vessel units per second, positive downward
    int enMovimiento = 0;           // 1 while the settling motion may run; 0 stops it
    float agarreY = 0;              // where the block was grabbed, in its own units
    int movimientos_ = 0;           // motions running, nested in one another
    double masaEnMovimiento_ = 0;   // the block's mass, taken when a motion starts or restarts

    // Places the block at its resting depth and shows the submerged percentage.
    void cambio();
    // Moves the block step by step under its weight, the buoyancy and the drag, yielding
    // once per step, until the flag is cleared or the block reaches the bottom or the top.
    // A call from inside a running motion (a click handled in its yield) nests a motion of
    // its own, up to kMovimientosAnidados deep; past that it restarts the innermost motion
    // from where the block is and returns at once, so that no number of clicks can exhaust
    // the stack and the block keeps its pace.
    void comienzo();
    // How many motions are running, nested in one another.
    int movimientosEnCurso() const { return movimientos_; }
    void IniciarMovimiento();
    void LeerDensidadCuerpo();
    // A density bar took a value: unless `siguiente` moves it on (its own change then takes
    // over), the density, its reading and the block's place follow the bar.
    void leerDensidad(ui::ScrollBar* barra, std::optional<int> siguiente, double& densidad, ui::Label* lectura);
    // Lets the liquid's level follow the block and writes the values on the window.
    void nivel();

    // Handlers, as the controls and menus raise them.
    void HScroll1_Change();
    void HScroll2_Change();
    void HScroll3_Change();
    void Option1_Click(int Index);
    void Form_Click();
    void solido_MouseDown(int Button, int Shift, float X, float Y);
    void Picture1_DragDrop(ui::ControlBase& Source, float X, float Y);
    void Command1_Click();
    void menu_salir_Click();
    void menu_acerca_Click();
    void Form_Load() override;

    void buildControls();
    void buildMenus();
    void wireHandlers();
};
