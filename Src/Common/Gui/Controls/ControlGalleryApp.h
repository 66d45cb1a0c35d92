// ControlGalleryApp: the application object of the gallery runs.
//
// Loads the shared graphics set, makes the control gallery the main form
// and shows it; releases the set again when it ends. Used by the headless
// runner's --gallery switch and by the gallery tests.
#pragma once

#include "WinCE/Application.h"

class ControlGallery;

class ControlGalleryApp : public Application
{
public:
    ControlGalleryApp() = default;
    ~ControlGalleryApp() override;

    void OnInit() override;

    ControlGallery* GetGallery() const;

private:
    bool _ownsGraphics = false;
};
