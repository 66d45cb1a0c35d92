// HighScoreTableForm: the main menu's "Highscores": the ten best finished
// games, three at a time.
//
// Each panel shows a place ("01" to "10"), the company's name, the year the
// game ended and the company's worth. The scroll buttons (and the up and down
// keys) move the first place shown between 1 and 8; every showing starts at
// the top. OK and the back key return to the menu, the quit key ends the
// program. The table itself belongs to the main form, which saves it; the
// "Game over" screen enters each finished game.
#pragma once

#include "Common/Gui/Forms/MenuScreen.h"

class HighScoreTable;

class HighScoreTableForm : public MenuScreen
{
public:
    static constexpr int32_t PANELS = 3;

    enum Button
    {
        SCROLL_UP,
        SCROLL_DOWN,
        OK,
    };

    explicit HighScoreTableForm(HighScoreTable* table);

    void OnShow() override;
    bool OnKey(uint32_t keyBit, bool pressed) override;

    // The index of the entry in the top panel.
    int32_t GetFirst() const { return _first; }
    // The last value GetFirst can take: the table's capacity less the panels.
    int32_t GetLastFirst() const;
    void Scroll(int32_t rows);

protected:
    void OnButton(int32_t id) override;
    void PaintContent() override;

private:
    void UpdateButtons();

    HighScoreTable* _table;
    int32_t _first = 0;
};
