#include "WinCE/Font.h"

Font::~Font() = default;
