#include "Common/Gui/Controls/ControlGallery.h"

#include "Common/Gui/Controls/ComboBox.h"
#include "Common/Gui/Controls/FlipButton.h"
#include "Common/Gui/Controls/GfxRadioButton.h"
#include "Common/Gui/Controls/GfxResources.h"
#include "Common/Gui/Controls/ItemListPanel.h"
#include "Common/Gui/Controls/ItemPlane.h"
#include "Common/Gui/Controls/ItemString.h"
#include "Common/Gui/Controls/PopupMenu.h"
#include "Common/Gui/Controls/ScrollBar.h"
#include "Common/Gui/Controls/SoundButton.h"
#include "WinCE/Bitmap.h"
#include "WinCE/Color.h"
#include "WinCE/ScreenDump.h"

#include <cstdio>

namespace
{
// The list colours: the panel's own interior and a lighter blue band.
constexpr uint32_t LIST_BACKGROUND = RGB(14, 36, 76);
constexpr uint32_t LIST_SELECTION = 0x00965F0C;

const char* const CITIES[] = {"Accra",  "Amsterdam", "Athens",  "Auckland",     "Bangkok",  "Berlin",
                              "Bogota", "Cairo",     "Chicago", "Copenhagen",   "Dakar",    "Delhi",
                              "Dublin", "Helsinki",  "Jakarta", "Johannesburg", "Lagos",    "Lima",
                              "Lisbon", "London",    "Madrid",  "Manila",       "Montreal", "Nairobi",
                              "Oslo",   "Perth"};

// A callback that runs a member function of the gallery.
using GalleryCall = MemberCallback<ControlGallery>;
} // namespace

ControlGallery::ControlGallery() : Form("Control gallery", 0, 0, 240, 268, false, 0)
{
    _flip = new FlipButton("sr_ScrollUp_button.bmp", 10, 36, this,
                           new GalleryCall(this, &ControlGallery::Flip), true);
    _widgets.AddWidget(_flip);

    _list = new ItemListPanel(10, 60, this, LIST_BACKGROUND, LIST_SELECTION, true);
    FillStrings();
    _widgets.AddWidget(_list);
    _scrollBar = new ScrollBar(213, 60, this, _list, "sr_ScrollVerticalUp_button.bmp",
                               "sr_ScrollVerticalDown_button.bmp", "sr_ScrollLine.bmp",
                               "sr_ScrollVertical_bar.bmp", true);
    _widgets.AddWidget(_scrollBar);

    // The combo box comes after the list so that its open list lies on top.
    _combo = new ComboBox(
        110, 34, this, [this](int32_t i) { SetStatus("Combo: " + _combo->GetList()->GetString(i)); }, true);
    for (const char* continent : {"Africa", "Asia", "Australia", "Europe", "N. America", "S. America"})
        _combo->AddString(continent);
    _widgets.AddWidget(_combo);

    _popup = new PopupMenu(11, 240, "sr_Go_button.bmp", this);
    const char* const entries[][2] = {{"sr_Popup1Planes_button.bmp", "Planes"},
                                      {"sr_Popup1Airports_button.bmp", "Airports"},
                                      {"sr_Popup1Bank_button.bmp", "Bank"},
                                      {"sr_Popup1Retire_button.bmp", "Retire"}};
    for (const auto& entry : entries)
    {
        const std::string name = entry[1];
        _popup->AddItem(
            entry[0], [this, name](PopupItem*) { SetStatus("Menu: " + name); }, name == "Retire");
    }

    const char* radio = GfxResources::BitmapName(GfxResources::BMP_RADIO_BUTTON);
    _widgets.AddWidget(new GfxRadioButton(&_group, true, radio, 90, 244, this,
                                          new GalleryCall(this, &ControlGallery::ShowStrings)));
    _widgets.AddWidget(new GfxRadioButton(&_group, false, radio, 112, 244, this,
                                          new GalleryCall(this, &ControlGallery::ShowPlanes)));
    _widgets.AddWidget(new GfxRadioButton(&_group, false, radio, 134, 244, this,
                                          new GalleryCall(this, &ControlGallery::DisablePopup)));
    _widgets.AddWidget(new SoundButton("sr_Ok_button.bmp", 170, 240, this,
                                       new GalleryCall(this, &ControlGallery::Ok), true));
    // The pop-up menu last: open, it covers the list and the buttons.
    _widgets.AddWidget(_popup);
    _status = "Ready";
}

ControlGallery::~ControlGallery() = default;

void ControlGallery::FillStrings()
{
    _list->Clear();
    const uint32_t flags[] = {0,
                              ItemString::ICON_CITY,
                              ItemString::ICON_INFO,
                              ItemString::ICON_CITY | ItemString::ICON_ROUTE,
                              ItemString::ICON_CITY | ItemString::ICON_CHARITY,
                              ItemString::ICON_CITY | ItemString::ICON_VIP,
                              ItemString::ICON_CITY | ItemString::ICON_STOP};
    int32_t i = 0;
    for (const char* city : CITIES)
    {
        _list->AddItem(new ItemString(city, _list, 0, flags[i % 7], i));
        ++i;
    }
    _list->AddItem(new ItemString("A name far too long to fit beside the icons of its row", _list, 0,
                                  ItemString::ICON_INFO, i));
}

void ControlGallery::FillPlanes()
{
    _list->Clear();
    const char* const models[] = {"Propliner 40", "Jetstar 120", "Skylark 8", "Condor 300"};
    for (int32_t i = 0; i < 9; ++i)
    {
        char name[32];
        std::snprintf(name, sizeof(name), "Warden %d", static_cast<int>(i + 1));
        const std::string label = name;
        struct Report : Callback
        {
            Report(ControlGallery* g, std::string n) : gallery(g), text(std::move(n)) {}
            void Invoke() override { gallery->_status = "Plane: " + text; }
            ControlGallery* gallery;
            std::string text;
        };
        _list->AddItem(new ItemPlane(label, models[i % 4], i % 3 == 2, i + 1, new Report(this, label)));
    }
}

void ControlGallery::ShowStrings()
{
    FillStrings();
    _popup->Enable();
    SetStatus("String rows");
    Redraw();
}

void ControlGallery::ShowPlanes()
{
    FillPlanes();
    _popup->Enable();
    SetStatus("Plane rows");
    Redraw();
}

void ControlGallery::DisablePopup()
{
    _popup->Disable();
    SetStatus("Menu disabled");
    Redraw();
}

void ControlGallery::Flip()
{
    ++_flips;
    DrawCounter();
}

void ControlGallery::Ok()
{
    SetStatus("OK pressed");
}

void ControlGallery::SetStatus(const std::string& status)
{
    _status = status;
    DrawTitle();
}

void ControlGallery::DrawTitle()
{
    GfxResources::GetBitmap(GfxResources::BMP_SCREEN_TOP_PLAIN)->Draw(this, 0, 0, SRCCOPY);
    SetFont(GfxResources::GetFont(GfxResources::FONT_MENU), false);
    DrawString(10, 7, TITLE, ROP_DEFAULT);
    SetFont(GfxResources::GetFont(GfxResources::FONT_TEXT), false);
    DrawString(100, 9, _status.c_str(), ROP_DEFAULT);
}

void ControlGallery::DrawCounter()
{
    GfxResources::GetBitmap(GfxResources::BMP_SCREEN_BACKGROUND)
        ->DrawPart(this, 32, 36, Rect{{32, 36}, {70, 18}}, SRCCOPY);
    char text[24];
    std::snprintf(text, sizeof(text), "Flips %d", static_cast<int>(_flips));
    SetFont(GfxResources::GetFont(GfxResources::FONT_TEXT), false);
    DrawString(34, 39, text, ROP_DEFAULT);
}

void ControlGallery::Paint()
{
    GfxResources::GetBitmap(GfxResources::BMP_SCREEN_BACKGROUND)->Draw(this, 0, 0, SRCCOPY);
    DrawTitle();
    DrawCounter();
    _widgets.Draw();
}

void ControlGallery::OnStylusMove(int16_t x, int16_t y)
{
    _widgets.OnStylusMove(x, y);
}

void ControlGallery::OnStylusUp(int16_t x, int16_t y)
{
    // Plane rows report through the status, so the title follows every tap.
    const std::string before = _status;
    _widgets.OnStylusUp(x, y);
    if (_status != before)
        DrawTitle();
}

void ControlGallery::OnStylusDown(int16_t x, int16_t y)
{
    const std::string before = _status;
    _widgets.OnStylusDown(x, y);
    if (_status != before)
        DrawTitle();
}

bool ControlGallery::OnIdle()
{
    return _widgets.Update();
}

void ControlGallery::Describe(ScreenDump& dump)
{
    Form::Describe(dump);
    dump.title = TITLE;
    _widgets.Describe(dump);
}
