// AppIdentity: the texts that name the program: its version (shown on the
// About screen), its name and its maker (the store key and the single-
// instance guard). Kept apart from the application object so that screens
// can show them without depending on it.
#pragma once

struct AppIdentity
{
    static constexpr const char* VERSION_TEXT = "v 0.13.9";
    static constexpr const char* APPLICATION_NAME = "Jet Warden";
    static constexpr const char* COMPANY_NAME = "Northgate Soft";
};
