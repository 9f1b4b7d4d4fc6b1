#include "app/hourglass.h"

#include "app/context.h"

Hourglass::Hourglass() { ctx().desktop.busy->begin(); }

Hourglass::~Hourglass() { restore(); }

void Hourglass::restore() {
    if (!shown_) return;
    shown_ = false;
    ctx().desktop.busy->end();
}
