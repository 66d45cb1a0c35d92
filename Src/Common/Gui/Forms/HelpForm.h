// HelpForm: the main menu's "Help": the help pages of the data file, read in
// a scrolling list.
//
// The index ("help_index_rsc") lists one page per line; choosing line n (a
// tap on the selected line, or the start key) opens page n ("help<n+1>_rsc").
// A page's text is wrapped to the list: see Wrap. OK on a page returns to the
// index, OK on the index and the back key return to the menu. Up and down
// scroll a page and move the index's selection.
#pragma once

#include "Common/Gui/Forms/MenuScreen.h"

#include <cstddef>
#include <string>
#include <vector>

class Font;
class ItemListPanel;

class HelpForm : public MenuScreen
{
public:
    static constexpr int32_t INDEX = -1;
    // Lines stay narrower than this, in pixels of the text font.
    static constexpr int32_t LINE_LIMIT = 185;

    enum Button
    {
        OK,
    };

    HelpForm();
    ~HelpForm() override;

    void OnShow() override;
    bool OnKey(uint32_t keyBit, bool pressed) override;

    // Shows page `page` (from 0), or the index for INDEX.
    void OpenPage(int32_t page);
    int32_t GetPage() const { return _page; }
    // The lines of the index or page shown.
    std::vector<std::string> GetLines() const;
    // The list of the index or page shown.
    ItemListPanel* GetList() const;

    // Cuts a help text into lines: a tab counts as four spaces; a space ends
    // a word, which joins the line while the line with it stays narrower
    // than LINE_LIMIT in `font`, else starts the next line (a word too wide
    // for any line thus stands alone); a newline ends the line, a NUL the
    // text.
    static std::vector<std::string> Wrap(const char* text, size_t size, Font* font);
    // The data file's entry of a page, from 0.
    static std::string PageEntry(int32_t page);

protected:
    void OnButton(int32_t id) override;

private:
    class Lists;

    void Fill(ItemListPanel* list, const std::vector<std::string>& lines, bool selectable);
    void MoveSelection(int32_t rows);
    void ScrollPage(int32_t rows);

    Lists* _lists;
    int32_t _page = INDEX;
};
