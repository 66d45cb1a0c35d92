#include "Common/Gui/Forms/CompanyWorthForm.h"

#include "Common/Backend/Company.h"
#include "Common/Backend/Enviroment.h"
#include "Common/Backend/TimeSimulation.h"
#include "Common/Gui/Controls/GfxResources.h"

namespace
{
enum Button
{
    HISTORY,
};

constexpr int32_t LABEL_X = 20;
constexpr int32_t VALUE_RIGHT = 204;
constexpr int32_t CASH_Y = 51;
constexpr int32_t CREDIT_Y = 76;
constexpr int32_t PLANES_Y = 101;
constexpr int32_t ESTATES_Y = 137;
constexpr int32_t TOTAL_Y = 176;

constexpr ScreenText TEXTS[] = {
    {GfxResources::FONT_TEXT, LABEL_X, CASH_Y, "Cash: $"},
    {GfxResources::FONT_TEXT, LABEL_X, CREDIT_Y, "Credit: $"},
    {GfxResources::FONT_TEXT, LABEL_X, PLANES_Y, "Planes: $"},
    {GfxResources::FONT_TEXT, LABEL_X, ESTATES_Y - 13, "Real"},
    {GfxResources::FONT_TEXT, LABEL_X, ESTATES_Y, "Estates: $"},
    {GfxResources::FONT_YELLOW, LABEL_X, TOTAL_Y, "Total: $"},
};

constexpr ScreenButton BUTTONS[] = {
    {HISTORY, "sr_History_button.bmp", 158, 204},
};

constexpr ScreenLayout LAYOUT = {
    ScreenLayout::Top::TOP_BAR, true, false, "Company worth", 10, 7, TEXTS, BUTTONS,
};

} // namespace

CompanyWorthForm::CompanyWorthForm(int32_t number) : StatisticsForm(number, PAGE_WORTH, LAYOUT, true)
{
    AddPopups();
}

void CompanyWorthForm::OnButton(int32_t id)
{
    if (id == HISTORY)
        ShowPage(PAGE_HISTORY);
}

void CompanyWorthForm::PaintContent()
{
    const Company* company = Enviroment::GetCompany();
    const Time& now = TimeSimulation::GetCurrGameTime();
    DrawRightAligned(GfxResources::FONT_TEXT, VALUE_RIGHT, CASH_Y, Amount("", company->GetCash()).c_str());
    DrawRightAligned(GfxResources::FONT_TEXT, VALUE_RIGHT, CREDIT_Y,
                     Amount("", company->GetRemainingCredit()).c_str());
    DrawRightAligned(GfxResources::FONT_TEXT, VALUE_RIGHT, PLANES_Y,
                     Amount("", company->PlanesValue(now)).c_str());
    DrawRightAligned(GfxResources::FONT_TEXT, VALUE_RIGHT, ESTATES_Y,
                     Amount("", company->RealEstateValue()).c_str());
    DrawRightAligned(GfxResources::FONT_YELLOW, VALUE_RIGHT, TOTAL_Y,
                     Amount("", company->Worth(now)).c_str());
}
