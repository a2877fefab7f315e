// The falling-spheres window.
#pragma once

#include "ui/form.h"

class principa : public ui::Form {
    Q_OBJECT
public:
    principa();
};
