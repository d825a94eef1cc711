#include "reference/windows/namesform.h"

#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "core/data_files.h"
#include "platform/twips.h"
#include "reference/names_editor.h"
#include "tests/support/qt/test_context.h"

namespace tavix {

class NamesformTest : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup();
    void showsEveryTeamInItsDivisionBlock();
    void boxesAreWhiteLimitedAndOutOfTheTabOrder();
    void aThirteenthCharacterIsRefused();
    void aLongerNameFromTheFileSurvivesOpeningAndSaving();
    void shorteningALongNameLowersItsLimit();
    void yesWritesTheFileAndTheLeagueAndKeepsTheWindowOpen_data();
    void yesWritesTheFileAndTheLeagueAndKeepsTheWindowOpen();
    void noWritesNothing();
    void aFailedSaveSaysSoAndChangesNothing();
    void informationMessage();
    void closeDropsUnsavedEdits();
    void grabsForLooking();

  private:
    void Open() {
        form_ = new Namesform(*app_->ctx);
        app_->host.OpenSubWindow(form_, nullptr, OwnerWhileOpen::Disabled);
        QVERIFY(QTest::qWaitForWindowExposed(form_));
    }
    QString NamesFile() const { return QString::fromStdString(JoinPath(app_->DataDir(), kNamesFile)); }

    std::unique_ptr<testing::TestApp> app_;
    Namesform* form_ = nullptr;
};

void NamesformTest::init() {
    app_ = std::make_unique<testing::TestApp>(false);
    const char* cities[] = {
        "",           "Boston",    "Miami",        "New Jersey", "New York",  "Orlando",   "Philadelphia",
        "Washington", "Atlanta",   "Charlotte",    "Chicago",    "Cleveland", "Detroit",   "Indiana",
        "Milwaukee",  "Toronto",   "Dallas",       "Denver",     "Houston",   "Minnesota", "San Antonio",
        "Utah",       "Vancouver", "Golden State", "L.A.",       "L.A.",      "Phoenix",   "Portland",
        "Sacramento", "Seattle"};
    for (int t = 1; t <= kLeagueTeams; ++t) {
        app_->nba.CityNames[t] = cities[t];
        app_->nba.TeamNames[t] = "Team" + std::to_string(t);
    }
    app_->dialogs.strict = true;
    Open();
}

void NamesformTest::cleanup() {
    app_.reset();
    form_ = nullptr;
}

void NamesformTest::showsEveryTeamInItsDivisionBlock() {
    QCOMPARE(form_->windowTitle(), QString("Tavix  City & Team Names"));
    QCOMPARE(form_->Frame1->title(), QString("Eastern Conference"));
    QCOMPARE(form_->Frame2->title(), QString("Western Conference"));
    QCOMPARE(form_->Frame1->geometry(), TwipsRect(180, 30, 3645, 6285));
    QCOMPARE(form_->Frame2->geometry(), TwipsRect(4020, 30, 3645, 6285));
    QCOMPARE(form_->Label1->text(), QString("Atlantic Division"));
    QCOMPARE(form_->Label3->text(), QString("Central Division"));
    QCOMPARE(form_->Label4->text(), QString("Midwest Division"));
    QCOMPARE(form_->Label6->text(), QString("Pacific Division"));
    QCOMPARE(form_->Label7[0]->text(), QString("Team name"));
    QCOMPARE(form_->Label7[0]->parentWidget(), form_->Frame1);
    QCOMPARE(form_->Label7[1]->parentWidget(), form_->Frame2);

    struct Block {
        int first, last;
        QGroupBox* frame;
        double top;
    };
    const Block blocks[] = {{1, 7, form_->Frame1, 780},
                            {8, 15, form_->Frame1, 3600},
                            {16, 22, form_->Frame2, 780},
                            {23, 29, form_->Frame2, 3600}};
    for (const auto& b : blocks) {
        for (int t = b.first; t <= b.last; ++t) {
            QLineEdit* city = form_->findChild<QLineEdit*>(QString("Text1(%1)").arg(t));
            QLineEdit* nick = form_->findChild<QLineEdit*>(QString("Text2(%1)").arg(t));
            QVERIFY(city && nick);
            QCOMPARE(city->parentWidget(), b.frame);
            QCOMPARE(city->y(), Twips(b.top + (t - b.first) * 300));
            QCOMPARE(nick->y(), city->y());
            QVERIFY(nick->x() > city->x() + city->width());
            QCOMPARE(city->text().toStdString(), app_->nba.CityNames[t]);
            QCOMPARE(nick->text().toStdString(), app_->nba.TeamNames[t]);
            QVERIFY(nick->geometry().bottom() < b.frame->height());
        }
    }
    QCOMPARE(form_->Infobutton->toolTip(), QString("Help on Name changes"));
    QCOMPARE(form_->savebutton->toolTip(), QString("Save Changes"));
    QCOMPARE(form_->Command1->toolTip(), QString("Close Names & Locations"));
    QVERIFY(form_->Infobutton->y() < form_->savebutton->y());
    QVERIFY(form_->savebutton->y() < form_->Command1->y());
    QVERIFY(form_->Infobutton->x() > form_->Frame2->geometry().right());
}

void NamesformTest::boxesAreWhiteLimitedAndOutOfTheTabOrder() {
    for (int t = 1; t <= kLeagueTeams; ++t) {
        for (QLineEdit* box : {form_->Text1[t], form_->Text2[t]}) {
            QCOMPARE(box->maxLength(), 12);
            QCOMPARE(box->palette().color(QPalette::Base), QColor(Qt::white));
            QVERIFY(!(box->focusPolicy() & Qt::TabFocus));
        }
    }
}

void NamesformTest::aThirteenthCharacterIsRefused() {
    QLineEdit* box = form_->Text1[4];
    box->clear();
    QTest::keyClicks(box, "ABCDEFGHIJKLM");
    QCOMPARE(box->text(), QString("ABCDEFGHIJKL"));
    // A double quote could not be read back from the names file: the box refuses it.
    QLineEdit* nick = form_->Text2[4];
    nick->clear();
    QTest::keyClicks(nick, "Kni\"cks");
    QCOMPARE(nick->text(), QString("Knicks"));
}

void NamesformTest::aLongerNameFromTheFileSurvivesOpeningAndSaving() {
    form_->Command1_Click();
    app_->nba.CityNames[16] = "Dallas-Fort Worth";  // 17 characters
    app_->nba.TeamNames[23] = "Golden Staters";     // 14
    Open();
    QCOMPARE(form_->Text1[16]->text(), QString("Dallas-Fort Worth"));
    QCOMPARE(form_->Text2[23]->text(), QString("Golden Staters"));

    app_->dialogs.answers = {Answer::Yes};
    form_->savebutton_Click();
    NBA reread;
    QVERIFY(ParseNames(ReadWholeFile(NamesFile().toStdString()).value(), reread));
    QCOMPARE(QString::fromStdString(reread.CityNames[16]), QString("Dallas-Fort Worth"));
    QCOMPARE(QString::fromStdString(reread.TeamNames[23]), QString("Golden Staters"));
    QCOMPARE(QString::fromStdString(app_->nba.CityNames[16]), QString("Dallas-Fort Worth"));
}

void NamesformTest::shorteningALongNameLowersItsLimit() {
    form_->Command1_Click();
    app_->nba.CityNames[16] = "Dallas-Fort Worth";
    Open();
    QLineEdit* box = form_->Text1[16];
    box->setFocus();
    box->end(false);
    for (int i = 0; i < 7; ++i) QTest::keyClick(box, Qt::Key_Backspace);
    QCOMPARE(box->text(), QString("Dallas-For"));
    QTest::keyClicks(box, "t Worth");
    QCOMPARE(box->text(), QString("Dallas-Fort "));  // back to the ordinary twelve
}

void NamesformTest::yesWritesTheFileAndTheLeagueAndKeepsTheWindowOpen_data() {
    QTest::addColumn<int>("team");
    QTest::addColumn<QString>("city");
    QTest::addColumn<QString>("nick");
    QTest::newRow("comma") << 7 << "Wash., D.C."
                           << "Wizards";
    QTest::newRow("empty") << 15 << ""
                           << "";
    QTest::newRow("blanks kept") << 29 << "  Seattle "
                                 << "Sonics  ";
    QTest::newRow("twelve") << 23 << "Golden State"
                            << "Warriors1234";
}

void NamesformTest::yesWritesTheFileAndTheLeagueAndKeepsTheWindowOpen() {
    QFETCH(int, team);
    QFETCH(QString, city);
    QFETCH(QString, nick);
    form_->Text1[team]->setText(city);
    form_->Text2[team]->setText(nick);
    app_->dialogs.answers = {Answer::Yes, Answer::Yes};
    for (int round = 0; round < 2; ++round) {  // saving twice writes the same file twice
        QTest::mouseClick(form_->savebutton, Qt::LeftButton);
        QCOMPARE(app_->dialogs.shown.size(), size_t(round + 1));
        const auto& asked = app_->dialogs.shown.back();
        QCOMPARE(asked.text, std::string("Are you Sure you want to alter the City & Team Names?"));
        QCOMPARE(asked.title, std::string("City & Team Names"));
        QCOMPARE(asked.buttons, Buttons::YesNo);
        QCOMPARE(asked.icon, Icon::Question);

        NBA reread;
        QVERIFY(ParseNames(ReadWholeFile(NamesFile().toStdString()).value(), reread));
        for (int t = 1; t <= kLeagueTeams; ++t) {
            QCOMPARE(reread.CityNames[t], app_->nba.CityNames[t]);
            QCOMPARE(reread.TeamNames[t], app_->nba.TeamNames[t]);
        }
        QCOMPARE(QString::fromStdString(app_->nba.CityNames[team]), city);
        QCOMPARE(QString::fromStdString(app_->nba.TeamNames[team]), nick);
        QCOMPARE(app_->host.open.size(), size_t(1));
        QVERIFY(form_->isVisible());
    }
}

void NamesformTest::noWritesNothing() {
    form_->Text1[1]->setText("Hartford");
    app_->dialogs.answers = {Answer::No};
    form_->savebutton_Click();
    QVERIFY(!QFile::exists(NamesFile()));
    QCOMPARE(app_->nba.CityNames[1], std::string("Boston"));
    QCOMPARE(form_->Text1[1]->text(), QString("Hartford"));
}

void NamesformTest::aFailedSaveSaysSoAndChangesNothing() {
    app_->ctx->dataDir = app_->DataDir() + "/no-such-folder";
    form_->Text1[1]->setText("Hartford");
    app_->dialogs.answers = {Answer::Yes, Answer::Ok};
    form_->savebutton_Click();
    QCOMPARE(app_->dialogs.shown.size(), size_t(2));
    QCOMPARE(app_->dialogs.shown[1].text,
             std::string("Unable to Save file - check disk, write protect etc.."));
    QCOMPARE(app_->dialogs.shown[1].buttons, Buttons::Ok);
    QCOMPARE(app_->nba.CityNames[1], std::string("Boston"));
    QCOMPARE(form_->Text1[1]->text(), QString("Hartford"));  // the edit is still there to try again
    QCOMPARE(app_->host.open.size(), size_t(1));
}

void NamesformTest::informationMessage() {
    app_->dialogs.answers = {Answer::Ok};
    QTest::mouseClick(form_->Infobutton, Qt::LeftButton);
    QCOMPARE(app_->dialogs.shown.size(), size_t(1));
    const auto& m = app_->dialogs.shown[0];
    QCOMPARE(m.text,
             std::string("Edit Names and Locations...\r\n\r\n"
                         "This feature was included in case a\r\nteam relocates or alters their name.\r\n\r\n"
                         "If a re-alignment occurs, it will be\r\nnecessary to check the statistics for\r\n"
                         "any team that has changed position."));
    QCOMPARE(m.title, std::string("Tavix"));
    QCOMPARE(m.buttons, Buttons::Ok);
    QCOMPARE(m.icon, Icon::None);
}

void NamesformTest::closeDropsUnsavedEdits() {
    form_->Text2[5]->setText("Wizards");
    QTest::mouseClick(form_->Command1, Qt::LeftButton);
    QCOMPARE(app_->host.closed, 1);
    QVERIFY(app_->host.open.empty());
    QVERIFY(app_->dialogs.shown.empty());
    QVERIFY(!QFile::exists(NamesFile()));
    QCOMPARE(app_->nba.TeamNames[5], std::string("Team5"));
    QVERIFY(app_->host.main->isEnabled());
    Open();
    QCOMPARE(form_->Text2[5]->text(), QString("Team5"));
}

void NamesformTest::grabsForLooking() {
    const QString dir = QString(TAVIX_BINARY_DIR) + "/grabs";
    QDir().mkpath(dir);
    QVERIFY(form_->grab().save(dir + "/namesform.png"));
}

}  // namespace tavix

QTEST_MAIN(tavix::NamesformTest)
#include "namesform_test.moc"
