// The launcher: one picture per simulation, the information and about messages, and the
// only way out of the program.
#pragma once

#include "ui/controls.h"
#include "ui/form.h"

class Brantel : public ui::Form {
    Q_OBJECT
public:
    Brantel();

    // The same as a click on each picture.
    void AbrirPresiones();
    void AbrirFlotacion();
    void AbrirCaida();

    ui::Shape* Shape1 = nullptr;
    ui::Label* Label1 = nullptr;
    ui::PictureBox* Picture1 = nullptr;
    ui::Label* Label2 = nullptr;
    ui::PictureBox* Picture2 = nullptr;
    ui::PictureBox* Picture3 = nullptr;
    ui::Image* Image1 = nullptr;
    ui::Line* Line1 = nullptr;
    ui::CommandButton* Command1 = nullptr;

private:
    // Closing the launcher ends the program: no other window leads back to it.
    void closeBox() override;
    void Picture1_Click() { AbrirPresiones(); }
    void Picture2_Click() { AbrirFlotacion(); }
    void Picture3_Click() { AbrirCaida(); }
    void Image1_Click();
    void menu_acerca_Click();
    void Command1_Click();
    void menu_salir_Click();

    void buildControls();
    void buildMenus();
    void wireHandlers();
};
