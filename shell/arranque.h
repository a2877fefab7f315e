// The splash window that opens the program and leads to the launcher.
#pragma once

#include "ui/controls.h"
#include "ui/form.h"

class arranque : public ui::Form {
    Q_OBJECT
public:
    arranque();

    ui::Label* Label1 = nullptr;
    ui::PictureBox* Picture1 = nullptr;

private:
    bool clicado = false;

    void Form_Load() override;
    // The close box ends the wait as a click would; the splash stays loaded.
    void closeBox() override { clicado = true; }
    void Form_Click() { clicado = true; }
    void Picture1_Click() { clicado = true; }

    void buildControls();
    void wireHandlers();
};

namespace shell {
// Starts the program: the splash loads, waits, and shows the launcher.
void startProgram();
} // namespace shell
