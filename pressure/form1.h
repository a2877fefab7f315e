// The hydrostatic pressure window.
#pragma once

#include "ui/form.h"

class Form1 : public ui::Form {
    Q_OBJECT
public:
    Form1();
};
