#include "Common/Backend/WorldEventHooks.h"

WorldEventHooks::~WorldEventHooks() = default;
