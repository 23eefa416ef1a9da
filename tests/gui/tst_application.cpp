// Start-up, placement, error reporting, the Help menu and shutdown.
#include <QMenuBar>
#include <QScreen>
#include <memory>

#include "calc/errors.h"
#include "gui_test.h"
#include "shell/error_box.h"
#include "shell/modal_window.h"
#include "shell/placement.h"

using namespace gui_test;

class TstApplication : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void windowsAtStartUp();
    void controlsAtStartUp();
    void menu();
    void glyphsStandWhereTheyShould_data();
    void glyphsStandWhereTheyShould();
    void mainWindowCentredOnScreen_data();
    void mainWindowCentredOnScreen();
    void centredOverOwner_data();
    void centredOverOwner();
    void title_data();
    void title();
    void errorBoxPeriod_data();
    void errorBoxPeriod();
    void errorBoxShowsMarkupAsText();
    void purposeWindowFromMenu();
    void purposeWindowReopensWhereLeft();
    void closeEndsTheProgram();

private:
    std::unique_ptr<shell::Application> app;
};

void TstApplication::initTestCase()
{
    pinRussianLocale();
}

void TstApplication::init()
{
    app = std::make_unique<shell::Application>();
    QVERIFY(QTest::qWaitForWindowExposed(app->Form1));
}

void TstApplication::cleanup()
{
    app.reset();
}

void TstApplication::windowsAtStartUp()
{
    QCOMPARE(app->Form1->windowTitle(), "Тиверон");
    QVERIFY(app->Form1->isVisible());
    QStringList secondary;
    for (const ModalWindow* window : app->Form1->findChildren<ModalWindow*>(Qt::FindDirectChildrenOnly)) {
        secondary << window->objectName();
        QVERIFY2(!window->isVisible(), qPrintable(window->objectName()));
    }
    QCOMPARE(secondary, (QStringList{"Form5", "Form6", "Form2"}));  // in the order of creation
    QVERIFY(!(app->Form1->windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(app->Form1->windowFlags() & Qt::WindowMinimizeButtonHint);
    QVERIFY(!QApplication::windowIcon().isNull());
}

void TstApplication::controlsAtStartUp()
{
    QWidget* form = app->Form1;
    const char* shown[] = {"PanelRez", "PanelZadan", "PanelDate", "Bevel1", "Bevel2", "Bevel3", "Label1",
                           "BtnGen", "BtnSystem", "BtnSystem2", "BtntTrans", "BtnTrans3", "BtnLine",
                           "BtnReaktor", "BtnReaktor2", "SpeedButton2"};
    const char* hidden[] = {"LblSopr1", "Xrez", "Label2", "LblSoprM", "Edit2", "Label3", "LblSoprL", "Edit3",
                            "Label4", "BtnOther", "LblUb", "LblSnom", "LblXd", "LblX2", "LblUkCN", "EditUb",
                            "EditSnom", "EditXd", "EditX2", "EditUk", "BtnReady"};
    for (const char* name : shown)
        QVERIFY2(find(form, name)->isVisible(), name);
    for (const char* name : hidden)
        QVERIFY2(!find(form, name)->isVisible(), name);

    // Nothing on the window takes the focus while only buttons are shown.
    for (const char* name : shown)
        QCOMPARE(find(form, name)->focusPolicy(), Qt::NoFocus);

    // Controls keep their places when the window is resized.
    const QRect closeButton = find(form, "SpeedButton2")->geometry();
    form->resize(form->width() + 100, form->height() + 50);
    QCOMPARE(find(form, "SpeedButton2")->geometry(), closeButton);
    QCOMPARE(closeButton, QRect(416, 336, 89, 24));
}

void TstApplication::menu()
{
    QMenuBar* bar = app->Form1->menuBar();
    QCOMPARE(bar->actions().size(), 1);
    QMenu* help = bar->actions().first()->menu();
    QCOMPARE(help->objectName(), "N1");
    QCOMPARE(help->title(), "Справка");
    const QList<QAction*> entries = help->actions();
    QCOMPARE(entries.size(), 2);
    QCOMPARE(entries[0]->objectName(), "N3");
    QCOMPARE(entries[0]->text(), "Назначение");
    QCOMPARE(entries[1]->objectName(), "N4");
    QVERIFY(entries[1]->isSeparator());
}

void TstApplication::glyphsStandWhereTheyShould_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QSize>("glyph");
    QTest::addColumn<int>("glyphTop");
    QTest::newRow("close: 19-pixel glyph, 3 pixels below the top") << "SpeedButton2" << QSize(19, 19) << 3;
    QTest::newRow("ready: 32-pixel glyph, 3 pixels above the top") << "BtnReady" << QSize(32, 32) << -3;
}

void TstApplication::glyphsStandWhereTheyShould()
{
    QFETCH(QString, button);
    QFETCH(QSize, glyph);
    QFETCH(int, glyphTop);
    auto* speedButton = find<SpeedButton>(app->Form1, qPrintable(button));
    const QRect picture = speedButton->glyphRect();
    const QRect caption = speedButton->captionRect();
    QCOMPARE(picture.size(), glyph);
    QCOMPARE(picture.top(), glyphTop);
    QCOMPARE(caption.left(), picture.right() + 1 + 4);
    // Glyph and caption together are centred within the button less its border.
    const int contentWidth = caption.right() + 1 - picture.left();
    QCOMPARE(picture.left(), 1 + ((speedButton->width() - 2) - contentWidth + 1) / 2);

    // The colour of the bottom-left pixel is transparent, the tick or hand is not.
    const QImage image = speedButton->glyph().toImage();
    QCOMPARE(image.pixelColor(0, image.height() - 1).alpha(), 0);
    QCOMPARE(image.pixelColor(image.width() - 1, image.height() - 1).alpha(), 0);
    int opaque = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            opaque += image.pixelColor(x, y).alpha() == 255;
    QVERIFY(opaque > image.width());
}

void TstApplication::mainWindowCentredOnScreen_data()
{
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<QPoint>("place");
    QTest::newRow("1920 x 1080") << QSize(1920, 1080) << QPoint(688, 335);
    QTest::newRow("odd remainders truncate") << QSize(1025, 769) << QPoint(240, 179);
    QTest::newRow("screen smaller than the window") << QSize(500, 300) << QPoint(0, 0);
}

void TstApplication::mainWindowCentredOnScreen()
{
    QFETCH(QSize, screen);
    QFETCH(QPoint, place);
    QCOMPARE(shell::CentredOnScreen(screen, QSize(544, 410)), place);

    // The real window, on the test's own screen.
    const QSize actualScreen = QGuiApplication::primaryScreen()->size();
    QCOMPARE(app->Form1->pos(), shell::CentredOnScreen(actualScreen, QSize(544, 410)));
}

void TstApplication::centredOverOwner_data()
{
    QTest::addColumn<QRect>("owner");
    QTest::addColumn<QSize>("outer");
    QTest::addColumn<QPoint>("place");
    QTest::newRow("inside") << QRect(688, 335, 544, 410) << QSize(481, 150) << QPoint(719, 465);
    QTest::newRow("owner near the corner: clamped to 0") << QRect(-200, -100, 300, 200) << QSize(481, 150) << QPoint(0, 0);
}

void TstApplication::centredOverOwner()
{
    QFETCH(QRect, owner);
    QFETCH(QSize, outer);
    QFETCH(QPoint, place);
    QCOMPARE(shell::CentredOver(owner, outer), place);
}

void TstApplication::title_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("title");
    QTest::newRow("plain") << "/usr/bin/tiveron" << "tiveron";
    QTest::newRow("first character kept, rest lowered") << "/opt/SHORT.Circuit.exe" << "Short";
    QTest::newRow("cut at the first dot") << "Calc.v2.bin" << "Calc";
    QTest::newRow("cyrillic") << "/home/u/ТИВЕРОН" << "Тиверон";
    QTest::newRow("leading dot") << "/tmp/.hidden" << "";
}

void TstApplication::title()
{
    QFETCH(QString, path);
    QFETCH(QString, title);
    QCOMPARE(shell::ApplicationTitle(path), title);
}

void TstApplication::errorBoxPeriod_data()
{
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("text");
    QTest::newRow("letter") << "Floating point overflow" << "Floating point overflow.";
    QTest::newRow("digit") << "value 5" << "value 5.";
    QTest::newRow("period") << "Done." << "Done.";
    QTest::newRow("comma") << "a," << "a,";
    QTest::newRow("exclamation") << "Stop!" << "Stop!";
    QTest::newRow("parenthesis") << "(x)" << "(x)";
    QTest::newRow("blank") << "x " << "x ";
    QTest::newRow("cyrillic letter") << "ошибка" << "ошибка.";
    QTest::newRow("empty") << "" << "";
}

void TstApplication::errorBoxPeriod()
{
    QFETCH(QString, message);
    QFETCH(QString, text);
    QCOMPARE(shell::ErrorBoxText(message), text);
}

void TstApplication::errorBoxShowsMarkupAsText()
{
    // An error raised in a handler's body ends the body and shows the box; the
    // caller goes on afterwards.
    auto seen = answerNextErrorBox();
    bool after = false;
    shell::Guarded([&] {
        throw calc::CalcError::conversion("<b>x</b>");
        after = true;
    });
    QVERIFY(seen->shown);
    QVERIFY(!after);
    QCOMPARE(seen->text, "'<b>x</b>' is not a valid floating point value.");
    QCOMPARE(seen->format, Qt::PlainText);
    QCOMPARE(seen->caption, QCoreApplication::applicationName());
    QVERIFY(app->Form1->isVisible());
}

void TstApplication::purposeWindowFromMenu()
{
    QWidget* form1 = app->Form1;
    struct Seen {
        QString objectName, caption, heading, line1, line2;
        QPoint place;
        bool stillOpenAfterKeys = false;
    } seen;
    onNextModal([&seen](QWidget* modal) {
        seen.objectName = modal->objectName();
        seen.caption = modal->windowTitle();
        seen.place = modal->pos();
        seen.heading = find<QLabel>(modal, "Label1")->text();
        seen.line1 = find<QLabel>(modal, "Label2")->text();
        seen.line2 = find<QLabel>(modal, "Label3")->text();
        QTest::keyClick(modal, Qt::Key_Escape);
        QTest::keyClick(modal, Qt::Key_Return);
        seen.stillOpenAfterKeys = modal->isVisible();
        QTest::mouseClick(find(modal, "SpeedButton1"), Qt::LeftButton);
    });
    find<QMenu>(form1, "N1")->actions().first()->trigger();

    QCOMPARE(seen.objectName, "Form6");
    QCOMPARE(seen.caption, "Назначение программы");
    QCOMPARE(seen.heading, "Назначение");
    QCOMPARE(seen.line1, "Программа позволяет рассчитать параметры схемы замещения ");
    QCOMPARE(seen.line2, "в именнованных единицах");
    QVERIFY(seen.stillOpenAfterKeys);
    QCOMPARE(seen.place, shell::CentredOver(form1->frameGeometry(), app->Form6->frameGeometry().size()));
    QVERIFY(!app->Form6->isVisible());
    QVERIFY(form1->isVisible());
    QVERIFY(find(form1, "BtnGen")->isVisible());
}

void TstApplication::purposeWindowReopensWhereLeft()
{
    QAction* purpose = find<QMenu>(app->Form1, "N1")->actions().first();
    onNextModal([](QWidget* modal) {
        modal->move(40, 30);
        modal->close();
    });
    purpose->trigger();

    // Even after the main window has moved.
    app->Form1->move(300, 200);
    QPoint reopened;
    onNextModal([&reopened](QWidget* modal) {
        reopened = modal->pos();
        modal->close();
    });
    purpose->trigger();
    QCOMPARE(reopened, QPoint(40, 30));
}

void TstApplication::closeEndsTheProgram()
{
    // The click comes from inside the program's event loop, which must then end.
    QWidget* closeButton = find(app->Form1, "SpeedButton2");
    QTimer::singleShot(0, closeButton, [closeButton] { QTest::mouseClick(closeButton, Qt::LeftButton); });
    QTimer hang;
    hang.setSingleShot(true);
    connect(&hang, &QTimer::timeout, qApp, [] { QCoreApplication::exit(1); });
    hang.start(5000);
    QCOMPARE(QApplication::exec(), 0);
    QVERIFY(!app->Form1->isVisible());
}

QTEST_MAIN(TstApplication)
#include "tst_application.moc"
