// The design of the help window: its heading, its help text and "Continuar".
#include "pressure/form2.h"

#include "ui/design.h"

#include <QIcon>

Form2::Form2()
    : ui::Form(QStringLiteral("Form2"), QStringLiteral("Ventana de Ayuda"), 6435, 2775)
{
    setWindowIcon(QIcon(QStringLiteral(":/assets/icon_help.png")));

    Label1 = ui::place<ui::Label>(&client(), QStringLiteral("Label1"), 240, 120, 5895, 375);
    Text1 = ui::place<ui::TextArea>(&client(), QStringLiteral("Text1"), 480, 600, 5175, 1455);
    Command1 = ui::button(&client(), QStringLiteral("Command1"), 2280, 2280, 1455, 375, QStringLiteral("Continuar"));
    setTabOrder(Text1, Command1);

    Command1->on.Click = [this] { Command1_Click(); };
}
