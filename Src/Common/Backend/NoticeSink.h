// NoticeSink: how the simulation asks for the player's attention without
// knowing about screens.
//
// Events that must be seen open a notice by number; the ends of a game
// (bankruptcy, the final year) are reported as a game-over reason. In the game
// the form changer implements this and switches screens; the headless
// simulation answers from its script. With no sink installed, notices are
// dropped, which is what bookkeeping-only runs and most tests want.
#pragma once

#include <cstdint>

class NoticeSink
{
public:
    virtual ~NoticeSink();

    virtual void ShowNotice(int32_t notice) = 0;
    virtual void GameOver(int32_t reason) = 0;
};

// Installs the sink (null removes it) and returns the previous one.
NoticeSink* SetNoticeSink(NoticeSink* sink);
// The installed sink, or null.
NoticeSink* GetNoticeSink();
