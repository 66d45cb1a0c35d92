#include "Common/Gui/Controls/ScrollableList.h"

ScrollableList::~ScrollableList() = default;
