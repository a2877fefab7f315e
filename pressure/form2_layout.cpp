// The design of the help window: its heading, its help text and "Continuar".
#include "pressure/form2.h"

#include "ui/design.h"

Form2::Form2()
    : ui::Form(QStringLiteral("Form2"), QStringLiteral("Ventana de Ayuda"), 6435, 2775)
{
    setWindowIcon(ui::sharedIcon(QStringLiteral(":/assets/icon_help.png")));
    buildControls();
    wireHandlers();
}

void Form2::buildControls()
{
    ui::Container* c = &client();
    Label1 = ui::place<ui::Label>(c, "Label1", 240, 120, 5895, 375);
    Text1 = ui::place<ui::TextArea>(c, "Text1", 480, 600, 5175, 1455);
    Command1 = ui::button(c, "Command1", 2280, 2280, 1455, 375, QStringLiteral("Continuar"));
    ui::tabIndexes({{Text1, 0}, {Command1, 1}, {Label1, 2}});
}

void Form2::wireHandlers() { Command1->on.Click = [this] { Command1_Click(); }; }
