#include "reference/windows/namesform.h"

#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>
#include <cerrno>
#include <cstring>

#include "core/data_files.h"
#include "reference/names_editor.h"
#include "tests/support/qt/test_context.h"

namespace tavix {

namespace {
QWidget* NextTabStop(QWidget* from) {
    for (QWidget* w = from->nextInFocusChain(); w && w != from; w = w->nextInFocusChain())
        if ((w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(from->window()) && w->isEnabled()) return w;
    return nullptr;
}
}  // namespace

class NamesformTest : public QObject {
    Q_OBJECT
    std::unique_ptr<testing::TestApp> app_;
    Namesform* form_ = nullptr;

    void Open() {
        form_ = app_->Open<Namesform>();
        QVERIFY(QTest::qWaitForWindowExposed(form_));
    }
    std::string NamesFile() const { return JoinPath(app_->DataDir(), kNamesFile); }

  private slots:
    void init() {
        app_ = std::make_unique<testing::TestApp>(false);
        for (int t = 1; t <= kLeagueTeams; ++t) {
            app_->nba.CityNames[t] = "City" + std::to_string(t);
            app_->nba.TeamNames[t] = "Team" + std::to_string(t);
        }
        app_->nba.CityNames[16] = "Dallas-Fort Worth";  // longer than a box takes
        app_->dialogs.strict = true;
        Open();
    }
    void cleanup() { app_.reset(); }

    // Each team's boxes sit in its division block, below the division's label, in team order.
    void showsEveryTeamInItsDivisionBlock() {
        QCOMPARE(form_->windowTitle(), QString("City & Team Names - Tavix"));
        const QLabel* labels[] = {form_->Label1, form_->Label3, form_->Label4, form_->Label6};
        const int firstOfBlock[] = {1, 8, 16, 23, 30};
        for (int block = 0; block < 4; ++block) {
            for (int t = firstOfBlock[block]; t < firstOfBlock[block + 1]; ++t) {
                QLineEdit *city = form_->Text1[t], *nick = form_->Text2[t];
                QCOMPARE(city->parentWidget(), block < 2 ? form_->Frame1 : form_->Frame2);
                QVERIFY(city->y() > labels[block]->y());
                if (block % 2 == 0) QVERIFY(city->y() < labels[block + 1]->y());
                if (t > firstOfBlock[block]) QVERIFY(city->y() > form_->Text1[t - 1]->y());
                QVERIFY(nick->y() == city->y() && nick->x() > city->geometry().right());
                QCOMPARE(city->text().toStdString(), app_->nba.CityNames[t]);
                QCOMPARE(nick->text().toStdString(), app_->nba.TeamNames[t]);
                // Tab goes from a city to its nickname, then to the next team's city.
                QCOMPARE(NextTabStop(city), static_cast<QWidget*>(nick));
                if (t < 29) QCOMPARE(NextTabStop(nick), static_cast<QWidget*>(form_->Text1[t + 1]));
            }
        }
        QVERIFY(testing::SaveGrab(form_, "namesform"));
    }

    // A box takes twelve characters and no double quote (the file could not carry it), but a
    // longer name already on file survives saving; Yes writes file and league and stays open.
    void yesSavesWhatTheBoxesAllow() {
        QTest::keyClicks(form_->Text1[4], "ABCDEFGHIJKLM");
        form_->Text2[4]->clear();
        QTest::keyClicks(form_->Text2[4], "Kni\"cks");
        form_->Text2[29]->setText("  Sonics, ");
        app_->dialogs.answers = {Answer::Yes};
        QTest::mouseClick(form_->savebutton, Qt::LeftButton);
        QCOMPARE(app_->nba.CityNames[4] + app_->nba.TeamNames[4], std::string("City4ABCDEFGKnicks"));
        QCOMPARE(app_->nba.CityNames[16], std::string("Dallas-Fort Worth"));
        QCOMPARE(app_->nba.TeamNames[29], std::string("  Sonics, "));
        NBA reread;
        QVERIFY(ParseNames(ReadWholeFile(NamesFile()).value_or(""), reread));
        QVERIFY(reread.CityNames == app_->nba.CityNames && reread.TeamNames == app_->nba.TeamNames);
        QVERIFY(form_->isVisible());
    }

    // Answering No, or a save that fails, keeps the file and the league and leaves the edit to try
    // again; closing then and discarding drops the edit.
    void noOrAFailedSaveChangesNothing_data() {
        QTest::addColumn<bool>("fails");
        QTest::newRow("no") << false;
        QTest::newRow("failed save") << true;
    }
    void noOrAFailedSaveChangesNothing() {
        QFETCH(bool, fails);
        if (fails) app_->ctx->dataDir = app_->DataDir() + "/no-such-folder";
        app_->dialogs.answers = {fails ? Answer::Yes : Answer::No};
        if (fails) app_->dialogs.answers.push_back(Answer::Ok);
        app_->dialogs.answers.push_back(Answer::Discard);  // leaving asks about the edit
        form_->Text1[1]->setText("Hartford");
        form_->savebutton_Click();
        QCOMPARE(app_->dialogs.shown.size(), size_t(fails ? 2 : 1));
        if (fails)
            QCOMPARE(app_->dialogs.shown[1].text,
                     "Unable to Save file - check disk, write protect etc..\r\n\r\n" + app_->ctx->dataDir +
                         "/TavixNM.dat: " + std::strerror(ENOENT) + ".");
        QCOMPARE(form_->Text1[1]->text(), QString("Hartford"));
        QVERIFY(!QFile::exists(QString::fromStdString(NamesFile())));
        QCOMPARE(app_->nba.CityNames[1], std::string("City1"));
        QTest::mouseClick(form_->Command1, Qt::LeftButton);
        QVERIFY(app_->host.closed == 1 && app_->host.main->isEnabled());
        Open();
        QCOMPARE(form_->Text1[1]->text(), QString("City1"));
    }

    // The league stays sound: an empty or blank city or team name, or a second team of the same
    // city and name however it is spelt, is refused with a message naming the team; its box gets
    // the focus and nothing is saved. One city may hold two teams of different names.
    void unsoundNamesAreRefused_data() {
        QTest::addColumn<QStringList>("edits");  // box=text
        QTest::addColumn<QString>("focus");
        QTest::addColumn<QString>("says");  // empty: saved
        QTest::newRow("empty city") << QStringList{"Text1(4)="} << "Text1(4)"
                                    << "The city of City4 Team4 (Atlantic Division, row 4) is empty.";
        QTest::newRow("blank team name")
            << QStringList{"Text2(29)=   "} << "Text2(29)"
            << "The team name of City29 Team29 (Pacific Division, row 7) is empty.";
        QTest::newRow("same city and name")
            << QStringList{"Text1(9)=c.i.t.y 1", "Text2(9)=TEAM1"} << "Text1(9)"
            << "City1 Team1 (Atlantic Division, row 1) and City9 Team9 (Central "
               "Division, row 2) would both be \"c.i.t.y 1 TEAM1\".";
        QTest::newRow("one city, two teams") << QStringList{"Text1(24)=L.A.", "Text1(25)=L. A."} << ""
                                             << "";
    }
    void unsoundNamesAreRefused() {
        QFETCH(QStringList, edits);
        QFETCH(QString, focus);
        QFETCH(QString, says);
        for (const QString& edit : edits)
            form_->findChild<QLineEdit*>(edit.section('=', 0, 0))->setText(edit.section('=', 1));
        app_->dialogs.answers = {says.isEmpty() ? Answer::Yes : Answer::Ok};
        QTest::mouseClick(form_->savebutton, Qt::LeftButton);
        QCOMPARE(app_->dialogs.shown.size(), size_t(1));
        QCOMPARE(QFile::exists(QString::fromStdString(NamesFile())), says.isEmpty());
        if (says.isEmpty()) return;
        QVERIFY2(QString::fromStdString(app_->dialogs.shown[0].text).startsWith(says),
                 app_->dialogs.shown[0].text.c_str());
        QCOMPARE(form_->focusWidget(), form_->findChild<QLineEdit*>(focus));
        QCOMPARE(app_->nba.CityNames[9] + app_->nba.TeamNames[29], std::string("City9Team29"));
    }
};

}  // namespace tavix

QTEST_MAIN(tavix::NamesformTest)
#include "namesform_test.moc"
