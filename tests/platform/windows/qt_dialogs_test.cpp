// The message boxes: the buttons offered, the answer each press gives, Escape, the default
// button and the clean-up of the program's CR/LF line breaks.
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <functional>

#include "platform/qt_dialogs.h"

using namespace tavix;

Q_DECLARE_METATYPE(tavix::Buttons)
Q_DECLARE_METATYPE(tavix::Icon)
Q_DECLARE_METATYPE(tavix::Answer)
Q_DECLARE_METATYPE(tavix::DefaultButton)

namespace {

enum class Press { First, Second, Escape, Enter };

struct SeenBox {
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;
    QString defaultButton;
};

// Waits for the modal box, records what it shows and then presses as told.
void PressWhenShown(Press press, SeenBox& seen) {
    // The attempt refers to itself only weakly; each pending timer holds it, so it is freed
    // once the box has been answered.
    auto attempt = std::make_shared<std::function<void()>>();
    std::weak_ptr<std::function<void()>> self = attempt;
    *attempt = [press, &seen, self] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible()) {
            if (auto again = self.lock()) QTimer::singleShot(10, [again] { (*again)(); });
            return;
        }
        seen.title = box->windowTitle();
        seen.text = box->text();
        seen.icon = box->icon();
        QList<QAbstractButton*> buttons = box->buttons();
        // Order them as the box's own order: OK/Yes first.
        std::sort(buttons.begin(), buttons.end(), [box](QAbstractButton* a, QAbstractButton* b) {
            return box->standardButton(a) < box->standardButton(b);
        });
        for (QAbstractButton* b : buttons) seen.buttons << b->text().remove('&');
        if (box->defaultButton()) seen.defaultButton = box->defaultButton()->text().remove('&');
        switch (press) {
            case Press::First:
                buttons.first()->click();
                break;
            case Press::Second:
                buttons.last()->click();
                break;
            case Press::Escape:
                QTest::keyClick(box, Qt::Key_Escape);
                break;
            case Press::Enter:
                QTest::keyClick(box, Qt::Key_Return);
                break;
        }
    };
    QTimer::singleShot(0, [attempt] { (*attempt)(); });
}

}  // namespace

class QtDialogsTest : public QObject {
    Q_OBJECT
  private slots:
    void answers_data() {
        QTest::addColumn<Buttons>("buttons");
        QTest::addColumn<DefaultButton>("defaultButton");
        QTest::addColumn<int>("press");
        QTest::addColumn<Answer>("expected");
        QTest::addColumn<QStringList>("offered");
        QTest::addColumn<QString>("defaultText");
        const QStringList ok{"OK"}, okCancel{"OK", "Cancel"}, yesNo{"Yes", "No"};
        const auto first = DefaultButton::First, second = DefaultButton::Second;
        QTest::newRow("OK: click") << Buttons::Ok << first << int(Press::First) << Answer::Ok << ok << "OK";
        QTest::newRow("OK: Escape") << Buttons::Ok << first << int(Press::Escape) << Answer::Ok << ok << "OK";
        QTest::newRow("OK/Cancel: OK")
            << Buttons::OkCancel << first << int(Press::First) << Answer::Ok << okCancel << "OK";
        QTest::newRow("OK/Cancel: Cancel")
            << Buttons::OkCancel << first << int(Press::Second) << Answer::Cancel << okCancel << "OK";
        QTest::newRow("OK/Cancel: Escape")
            << Buttons::OkCancel << first << int(Press::Escape) << Answer::Cancel << okCancel << "OK";
        QTest::newRow("OK/Cancel: Enter")
            << Buttons::OkCancel << first << int(Press::Enter) << Answer::Ok << okCancel << "OK";
        QTest::newRow("OK/Cancel: Enter, Cancel default")
            << Buttons::OkCancel << second << int(Press::Enter) << Answer::Cancel << okCancel << "Cancel";
        QTest::newRow("Yes/No: Yes") << Buttons::YesNo << first << int(Press::First) << Answer::Yes << yesNo
                                     << "Yes";
        QTest::newRow("Yes/No: No") << Buttons::YesNo << first << int(Press::Second) << Answer::No << yesNo
                                    << "Yes";
        QTest::newRow("Yes/No: Escape")
            << Buttons::YesNo << first << int(Press::Escape) << Answer::No << yesNo << "Yes";
        QTest::newRow("Yes/No: Enter, No default")
            << Buttons::YesNo << second << int(Press::Enter) << Answer::No << yesNo << "No";
    }
    void answers() {
        QFETCH(Buttons, buttons);
        QFETCH(DefaultButton, defaultButton);
        QFETCH(int, press);
        QFETCH(Answer, expected);
        QFETCH(QStringList, offered);
        QFETCH(QString, defaultText);
        QtDialogs dialogs;
        SeenBox seen;
        PressWhenShown(Press(press), seen);
        const Answer answer = dialogs.Show("Ready to send Schedule to the Printer.", "Tavix", buttons,
                                           Icon::None, defaultButton);
        QCOMPARE(answer, expected);
        QCOMPARE(seen.buttons, offered);
        QCOMPARE(seen.defaultButton, defaultText);
        QCOMPARE(seen.title, QString("Tavix"));
    }

    void icons_data() {
        QTest::addColumn<Icon>("icon");
        QTest::addColumn<int>("expected");
        QTest::newRow("none") << Icon::None << int(QMessageBox::NoIcon);
        QTest::newRow("exclamation") << Icon::Exclamation << int(QMessageBox::Warning);
        QTest::newRow("question") << Icon::Question << int(QMessageBox::Question);
        QTest::newRow("information") << Icon::Information << int(QMessageBox::Information);
        QTest::newRow("critical") << Icon::Critical << int(QMessageBox::Critical);
    }
    void icons() {
        QFETCH(Icon, icon);
        QFETCH(int, expected);
        QtDialogs dialogs;
        SeenBox seen;
        PressWhenShown(Press::First, seen);
        dialogs.Show("Unable to save settings to disk", "Tavix Setup", Buttons::Ok, icon);
        QCOMPARE(int(seen.icon), expected);
        QCOMPARE(seen.title, QString("Tavix Setup"));
    }

    void lineBreaks_data() {
        QTest::addColumn<QByteArray>("latin1");
        QTest::addColumn<QString>("shown");
        QTest::newRow("CR LF") << QByteArray("one\r\ntwo") << "one\ntwo";
        QTest::newRow("LF CR") << QByteArray("one\n\rtwo") << "one\ntwo";
        QTest::newRow("two LF CR") << QByteArray("one\n\r\n\rtwo") << "one\n\ntwo";
        QTest::newRow("two CR LF") << QByteArray("one\r\n\r\ntwo") << "one\n\ntwo";
        QTest::newRow("lone LF") << QByteArray("one\ntwo") << "one\ntwo";
        QTest::newRow("lone CR") << QByteArray("one\rtwo") << "one\ntwo";
        QTest::newRow("loading message")
            << QByteArray(
                   "Cannot Load file TavixSC.dat or TavixSE.dat.\n\rPlease exit and check working "
                   "directory.\n\r\n\r")
            << "Cannot Load file TavixSC.dat or TavixSE.dat.\nPlease exit and check working directory.\n\n";
        QTest::newRow("Latin-1 letters") << QByteArray("Caf\xe9 \xbd") << QString::fromUtf8("Café ½");
    }
    void lineBreaks() {
        QFETCH(QByteArray, latin1);
        QFETCH(QString, shown);
        QCOMPARE(MessageText(latin1.toStdString()), shown);
        // And the box itself shows it so.
        QtDialogs dialogs;
        SeenBox seen;
        PressWhenShown(Press::First, seen);
        dialogs.Show(latin1.toStdString(), "Tavix", Buttons::Ok, Icon::None);
        QCOMPARE(seen.text, shown);
    }

    void screenshot() {
        const QString out = qEnvironmentVariable("TAVIX_SCREENSHOT_DIR");
        if (out.isEmpty()) QSKIP("Set TAVIX_SCREENSHOT_DIR to save a picture of a message box");
        bool saved = false;
        QTimer::singleShot(50, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) return;
            saved = box->grab().save(out + "/message_box.png");
            box->button(QMessageBox::Cancel)->click();
        });
        QtDialogs dialogs;
        const Answer answer = dialogs.Show(
            "Cannot Load file TavixSC.dat or TavixSE.dat.\n\rPlease exit and check working "
            "directory.\n\r\n\r",
            "Tavix Loading....", Buttons::OkCancel, Icon::Exclamation, DefaultButton::Second);
        QCOMPARE(answer, Answer::Cancel);
        QVERIFY(saved);
    }
};

QTEST_MAIN(QtDialogsTest)
#include "qt_dialogs_test.moc"
