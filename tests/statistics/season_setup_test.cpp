#include "statistics/season_setup.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "core/data_files.h"
#include "core/safe_file.h"
#include "tests/statistics/test_league.h"
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

struct StopCase {
    const char* name;
    std::vector<Answer> answers;
    int shortTeam;  // a club held below 40 games, or 0
    NewSeasonOutcome outcome;
    size_t messages;
    int beeps;
};

class NewSeasonStopTest : public NewSeasonTest, public ::testing::WithParamInterface<StopCase> {};

TEST_P(NewSeasonStopTest, ChangesNothing) {
    const StopCase& c = GetParam();
    if (c.shortTeam) SetRecord(nba, c.shortTeam, 20, 19);
    const NBA before = nba;
    dialogs.answers.assign(c.answers.begin(), c.answers.end());
    dialogs.strict = true;

    EXPECT_EQ(NewSeasonSetup(nba, dialogs, dir.string()), c.outcome);
    EXPECT_EQ(dialogs.shown.size(), c.messages);
    EXPECT_EQ(dialogs.beeps, c.beeps);
    EXPECT_EQ(nba.Wins, before.Wins);
    EXPECT_EQ(nba.PrevWins, before.PrevWins);
    EXPECT_EQ(nba.PrevTies, before.PrevTies);
    EXPECT_EQ(nba.PrevOffenseAve, before.PrevOffenseAve);
    EXPECT_FALSE(fs::exists(StatsPath()));
}

INSTANTIATE_TEST_SUITE_P(
    Stops, NewSeasonStopTest,
    ::testing::Values(
        StopCase{"NoToTheWarning", {Answer::No}, 0, NewSeasonOutcome::Declined, 1, 0},
        StopCase{
            "CancelToTheConfirmation", {Answer::Yes, Answer::Cancel}, 0, NewSeasonOutcome::Cancelled, 2, 0},
        StopCase{"ThirtyNineGamesBeepTwice", {Answer::Yes}, 3, NewSeasonOutcome::TooFewGames, 1, 2},
        StopCase{"TenthClubCounts", {Answer::Yes}, 10, NewSeasonOutcome::TooFewGames, 1, 2}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(NewSeasonTest, MessagesAsWorded) {
    dialogs.answers = {Answer::Yes, Answer::Cancel};
    NewSeasonSetup(nba, dialogs, dir.string());
    ASSERT_EQ(dialogs.shown.size(), 2u);
    const auto& warning = dialogs.shown[0];
    EXPECT_EQ(warning.title, "Tavix");
    EXPECT_EQ(warning.buttons, Buttons::YesNo);
    EXPECT_EQ(warning.icon, Icon::Critical);
    EXPECT_EQ(warning.defaultButton, DefaultButton::Second);
    EXPECT_EQ(
        warning.text.substr(0, 92),
        "This function processes the Statistics from \n\rlast season and prepares the program to make\n\r");
    EXPECT_NE(warning.text.find("predictions for a new year.\n\r\n\rCAUTION!  The Won"), std::string::npos);
    EXPECT_NE(warning.text.find("making predicitons.  For updated"), std::string::npos);
    const std::string ending = "spring.\n\r\n\r     CONTINUE?          Select 'NO' to Exit";
    EXPECT_EQ(warning.text.substr(warning.text.size() - ending.size()), ending);
    const auto& confirm = dialogs.shown[1];
    EXPECT_EQ(confirm.text,
              "Click 'OK' to clear the current year\n\rstatistics and log them as the\n\rprevious years "
              "information.");
    EXPECT_EQ(confirm.buttons, Buttons::OkCancel);
    EXPECT_EQ(confirm.icon, Icon::Critical);
    EXPECT_EQ(confirm.title, "Tavix");
}

TEST_F(NewSeasonTest, GuardLooksAtTheFirstTenClubsOnly) {
    SetRecord(nba, 15, 0, 0);
    SetRecord(nba, 11, 1, 1);
    for (int t = 1; t <= 10; ++t) SetRecord(nba, t, 20, 20);
    EXPECT_TRUE(NewSeasonGamesGuardPasses(nba));
    SetRecord(nba, 7, 20, 19);
    EXPECT_FALSE(NewSeasonGamesGuardPasses(nba));
}

TEST_F(NewSeasonTest, RollsEverySlotOverAndSavesOnce) {
    const NBA before = nba;
    dialogs.answers = {Answer::Yes, Answer::Ok};
    dialogs.strict = true;
    ASSERT_EQ(NewSeasonSetup(nba, dialogs, dir.string()), NewSeasonOutcome::RolledOver);
    EXPECT_EQ(dialogs.shown.size(), 2u) << "no message after a good save";
    for (int i = 1; i <= 32; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(nba.Wins[i], 0);
        EXPECT_EQ(nba.Losses[i], 0);
        EXPECT_EQ(nba.Ties[i], 0);
        EXPECT_EQ(nba.PrevWins[i], before.Wins[i]);
        EXPECT_EQ(nba.PrevLosses[i], before.Losses[i]);
        EXPECT_EQ(nba.PrevTies[i], before.Ties[i]);
        EXPECT_EQ(nba.PrevOffenseAve[i], before.OffenseAve[i]);
        EXPECT_EQ(nba.PrevDefenseAve[i], before.DefenseAve[i]);
        EXPECT_EQ(nba.OffenseAve[i], before.OffenseAve[i]) << "averages are copied, not cleared";
        EXPECT_EQ(nba.DefenseAve[i], before.DefenseAve[i]);
    }
    // The file on disk holds the rolled-over figures.
    const auto bytes = ReadWholeFile(StatsPath());
    ASSERT_TRUE(bytes.has_value());
    EXPECT_EQ(*bytes, StatisticsText(nba));
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
    EXPECT_EQ(dialogs.shown[2].title, "Tavix");
    EXPECT_EQ(nba.Wins[1], 0);
    EXPECT_EQ(nba.PrevWins[1], 41);
}

// ---------------------------------------------------------------- gathering form

TEST(GatheringForm, ConfirmationAsWorded) {
    EXPECT_EQ(GatheringFormConfirmText(),
              "Click on the 'OK' button to\r\nprint a form which is designed\r\nto help you gather the "
              "necessary\r\n"
              "information to properly update\r\nthe Tavix statistics database.\r\nThis form comes in handy "
              "when\r\n"
              "you are browsing the Sports section\r\nof your newspaper or other sporting\r\n"
              "reports.  Many Internet sites\r\nwill also have the latest stats.\r\n\r\n"
              "Click 'Cancel' to exit without\r\nprinting a form.");
    EXPECT_STREQ(kGatheringFormTitle, "Tavix Statistics");
}

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
    struct Expect {
        size_t index;
        std::string text;
        double size;
    };
    for (const Expect& e : std::vector<Expect>{
             {0, "", 15},
             {1, "", 15},
             {2, "       Tavix Statistics Gathering Form   Date _______", 15},
             {3, "", 6},
             {4, "            TEAM                     WINS    LOSSES    AVE OFFENSE   AVE DEFENSE", 10},
             {5, " ", 10},
             {6, std::string(10, ' ') + "City1 Team1" + std::string(15, ' ') + rules, 10},
             {7, " ", 10},
             {8, std::string(10, ' ') + "San Antonio Spurs" + std::string(9, ' ') + rules, 10},
             {10, std::string(10, ' ') + "A Very Long City Name Nicknamesss" + rules, 10},
             {62, std::string(10, ' ') + "City29 Team29" + std::string(13, ' ') + rules, 10}}) {
        EXPECT_EQ(printer.lines[e.index].text, e.text) << "line " << e.index;
        EXPECT_EQ(printer.lines[e.index].size, e.size) << "line " << e.index;
        EXPECT_EQ(printer.lines[e.index].font, "Courier New");
    }
    EXPECT_EQ(printer.documentsEnded, 1);
}

}  // namespace
}  // namespace tavix
