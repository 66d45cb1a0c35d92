// Whole games as a player meets them: from a fresh store to "Game over" and
// the high score table, only through taps and keys on the real program (the
// player-bot of BotGame), with restarts on the way. One game ends by
// retirement, the other at the final year.
//
// What the bot saw (each screen the first time, with its texts) is compared
// with the record kept in Tests/Data/BotRecords: a change that alters what a
// player sees fails here until the record is updated on purpose. The
// records are of each game in a process of its own, as ctest runs tests:
// some screens remember a choice for the whole process (the model shown
// last when buying, the statistics page), so a game played after another
// in the same process starts from the other's choices.
#include "Common/BotGame.h"
#include "Common/Backend/Notices.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace
{
// Compares the bot's record with the one kept in the source tree; a
// difference leaves the new record in the build folder to look at.
void ExpectRecord(const PlayerBot& bot, const char* name)
{
    const std::string kept = std::string(SKYREACH_SOURCE_DIR) + "/Tests/Data/BotRecords/" + name + ".txt";
    const std::string made = std::string(SKYREACH_BINARY_DIR) + "/bot-records/" + name + ".txt";
    std::filesystem::create_directories(std::string(SKYREACH_BINARY_DIR) + "/bot-records");
    std::ofstream(made, std::ios::binary) << bot.Record();
    std::ifstream in(kept, std::ios::binary);
    std::stringstream expected;
    expected << in.rdbuf();
    EXPECT_TRUE(expected.str() == bot.Record())
        << "what the bot saw differs from " << kept << ": compare (diff -u " << kept << " " << made
        << ") and, if the change is meant, copy the new record over the kept one";
}
} // namespace

TEST(BotGameTest, AnAirlineFoundedThroughTheScreensRetires)
{
    BotGame game;
    const BotGame::Result result = game.Play({"Retiring", 1959, 1970});
    ASSERT_EQ("", result.failure);
    EXPECT_EQ(Screens::GAME_OVER_RETIRED, result.ending);
    EXPECT_EQ(result.highScore, result.inHighScores);
    EXPECT_GE(result.restarts, 1);
    ExpectRecord(game.Bot(), "retiring");
}

TEST(BotGameTest, AnAirlineFoundedThroughTheScreensPlaysToTheFinalYear)
{
    BotGame game;
    const BotGame::Result result = game.Play({"Enduring", 2003, 0});
    ASSERT_EQ("", result.failure);
    EXPECT_EQ(Screens::GAME_OVER_FINAL_YEAR, result.ending);
    EXPECT_TRUE(result.highScore && result.inHighScores);
    EXPECT_GE(result.restarts, 3);
    ExpectRecord(game.Bot(), "enduring");
}
