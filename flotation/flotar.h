// The flotation window.
#pragma once

#include "ui/form.h"

class flotar : public ui::Form {
    Q_OBJECT
public:
    flotar();
};
