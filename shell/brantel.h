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

    ui::Shape* Shape1;
    ui::Label* Label1;
    ui::PictureBox* Picture1;
    ui::Label* Label2;
    ui::PictureBox* Picture2;
    ui::PictureBox* Picture3;
    ui::Image* Image1;
    ui::Line* Line1;
    ui::CommandButton* Command1;

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
