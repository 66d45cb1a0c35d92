#include "Common/Gui/Forms/HelpForm.h"

#include "Common/Gui/Controls/GfxResources.h"
#include "Common/Gui/Controls/ItemListPanel.h"
#include "Common/Gui/Controls/ItemString.h"
#include "Common/Gui/Controls/ScrollBar.h"
#include "WinCE/DataFile.h"
#include "WinCE/Font.h"
#include "WinCE/VFileResource.h"
#include "Wkr/Gui/WidgetList.h"

#include <cstdio>

namespace
{
constexpr ScreenButton BUTTONS[] = {
    {HelpForm::OK, "sr_Ok_button.bmp", 89, 238},
};

constexpr ScreenLayout LAYOUT = {
    ScreenLayout::Top::PLAIN, false, false, "Help", SRForm::CENTRED, 7, {}, BUTTONS,
};

constexpr int16_t HELP_LIST_X = 13;
constexpr int16_t HELP_LIST_Y = 50;
constexpr int16_t HELP_BAR_X = 212;
constexpr const char* INDEX_ENTRY = "help_index_rsc";

// A line of the index: a tap on it when it is selected opens its page.
class IndexLine : public ItemString
{
public:
    IndexLine(const std::string& text, ItemListPanel* list, int32_t page, HelpForm* form)
        : ItemString(text, list, 0, 0, page), _form(form)
    {
    }
    void OnTap(int16_t, int16_t) override { _form->OpenPage(GetValue()); }

private:
    HelpForm* _form;
};

// The whole text of a data file entry, or empty with `missing` set when the
// data file has no such entry.
std::string ReadEntry(const char* name, bool& missing)
{
    int32_t size = 0;
    uint32_t offset = 0;
    missing = !DataFile::Get()->Find(name, &offset, &size);
    if (missing)
        return "";
    VFileResource entry(name);
    return std::string(reinterpret_cast<const char*>(entry.GetData()), static_cast<size_t>(entry.GetSize()));
}
} // namespace

// The index and the page lists, each with its scroll bar: one selectable,
// one of plain lines. Only the list of the text shown is drawn and hears the
// stylus.
class HelpForm::Lists : public Widget
{
public:
    explicit Lists(Window* window)
    {
        for (int32_t i = 0; i < 2; ++i)
        {
            _panels[i] = new ItemListPanel(HELP_LIST_X, HELP_LIST_Y, window, SRForm::LIST_BACKGROUND,
                                           SRForm::LIST_SELECTION, i == 0);
            _bars[i] = new ScrollBar(HELP_BAR_X, HELP_LIST_Y, window, _panels[i],
                                     "sr_ScrollVerticalUp_button.bmp", "sr_ScrollVerticalDown_button.bmp",
                                     "sr_ScrollLine.bmp", "sr_ScrollVertical_bar.bmp", true);
            _lists[i].AddWidget(_panels[i]);
            _lists[i].AddWidget(_bars[i]);
        }
    }

    void ShowIndex(bool index) { _shown = index ? 0 : 1; }
    ItemListPanel* Panel(bool index) const { return _panels[index ? 0 : 1]; }
    ItemListPanel* Shown() const { return _panels[_shown]; }
    ScrollBar* ShownBar() const { return _bars[_shown]; }

    bool Update() override { return _lists[_shown].Update(); }
    void Draw() override { _lists[_shown].Draw(); }
    bool OnStylusMove(int16_t x, int16_t y) override { return _lists[_shown].OnStylusMove(x, y); }
    bool OnStylusUp(int16_t x, int16_t y) override { return _lists[_shown].OnStylusUp(x, y); }
    bool OnStylusDown(int16_t x, int16_t y) override { return _lists[_shown].OnStylusDown(x, y); }
    bool HasCapture() override { return _lists[_shown].HasCapture(); }
    void Describe(ScreenDump& dump) const override { _lists[_shown].Describe(dump); }

private:
    WidgetList _lists[2];
    ItemListPanel* _panels[2];
    ScrollBar* _bars[2];
    int32_t _shown = 0;
};

HelpForm::HelpForm() : MenuScreen(LAYOUT), _lists(new Lists(this))
{
    Widgets().AddWidget(_lists);
}

HelpForm::~HelpForm() = default;

std::string HelpForm::PageEntry(int32_t page)
{
    char name[32];
    std::snprintf(name, sizeof(name), "help%d_rsc", static_cast<int>(page + 1));
    return name;
}

std::vector<std::string> HelpForm::Wrap(const char* text, size_t size, Font* font)
{
    std::vector<std::string> lines;
    std::string line;
    std::string word;
    // Only spaces so far: an indent, which a word joins whatever its width.
    bool blank = true;
    const auto endWord = [&](bool withSpace)
    {
        if (!blank && !word.empty() && font->TextWidth((line + word).c_str()) >= LINE_LIMIT)
        {
            lines.push_back(line.substr(0, line.find_last_not_of(' ') + 1));
            line.clear();
        }
        line += word;
        blank = blank && word.empty();
        if (withSpace)
            line += ' ';
        word.clear();
    };
    const auto endLine = [&]()
    {
        endWord(false);
        const size_t end = line.find_last_not_of(' ');
        lines.push_back(end == std::string::npos ? std::string() : line.substr(0, end + 1));
        line.clear();
        blank = true;
    };
    for (size_t i = 0; i < size && text[i] != '\0'; ++i)
    {
        const char c = text[i];
        if (c == '\t')
        {
            for (int32_t s = 0; s < 4; ++s)
                endWord(true);
        }
        else if (c == ' ')
            endWord(true);
        else if (c == '\n')
            endLine();
        else if (c != '\r')
            word += c;
    }
    endWord(false);
    if (!blank)
        endLine();
    return lines;
}

void HelpForm::Fill(ItemListPanel* list, const std::vector<std::string>& lines, bool selectable)
{
    list->Clear();
    for (size_t i = 0; i < lines.size(); ++i)
    {
        const int32_t n = static_cast<int32_t>(i);
        if (selectable)
            list->AddItem(new IndexLine(lines[i], list, n, this));
        else
            list->AddItem(new ItemString(lines[i], list, 0, 0, n));
    }
}

void HelpForm::OpenPage(int32_t page)
{
    _page = page;
    const bool index = page == INDEX;
    // The index is read once per showing; coming back from a page finds it
    // as it was left, the page's line still selected.
    if (!index || _lists->Panel(true)->GetCount() == 0)
    {
        const std::string name = index ? INDEX_ENTRY : PageEntry(page);
        bool missing = false;
        const std::string text = ReadEntry(name.c_str(), missing);
        std::vector<std::string> lines;
        if (missing)
            lines = {"The data file has no", "help entry " + name + "."};
        else
            lines = Wrap(text.data(), text.size(), GfxResources::GetFont(GfxResources::FONT_TEXT));
        Fill(_lists->Panel(index), lines, index && !missing);
    }
    // The page list is emptied on the index, so a long page leaves nothing
    // behind for the next one.
    if (index)
        _lists->Panel(false)->Clear();
    _lists->ShowIndex(index);
    _lists->ShownBar()->UpdateThumb();
    if (IsVisible())
        Redraw();
}

std::vector<std::string> HelpForm::GetLines() const
{
    std::vector<std::string> lines;
    ItemListPanel* list = _lists->Shown();
    for (int32_t i = 0; i < list->GetCount(); ++i)
        lines.push_back(static_cast<const ItemString*>(list->GetItem(i))->GetText());
    return lines;
}

ItemListPanel* HelpForm::GetList() const
{
    return _lists->Shown();
}

void HelpForm::OnShow()
{
    MenuScreen::OnShow();
    _lists->Panel(true)->Clear();
    OpenPage(INDEX);
}

void HelpForm::OnButton(int32_t)
{
    if (_page != INDEX)
        OpenPage(INDEX);
    else
        Hide();
}

void HelpForm::MoveSelection(int32_t rows)
{
    ItemListPanel* list = _lists->Shown();
    if (list->GetCount() == 0)
        return;
    list->SetSelected(list->GetSelected() + rows);
    const int32_t selected = list->GetSelected();
    // Keep the selection in view.
    if (selected < list->GetFirst())
        list->SetFirst(selected);
    else if (selected >= list->GetFirst() + list->GetVisibleRows())
        list->SetFirst(selected - list->GetVisibleRows() + 1);
    _lists->ShownBar()->UpdateThumb();
    _lists->ShownBar()->Draw();
    list->Update();
}

void HelpForm::ScrollPage(int32_t rows)
{
    ItemListPanel* list = _lists->Shown();
    list->SetFirst(list->GetFirst() + rows);
    _lists->ShownBar()->UpdateThumb();
    _lists->ShownBar()->Draw();
    list->Update();
}

bool HelpForm::OnKey(uint32_t keyBit, bool pressed)
{
    if (!pressed)
        return MenuScreen::OnKey(keyBit, pressed);
    const bool index = _page == INDEX;
    switch (keyBit)
    {
    case KEY_UP:
    case KEY_DOWN:
    {
        const int32_t rows = keyBit == KEY_UP ? -1 : 1;
        if (index)
            MoveSelection(rows);
        else
            ScrollPage(rows);
        return true;
    }
    case KEY_START:
    {
        // Only a line of a sound index opens a page.
        ItemListPanel* list = GetList();
        if (!index || list->GetCount() == 0 || !dynamic_cast<IndexLine*>(list->GetItem(list->GetSelected())))
            return false;
        OpenPage(list->GetSelected());
        return true;
    }
    case KEY_BACK:
        Hide();
        return true;
    default:
        return MenuScreen::OnKey(keyBit, pressed);
    }
}
