#include "Common/Gui/Controls/GfxResources.h"

#include "Common/Gui/Controls/ItemPlane.h"
#include "Common/Gui/Controls/ItemString.h"
#include "Common/SharedGraphics.h"
#include "WinCE/BitmapFont.h"

void GfxResources::Init()
{
    SharedGraphics::Load();
}

void GfxResources::Release()
{
    ItemString::ReleaseIcons();
    ItemPlane::ReleaseLamps();
    SharedGraphics::Release();
}

bool GfxResources::IsLoaded()
{
    return SharedGraphics::IsLoaded();
}

OffscreenWindow* GfxResources::GetBackBufferA()
{
    return SharedGraphics::GetBackBufferA();
}

OffscreenWindow* GfxResources::GetBackBufferB()
{
    return SharedGraphics::GetBackBufferB();
}

Font* GfxResources::GetFont(int32_t index)
{
    return SharedGraphics::GetFont(index);
}

Bitmap* GfxResources::GetBitmap(int32_t index)
{
    return SharedGraphics::GetBitmap(index);
}

MaskedBitmap* GfxResources::GetWindowFrame()
{
    return SharedGraphics::GetWindowFrame();
}

const char* GfxResources::BitmapName(int32_t index)
{
    return SharedGraphics::BitmapName(index);
}
