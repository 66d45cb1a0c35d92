#include "Common/Gui/Controls/ControlGalleryApp.h"

#include "Common/Gui/Controls/ControlGallery.h"
#include "Common/Gui/Controls/GfxResources.h"

ControlGalleryApp::~ControlGalleryApp()
{
    // The form goes first: its controls hold pieces of the shared set.
    if (_mainForm)
    {
        _mainForm->Hide();
        delete _mainForm;
        _mainForm = nullptr;
    }
    if (_ownsGraphics)
        GfxResources::Release();
}

void ControlGalleryApp::OnInit()
{
    if (!GfxResources::IsLoaded())
    {
        GfxResources::Init();
        _ownsGraphics = true;
    }
    _mainForm = new ControlGallery();
    _mainForm->Show();
}

ControlGallery* ControlGalleryApp::GetGallery() const
{
    return static_cast<ControlGallery*>(_mainForm);
}
