// The help window of the pressure simulation: a heading, a help text and "Continuar".
#pragma once

#include "ui/controls.h"
#include "ui/form.h"

class Form2 : public ui::Form {
    Q_OBJECT
public:
    Form2();

    ui::Label* Label1 = nullptr;      // the heading
    ui::TextArea* Text1 = nullptr;    // the help text
    ui::CommandButton* Command1 = nullptr;

private:
    void Command1_Click();

    void buildControls();
    void wireHandlers();
};
