#include "statistics/season_setup.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <tuple>

#include "core/data_files.h"
#include "core/safe_file.h"
#include "tests/support/leagues.h"
#include "tests/support/recording_printer.h"
#include "tests/support/scripted_dialogs.h"

namespace tavix {
namespace {

namespace fs = std::filesystem;
using testing::MadeUpLeague;
using testing::ScriptedDialogs;
using testing::SetRecord;

class NewSeasonTest : public ::testing::Test {
  protected:
    void SetUp() override {
        dir = fs::temp_directory_path() / ("tavix_newseason_" + std::to_string(::getpid()) + "_" +
                                           ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
        nba = MadeUpLeague();
        for (int t = 1; t <= 32; ++t) {
            SetRecord(nba, t, 40 + t, 30 - (t % 5), t % 3);
            nba.OffenseAve[t] = 95 + t * 0.1;
            nba.DefenseAve[t] = 99 - t * 0.1;
            testing::SetPrevious(nba, t, 1, 2, 3, 4);
            nba.PrevTies[t] = 7;
        }
    }
    void TearDown() override { fs::remove_all(dir); }
    std::string StatsPath() const { return (dir / kStatisticsFile).string(); }

    fs::path dir;
    NBA nba;
    ScriptedDialogs dialogs;
};

// Each way out before the roll-over changes nothing and writes nothing.
TEST_F(NewSeasonTest, StopsChangeNothing) {
    const struct {
        std::vector<Answer> answers;
        int shortTeam;  // a club held at 39 games, or 0
        NewSeasonOutcome outcome;
        size_t messages;
        int beeps;
    } cases[] = {{{Answer::No}, 0, NewSeasonOutcome::Declined, 1, 0},
                 {{Answer::Yes, Answer::Cancel}, 0, NewSeasonOutcome::Cancelled, 2, 0},
                 {{Answer::Yes}, 3, NewSeasonOutcome::TooFewGames, 1, 2},
                 {{Answer::Yes}, 10, NewSeasonOutcome::TooFewGames, 1, 2}};  // the tenth club counts
    const NBA original = nba;
    for (const auto& c : cases) {
        nba = original;
        if (c.shortTeam) SetRecord(nba, c.shortTeam, 20, 19);
        const NBA before = nba;
        ScriptedDialogs dialogs;
        dialogs.answers.assign(c.answers.begin(), c.answers.end());
        dialogs.strict = true;
        EXPECT_EQ(NewSeasonSetup(nba, dialogs, dir.string()), c.outcome);
        EXPECT_EQ(dialogs.shown.size(), c.messages);
        EXPECT_EQ(dialogs.beeps, c.beeps);
        EXPECT_EQ(nba.Wins, before.Wins);
        EXPECT_EQ(nba.PrevTies, before.PrevTies);
        EXPECT_EQ(nba.PrevOffenseAve, before.PrevOffenseAve);
        EXPECT_FALSE(fs::exists(StatsPath()));
    }
    nba = original;  // only the first ten clubs are looked at
    SetRecord(nba, 15, 0, 0);
    EXPECT_TRUE(NewSeasonGamesGuardPasses(nba));
}

// The warning defaults to No, so a stray Enter never clears a season.
TEST_F(NewSeasonTest, WarningAsksAndDefaultsToNo) {
    dialogs.answers = {Answer::Yes, Answer::Cancel};
    NewSeasonSetup(nba, dialogs, dir.string());
    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_EQ(dialogs.shown[0].buttons, Buttons::YesNo);
    EXPECT_EQ(dialogs.shown[0].icon, Icon::Question);
    EXPECT_EQ(dialogs.shown[0].defaultButton, DefaultButton::Second);
    EXPECT_NE(dialogs.shown[0].text.find("40 of\n\rits 82 games."), std::string::npos);  // no schedule: 82
    EXPECT_EQ(dialogs.shown[1].buttons, Buttons::OkCancel);
}

TEST_F(NewSeasonTest, RollsEverySlotOverAndSavesOnce) {
    const NBA before = nba;
    dialogs.answers = {Answer::Yes, Answer::Ok};
    dialogs.strict = true;
    ASSERT_EQ(NewSeasonSetup(nba, dialogs, dir.string()), NewSeasonOutcome::RolledOver);
    EXPECT_EQ(dialogs.shown.size(), 2u) << "no message after a good save";
    for (int i = 1; i <= 32; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(nba.Wins[i] + nba.Losses[i] + nba.Ties[i], 0);
        EXPECT_EQ(std::make_tuple(nba.PrevWins[i], nba.PrevLosses[i], nba.PrevTies[i]),
                  std::make_tuple(before.Wins[i], before.Losses[i], before.Ties[i]));
        EXPECT_EQ(nba.PrevOffenseAve[i], before.OffenseAve[i]);
        EXPECT_EQ(nba.PrevDefenseAve[i], before.DefenseAve[i]);
        EXPECT_EQ(nba.OffenseAve[i], before.OffenseAve[i]) << "averages are copied, not cleared";
    }
    EXPECT_EQ(ReadWholeFile(StatsPath()), StatisticsText(nba));
    // Nothing but the statistics file was left behind (the safe write renames its temporary file).
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
}

TEST_F(NewSeasonTest, FailedSaveKeepsTheRollOverAndSaysSo) {
    dialogs.answers = {Answer::Yes, Answer::Ok, Answer::Ok};
    EXPECT_EQ(NewSeasonSetup(nba, dialogs, (dir / "missing" / "folder").string()),
              NewSeasonOutcome::SaveFailed);
    ASSERT_EQ(dialogs.shown.size(), 3u);
    EXPECT_EQ(dialogs.shown[2].text.rfind("Statistics could not be saved to disk: ", 0), 0u)
        << dialogs.shown[2].text;
    EXPECT_EQ(nba.Wins[1], 0);
    EXPECT_EQ(nba.PrevWins[1], 41);
}

// ---------------------------------------------------------------- gathering form

TEST(GatheringForm, PrintsOneRuledLinePerTeam) {
    NBA nba = MadeUpLeague();
    nba.CityNames[2] = "San Antonio";
    nba.TeamNames[2] = "Spurs";
    nba.CityNames[3] = "A Very Long City Name";  // 21 + 1 + 11 = 33 characters: not cut
    nba.TeamNames[3] = "Nicknamesss";
    testing::RecordingPrinter printer;
    SendGatheringForm(nba, "Courier New", printer);

    const std::string rules = "______   ______    ___________   ___________";
    ASSERT_EQ(printer.lines.size(), 5u + 2 * 29);
    const struct {
        size_t index;
        std::string text;
        double size;
    } expected[] = {
        {2, "       Tavix Statistics Gathering Form   Date _______", 15},
        {3, "", 6},
        {4, "            TEAM                     WINS    LOSSES    AVE OFFENSE   AVE DEFENSE", 10},
        {5, " ", 10},
        {6, std::string(10, ' ') + "City1 Team1" + std::string(15, ' ') + rules, 10},
        {8, std::string(10, ' ') + "San Antonio Spurs" + std::string(9, ' ') + rules, 10},
        {10, std::string(10, ' ') + "A Very Long City Name Nicknamesss" + rules, 10},
        {62, std::string(10, ' ') + "City29 Team29" + std::string(13, ' ') + rules, 10}};
    for (const auto& e : expected) {
        EXPECT_EQ(printer.lines[e.index].text, e.text) << "line " << e.index;
        EXPECT_EQ(printer.lines[e.index].size, e.size) << "line " << e.index;
        EXPECT_EQ(printer.lines[e.index].font, "Courier New");
    }
    EXPECT_EQ(printer.documentsEnded, 1);
}

}  // namespace
}  // namespace tavix
