#include "pressure/form2.h"

#include <QIcon>

Form2::Form2()
    : ui::Form(QStringLiteral("Form2"), QStringLiteral("Ventana de Ayuda"), 6435, 2775)
{
    setWindowIcon(QIcon(QStringLiteral(":/assets/icon_help.png")));

    Label1 = new ui::Label(&client(), QStringLiteral("Label1"));
    Label1->Move(240, 120, 5895, 375);
    Text1 = new ui::TextArea(&client(), QStringLiteral("Text1"));
    Text1->Move(480, 600, 5175, 1455);
    Command1 = new ui::CommandButton(&client(), QStringLiteral("Command1"));
    Command1->Move(2280, 2280, 1455, 375);
    Command1->setCaption(QStringLiteral("Continuar"));
    setTabOrder(Text1, Command1);

    Command1->on.Click = [this] { Command1_Click(); };
}

void Form2::Command1_Click()
{
    Text1->setText(QString());
    Hide();
}
