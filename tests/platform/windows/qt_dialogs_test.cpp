// The message boxes: the buttons offered, the answer each press gives, Escape, the default
// button, the warning icon and the clean-up of the program's CR/LF line breaks.
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

enum Press { First, Second, Escape, Enter };

struct SeenBox {
    QString title, text, buttons, defaultButton;  // buttons: their captions in order, "/" between
    QMessageBox::Icon icon = QMessageBox::NoIcon;
};

// Shows a box through QtDialogs, records what it shows and presses as told.
Answer ShowAndPress(Press press, SeenBox& seen, const std::string& text, Buttons buttons, Icon icon,
                    DefaultButton defaultButton = DefaultButton::First) {
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible()) return;
        poll.stop();
        seen = {box->windowTitle(), box->text(), {}, {}, box->icon()};
        QList<QAbstractButton*> all = box->buttons();
        // In the box's own order: OK/Yes first.
        std::sort(all.begin(), all.end(), [box](QAbstractButton* a, QAbstractButton* b) {
            return box->standardButton(a) < box->standardButton(b);
        });
        for (QAbstractButton* b : all)
            seen.buttons += (seen.buttons.isEmpty() ? "" : "/") + b->text().remove('&');
        if (box->defaultButton()) seen.defaultButton = box->defaultButton()->text().remove('&');
        if (press == First || press == Second) return (press == First ? all.first() : all.last())->click();
        QTest::keyClick(box, press == Escape ? Qt::Key_Escape : Qt::Key_Return);
    });
    poll.start(10);
    return QtDialogs().Show(text, "Tavix", buttons, icon, defaultButton);
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
        QTest::addColumn<QString>("offered");  // the buttons, then "*" and the default one
        const auto first = DefaultButton::First, second = DefaultButton::Second;
        const auto ok = Buttons::Ok, okCancel = Buttons::OkCancel, yesNo = Buttons::YesNo;
        QTest::newRow("OK: click") << ok << first << int(First) << Answer::Ok << QString("OK*OK");
        QTest::newRow("OK: Escape") << ok << first << int(Escape) << Answer::Ok << QString("OK*OK");
        QTest::newRow("OK/Cancel: OK")
            << okCancel << first << int(First) << Answer::Ok << QString("OK/Cancel*OK");
        QTest::newRow("OK/Cancel: Cancel")
            << okCancel << first << int(Second) << Answer::Cancel << QString("OK/Cancel*OK");
        QTest::newRow("OK/Cancel: Escape")
            << okCancel << first << int(Escape) << Answer::Cancel << QString("OK/Cancel*OK");
        QTest::newRow("OK/Cancel: Enter")
            << okCancel << first << int(Enter) << Answer::Ok << QString("OK/Cancel*OK");
        QTest::newRow("OK/Cancel: Enter, Cancel default")
            << okCancel << second << int(Enter) << Answer::Cancel << QString("OK/Cancel*Cancel");
        QTest::newRow("Yes/No: Yes") << yesNo << first << int(First) << Answer::Yes << QString("Yes/No*Yes");
        QTest::newRow("Yes/No: No") << yesNo << first << int(Second) << Answer::No << QString("Yes/No*Yes");
        QTest::newRow("Yes/No: Escape")
            << yesNo << first << int(Escape) << Answer::No << QString("Yes/No*Yes");
        QTest::newRow("Yes/No: Enter, No default")
            << yesNo << second << int(Enter) << Answer::No << QString("Yes/No*No");
    }
    void answers() {
        QFETCH(Buttons, buttons);
        QFETCH(DefaultButton, defaultButton);
        QFETCH(int, press);
        QFETCH(Answer, expected);
        QFETCH(QString, offered);
        SeenBox seen;
        QCOMPARE(ShowAndPress(Press(press), seen, "Ready to send Schedule to the Printer.", buttons,
                              Icon::None, defaultButton),
                 expected);
        QCOMPARE(seen.buttons + "*" + seen.defaultButton, offered);
        QCOMPARE(seen.title, QString("Tavix"));
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
        QTest::newRow("trailing LF CR pairs") << QByteArray("directory.\n\r\n\r") << "directory.\n\n";
        QTest::newRow("Latin-1 letters") << QByteArray("Caf\xe9 \xbd") << QString::fromUtf8("Café ½");
    }
    void lineBreaks() {
        QFETCH(QByteArray, latin1);
        QFETCH(QString, shown);
        QCOMPARE(MessageText(latin1.toStdString()), shown);
        SeenBox seen;  // and the box itself shows it so, with the warning sign the program asks for
        ShowAndPress(First, seen, latin1.toStdString(), Buttons::Ok, Icon::Exclamation);
        QCOMPARE(seen.text, shown);
        QCOMPARE(seen.icon, QMessageBox::Warning);
    }
};

QTEST_MAIN(QtDialogsTest)
#include "qt_dialogs_test.moc"
