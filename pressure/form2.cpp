#include "pressure/form2.h"

void Form2::Command1_Click()
{
    Text1->setText(QString());
    Hide();
}
