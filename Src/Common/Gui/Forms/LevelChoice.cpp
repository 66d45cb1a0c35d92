#include "Common/Gui/Forms/LevelChoice.h"

#include "Common/Gui/Controls/GfxRadioButton.h"
#include "WinCE/Assert.h"
#include "Wkr/Gui/Callback.h"

namespace
{
constexpr const char* RADIO = "sr_Radio_Button.bmp";
}

LevelChoice::LevelChoice(Window* window, int16_t priceX, int16_t serviceX, int16_t top, int16_t step,
                         int32_t price, int32_t service)
{
    ASSERT(price >= 0 && price < LEVELS && service >= 0 && service < LEVELS &&
           "levels are low, medium or high");
    for (int32_t level = 0; level < LEVELS; ++level)
    {
        const int16_t y = static_cast<int16_t>(top + level * step);
        _buttons.AddWidget(new GfxRadioButton(&_price, level == price, RADIO, priceX, y, window,
                                              new MemberCallback<LevelChoice>(this, &LevelChoice::Chosen)));
        _buttons.AddWidget(new GfxRadioButton(&_service, level == service, RADIO, serviceX, y, window,
                                              new MemberCallback<LevelChoice>(this, &LevelChoice::Chosen)));
    }
}

int32_t LevelChoice::Checked(const RadioGroup& group)
{
    for (size_t i = 0; i < group.size(); ++i)
    {
        if (group[i]->IsChecked())
            return static_cast<int32_t>(i);
    }
    return 1;
}

void LevelChoice::ChoosePrice(int32_t level)
{
    ASSERT(level >= 0 && level < LEVELS && "levels are low, medium or high");
    _price[static_cast<size_t>(level)]->Check();
}

void LevelChoice::ChooseService(int32_t level)
{
    ASSERT(level >= 0 && level < LEVELS && "levels are low, medium or high");
    _service[static_cast<size_t>(level)]->Check();
}
