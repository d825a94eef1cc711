// The two statistics commands of the main window's menu that open no window.
#include "statistics/windows/season_commands.h"

#include <QTest>

#include "core/data_files.h"
#include "core/safe_file.h"
#include "statistics/season_setup.h"
#include "tests/support/qt/test_context.h"

using namespace tavix;
using namespace tavix::testing;

class SeasonCommandsTest : public QObject {
    Q_OBJECT

  private slots:
    // OK prints in the chosen font, Cancel prints nothing, a failing printer is reported.
    void gatheringFormAsksThenPrints() {
        TestApp app;
        app.nba.PrinterFontName = "DejaVu Sans Mono";
        PrintGatheringForm(*app.ctx);
        QCOMPARE(app.dialogs.shown[0].icon, Icon::Question);
        const auto& lines = app.printers.Last().lines;
        QCOMPARE(lines.size(), size_t(5 + 2 * 29));
        QCOMPARE(lines[6].text, std::string(10, ' ') + PaddedTo(FullName(app.nba, 1), 26) +
                                    "______   ______    ___________   ___________");
        QCOMPARE(lines[6].font, std::string("DejaVu Sans Mono"));
        app.dialogs.answers = {Answer::Cancel};
        PrintGatheringForm(*app.ctx);
        QCOMPARE(app.printers.jobs.size(), size_t(1));
        app.printers.failAfterLines = 3;
        PrintGatheringForm(*app.ctx);
        QCOMPARE(app.dialogs.shown.size(), size_t(4));
        QVERIFY(app.printers.Last().abandoned);
    }

    void newSeasonRollsOverAndSavesOrChangesNothing() {
        TestApp app;
        const NBA before = app.nba;
        const std::string file = *ReadWholeFile(JoinPath(app.DataDir(), kStatisticsFile));
        app.dialogs.answers = {Answer::No};
        RunNewSeason(*app.ctx);
        QCOMPARE(app.nba.Wins[1], before.Wins[1]);
        QCOMPARE(*ReadWholeFile(JoinPath(app.DataDir(), kStatisticsFile)), file);
        app.dialogs.answers = {Answer::Yes, Answer::Ok};
        RunNewSeason(*app.ctx);
        for (int t = 1; t <= 29; ++t) {
            QCOMPARE(app.nba.Wins[t], int16_t(0));
            QCOMPARE(app.nba.PrevWins[t], before.Wins[t]);
        }
        QCOMPARE(*ReadWholeFile(JoinPath(app.DataDir(), kStatisticsFile)), StatisticsText(app.nba));
    }
};

QTEST_MAIN(SeasonCommandsTest)
#include "season_commands_test.moc"
