// A fan's evening with the whole program: new figures recorded, the standings, ratings and forecast
// that follow from them, a printer font chosen and the standings printed through a real CUPS queue, Exit, and
// a second start that finds everything kept. Real windows (offscreen), the desktop printer and the data files
// in a temporary folder; every message box must be one the fan expects. Needs a cups-pdf queue: eval
// "$(.ci/cups.sh start DIR)" sets TAVIX_CUPS_PRINTER and TAVIX_CUPS_OUT.
#include <QAbstractButton>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "core/data_files.h"
#include "forecast/windows/pseason.h"
#include "settings/windows/setfont.h"
#include "settings/windows/settingsform.h"
#include "statistics/windows/statform.h"
#include "statistics/windows/vstatsform.h"
#include "tests/support/qt/journey.h"

using namespace tavix;
using namespace tavix::testing;

namespace {

const char kFont[] = "DejaVu Sans Mono";
constexpr int kKnicks = 4;

template <class T = QAbstractButton>
T* Control(QWidget* window, const char* name) {
    return window ? window->findChild<T*>(name) : nullptr;
}

QString IniText(const std::string& path) {
    QFile ini(QString::fromStdString(path));
    return ini.open(QIODevice::ReadOnly) ? QString::fromLatin1(ini.readAll()).trimmed() : "<unreadable>";
}

}  // namespace

class EveningCupsTest : public QObject {
    Q_OBJECT
    QString queue_, out_;
    QTemporaryDir dir_;
    std::unique_ptr<Program> app_;

    std::string DataDir() const { return dir_.path().toStdString(); }
    std::string SettingsPath() const { return dir_.filePath("config/TVX.ini").toStdString(); }

    void Start() {
        app_ = std::make_unique<Program>(DataDir(), SettingsPath());
        const std::string unexpected = app_->Load();
        QVERIFY2(unexpected.empty(), unexpected.c_str());
        QVERIFY(app_->report.statisticsOk && app_->report.scheduleOk && app_->report.namesOk);
    }
    // A menu item is only there for the fan when the main window, its menu and the item are on.
    void Choose(QMenu* menu, QAction* item) {
        QVERIFY2(app_->main->isVisible() && app_->main->isEnabled(),
                 qPrintable("no main window: " + item->text()));
        QVERIFY2(menu->menuAction()->isEnabled() && item->isEnabled(), qPrintable(item->text() + " is off"));
        TAVIX_STEP(item->trigger());
    }
    void Click(QAbstractButton* button, const char* what) {
        QVERIFY2(button, what);
        QVERIFY2(button->isVisible() && button->isEnabled() && button->window()->isEnabled(),
                 qPrintable(QString(what) + " cannot be clicked"));
        TAVIX_STEP(button->click());
    }
    void Type(QWidget* window, const char* field, const QString& text) {
        auto* edit = Control<QLineEdit>(window, field);
        QVERIFY(edit);
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, text);
        QCOMPARE(edit->text(), text);
    }
    // The one message box a step showed, answered as queued.
    void Answered(const char* text) {
        QVERIFY2(app_->dialogs.answers.empty(), "an expected message box did not appear");
        QCOMPARE(app_->dialogs.shown.back().text + "|" + app_->dialogs.shown.back().title,
                 std::string(text) + "|Tavix");
    }
    void KnicksFigures(const NBA& nba) {
        QCOMPARE(QString("%1-%2 %3 %4")
                     .arg(nba.Wins[kKnicks])
                     .arg(nba.Losses[kKnicks])
                     .arg(nba.OffenseAve[kKnicks])
                     .arg(nba.DefenseAve[kKnicks]),
                 QString("45-5 101.5 88.2"));
    }

  private slots:
    void initTestCase() {
        const CupsSetup cups = FindCupsSetup({"pdftotext", "pdffonts", "lpstat"});
        if (!cups.skip.isEmpty()) QSKIP(qPrintable(cups.skip));
        queue_ = cups.queue;
        out_ = cups.out;
        QVERIFY(dir_.isValid() && QDir(dir_.path()).mkpath("config"));
        CopySuppliedData(dir_.path().toStdString());
    }

    void aFansEvening() {
        TAVIX_CHECKED(Start());
        QVERIFY(!app_->report.settingsOk);  // no settings file yet
        Form2& w = *app_->main;
        w.show();

        // New figures for the Knicks, recorded with today's date; leaving then asks nothing.
        TAVIX_CHECKED(Choose(w.STmenu, w.updatemenu));
        auto* stat = OpenWindow<statform>(w);
        QVERIFY(stat && stat->isVisible());
        for (int i = 1; i < kKnicks; ++i) TAVIX_CHECKED(Click(Control(stat, "teamupbutton"), "teamupbutton"));
        for (auto [field, text] :
             {std::pair{"wintext", "45"}, {"losstext", "5"}, {"GFtext", "101.5"}, {"GAtext", "88.2"}})
            TAVIX_CHECKED(Type(stat, field, text));
        app_->dialogs.answers.push_back(Answer::Ok);
        TAVIX_CHECKED(Click(Control(stat, "RecordButton"), "RecordButton"));
        TAVIX_CHECKED(Answered("Statistics were saved to Disk."));
        TAVIX_CHECKED(Click(Control(stat, "Exitbutton"), "Exitbutton"));
        QVERIFY(!OpenWindow<statform>(w) && w.isEnabled());
        NBA onDisk;
        LoadLeague(DataDir(), SettingsPath(), onDisk);
        TAVIX_CHECKED(KnicksFigures(onDisk));
        QCOMPARE(QString("%1-%2-%3").arg(onDisk.UpdateMonth).arg(onDisk.UpdateDay).arg(onDisk.UpdateYear),
                 "3-14-1999");

        // 45-5 leads the Atlantic by a distance: first under the column heading, no games behind.
        TAVIX_CHECKED(Choose(w.STmenu, w.standingsmenu));
        const QStringList standings = Items(w.List2);
        const int atlantic = standings.indexOf("   Atlantic Division");
        QVERIFY(atlantic >= 0);
        QCOMPARE(standings.value(atlantic + 1),
                 QString("                    Wins  Losses   Pct.   GB     SCO"));
        const QString leader = standings.value(atlantic + 2);
        QVERIFY2(
            leader.startsWith("     New York        45      5    0.900   -   ") && leader.endsWith("+13.30"),
            qPrintable(leader));
        TAVIX_CHECKED(Click(w.StandingDoneButton, "StandingDoneButton"));

        // Ratings sorted by scoring margin put the Knicks first.
        TAVIX_CHECKED(Choose(w.STmenu, w.ratingmenu));
        auto* ratings = OpenWindow<VStatsform>(w);
        QVERIFY(ratings && ratings->isVisible());
        auto* table = Control<QListWidget>(ratings, "List1");
        QCOMPARE(table->item(5)->text(),
                 QString(" Knicks           45      5     0.900     101.5      88.2      +13.3"));
        TAVIX_CHECKED(Click(Control(ratings, "donebutton"), "ratings donebutton"));
        QVERIFY(!OpenWindow<VStatsform>(w));
        QCOMPARE(w.Context().seasonView, SeasonView::Current);

        // The Knicks' margin tops the league: first seed of the East, its champion and the favourite.
        TAVIX_CHECKED(Choose(w.STmenu, w.pseasonmenu));
        auto* forecast = OpenWindow<Pseason>(w);
        QVERIFY(forecast && forecast->isVisible());
        auto box = [&](int i) {
            return Control<QLabel>(forecast, qPrintable(QString("label(%1)").arg(i)))->text();
        };
        for (int i : {1, 5, 7}) QCOMPARE(box(i).trimmed(), QString("New York"));
        TAVIX_CHECKED(Click(Control(forecast, "DoneButton"), "forecast DoneButton"));

        // A printer font chosen in the settings is kept in the settings file.
        TAVIX_CHECKED(Choose(w.Fmenu, w.Settingsmenu));
        auto* settings = OpenWindow<Settingsform>(w);
        QVERIFY(settings && settings->isVisible());
        TAVIX_CHECKED(Click(Control(settings, "Command1"), "Printer Font"));
        auto* fonts = OpenWindow<Setfont>(w);
        QVERIFY(fonts && fonts->isVisible() && !settings->isEnabled());
        auto* names = Control<QListWidget>(fonts, "List1");
        const QList<QListWidgetItem*> dejavu = names->findItems(kFont, Qt::MatchExactly);
        QCOMPARE(dejavu.size(), 1);
        names->scrollToItem(dejavu[0]);
        QTest::mouseClick(names->viewport(), Qt::LeftButton, {}, names->visualItemRect(dejavu[0]).center());
        TAVIX_CHECKED(Click(Control(fonts, "donebutton"), "font donebutton"));
        QVERIFY(settings->isEnabled());
        TAVIX_CHECKED(Click(Control(settings, "OkButton"), "settings OkButton"));
        QVERIFY(!OpenWindow<Settingsform>(w) && w.isEnabled());
        QCOMPARE(IniText(SettingsPath()), QString(kFont));

        // The standings through the queue, in that font, with the confirmation and nothing else.
        QTRY_VERIFY_WITH_TIMEOUT(PrintQueueEmpty(), 20000);  // nobody else's job in the way
        TAVIX_CHECKED(Choose(w.STmenu, w.standingsmenu));
        const size_t shownBefore = app_->dialogs.shown.size();
        app_->dialogs.answers.push_back(Answer::Ok);
        TAVIX_CHECKED(Click(w.StandPrintButton, "StandPrintButton"));
        TAVIX_CHECKED(Answered("Ready to send Standings to the Printer."));
        QCOMPARE(app_->dialogs.shown.size(), shownBefore + 1);
        const int job = app_->printers->LastJobId();
        QVERIFY(job > 0);
        QTRY_VERIFY_WITH_TIMEOUT(PrintQueueEmpty(), 20000);
        QString pdf;
        QTRY_VERIFY_WITH_TIMEOUT(!(pdf = PdfOfJob(out_, job)).isEmpty(), 20000);
        QTRY_COMPARE_WITH_TIMEOUT(PdfLines(pdf), Squeezed(Items(w.List2)), 20000);
        const QStringList used = PdfFonts(pdf);
        QVERIFY(!used.isEmpty());
        for (const QString& font : used)
            QVERIFY2(font.contains("DejaVuSansMono"), qPrintable(used.join(", ")));
        TAVIX_CHECKED(Click(w.StandingDoneButton, "StandingDoneButton"));

        // Exit saves the settings again and ends the event loop main() runs; here that loop runs
        // inside the test, so the program ends and the test inspects what it left.
        QVERIFY(QFile::remove(QString::fromStdString(SettingsPath())));
        bool exitRan = false;
        QTimer::singleShot(0, &w, [&] {
            exitRan = true;
            TAVIX_CHECKED(Choose(w.Fmenu, w.Exitmenu));
        });
        QTimer::singleShot(20000, &w, [] { QCoreApplication::exit(99); });  // an Exit that ends nothing
        QCOMPARE(QApplication::exec(), 0);
        QVERIFY(exitRan);
        app_.reset();  // what main() does once the loop has ended
        QCOMPARE(IniText(SettingsPath()), QString(kFont));

        // A second start finds the font and the figures.
        TAVIX_CHECKED(Start());
        QVERIFY(app_->report.settingsOk);
        QCOMPARE(app_->nba.PrinterFontName, std::string(kFont));
        TAVIX_CHECKED(KnicksFigures(app_->nba));
        app_->main->show();
        TAVIX_CHECKED(Choose(app_->main->STmenu, app_->main->standingsmenu));
        QVERIFY(
            Items(app_->main->List2).join('\n').contains("     New York        45      5    0.900   -   "));
        app_.reset();
    }
};

QTEST_MAIN(EveningCupsTest)
#include "evening_cups_test.moc"
