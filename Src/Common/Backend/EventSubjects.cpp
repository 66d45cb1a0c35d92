#include "Common/Backend/EventSubjects.h"

EventSubjects::~EventSubjects() = default;
