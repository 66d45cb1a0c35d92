#include "Wkr/Gui/Callback.h"

Callback::~Callback() = default;
