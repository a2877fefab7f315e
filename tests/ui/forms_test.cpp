// The forms runtime driven with real input events: window lifecycle, change events raised
// from code, manual drag and drop, persistent invert drawing, dialogs through the seam.
#include "ui/canvas.h"
#include "ui/controls.h"
#include "core/conversions.h"
#include "ui/design.h"
#include "ui/dialogs.h"
#include "ui/form.h"
#include "ui/mouse_router.h"
#include "tests/support/event_spy.h"
#include "tests/support/input.h"
#include "ui/runtime.h"
#include "ui/text.h"

#include <QDialog>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QProxyStyle>
#include <QPushButton>
#include <QStyleFactory>
#include <QtTest>
#include <limits>

namespace {

int loads = 0;

class Probe : public ui::Form {
public:
    Probe() : ui::Form(QStringLiteral("Probe"), QStringLiteral("Probe"), 6000, 4500)
    {
        box = new ui::PictureBox(&client(), QStringLiteral("Pesa"), 2);
        box->Move(600, 600, 420, 630);
        box->on.MouseDown = [this](int, int, float x, float y) {
            grab = QPointF(x, y);
            box->Drag(1);
        };
        box->on.DragOver = [this](ui::ControlBase&, float, float, int) { ++overs; };
        shape = new ui::Shape(&client(), QStringLiteral("Shape1"));
        shape->Move(3000, 1500, 1500, 1500);
        shape->setFilled(true);
        label = new ui::Label(&client(), QStringLiteral("Label1"));
        label->Move(300, 3000, 1500, 600);
        text = new ui::TextBox(&client(), QStringLiteral("Text1"));
        text->Move(3000, 300, 900, 300);
        text->on.Change = [this] { changes.append(text->Text()); };
        bar = new ui::ScrollBar(Qt::Vertical, &client(), QStringLiteral("VScroll1"));
        bar->Move(5400, 300, 255, 3000);
        bar->setRange(0, 100, 1, 10);
        bar->on.Change = [this] { ++barChanges; };
        on().DragDrop = [this](ui::ControlBase& src, float x, float y) {
            drops.append(QStringLiteral("%1@%2,%3").arg(src.widget()->objectName()).arg(x).arg(y));
        };
        on().Click = [this] { ++formClicks; };
    }
    void Form_Load() override { ++loads; }

    ui::PictureBox* box = nullptr;
    ui::Shape* shape = nullptr;
    ui::Label* label = nullptr;
    ui::TextBox* text = nullptr;
    ui::ScrollBar* bar = nullptr;
    QPointF grab;
    QStringList drops, changes;
    int overs = 0, barChanges = 0, formClicks = 0;
};

// A desktop whose dialog buttons carry stock icons (as some themes have it).
class ButtonIconsStyle : public QProxyStyle {
public:
    ButtonIconsStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* ret) const override
    {
        if (hint == SH_DialogButtonBox_ButtonsHaveIcons)
            return 1;
        return QProxyStyle::styleHint(hint, option, widget, ret);
    }
};

// Twips of the probe window's client area to pixels.
QPoint px(double xTw, double yTw) { return QPoint(int(xTw / 15), int(yTw / 15)); }

} // namespace

class FormsTest : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        ui::applyApplicationLook();
        loads = 0;
    }
    void cleanup()
    {
        if (qobject_cast<QProxyStyle*>(QApplication::style()))
            QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        ui::setDialogAnswerer({});
        ui::setClockForTests({});
        ui::unloadAllForms();
    }

    void showAndHideLoadOnceAndKeepState()
    {
        Probe& p = ui::instance<Probe>();
        QCOMPARE(loads, 0);
        p.Hide();
        QCOMPARE(loads, 1);
        p.text->setText(QStringLiteral("kept"));
        p.Show();
        p.Hide();
        p.Show();
        QCOMPARE(loads, 1);
        QCOMPARE(ui::instance<Probe>().text->Text(), QStringLiteral("kept"));
    }

    void closeBoxUnloadsAndNextUseStartsAfresh()
    {
        Probe* first = &ui::instance<Probe>();
        first->Show();
        first->text->setText(QStringLiteral("old"));
        first->close();
        QVERIFY(!first->alive());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        Probe& second = ui::instance<Probe>();
        second.Show();
        QCOMPARE(loads, 2);
        QCOMPARE(second.text->Text(), QString());
    }

    void writesFromCodeRaiseChangeAtOnce()
    {
        Probe& p = ui::instance<Probe>();
        p.Show();
        p.text->setText(QStringLiteral("2"));
        p.text->setText(QStringLiteral("2"));   // the same text again raises nothing
        p.text->setText(QStringLiteral("3"));
        QCOMPARE(p.changes, QStringList({"2", "3"}));
        p.bar->setValue(50);
        p.bar->setValue(50);   // an unchanged value raises nothing
        p.bar->setValue(500);  // brought inside Min .. Max
        QCOMPARE(p.barChanges, 2);
        QCOMPARE(p.bar->Value(), 100);
    }

    void controlsAreNamedAndPlacedInTwips()
    {
        Probe& p = ui::instance<Probe>();
        p.Show();
        QCOMPARE(p.findChild<QWidget*>(QStringLiteral("Pesa(2)")), p.box);
        QCOMPARE(p.box->geometry(), QRect(40, 40, 28, 42));
        QCOMPARE(p.box->property("Left").toDouble(), 600.0);
        p.box->setTop(2838.4f);
        QCOMPARE(p.box->Top(), double(2838.4f));
        // A place that is no number, or beyond any screen, still lands on a defined pixel.
        p.box->Move(std::numeric_limits<double>::quiet_NaN(), -1e300, 600, 1e300);
        QCOMPARE(p.box->geometry(), QRect(0, -6666667, 0, 6666667));
    }

    void manualDragDropsOnTheWindowThroughShapesButNotOnLabels()
    {
        Probe& p = ui::instance<Probe>();
        p.Show();
        QVERIFY(QTest::qWaitForWindowExposed(&p));
        // Grab the weight 15 twips right and 30 down of its corner.
        input::move(p.box, QPoint(1, 2));
        input::press(p.box, QPoint(1, 2));
        QVERIFY(ui::dragInProgress());
        QCOMPARE(p.grab, QPointF(15, 30));
        input::move(p.box, QPoint(3, 3));
        QVERIFY(p.overs > 0);
        // Released over the shape: the shape takes no events, the window gets the drop.
        input::move(&p.client(), px(3300, 1800));
        input::release(&p.client(), px(3300, 1800));
        QVERIFY(!ui::dragInProgress());
        QCOMPARE(p.drops, QStringList({"Pesa(2)@3300,1800"}));
        // The weight itself did not move.
        QCOMPARE(p.box->Left(), 600.0);

        // Released over a label: nothing.
        input::drag(p.box, QPoint(1, 1), p.label, QPoint(5, 5));
        QCOMPARE(p.drops.size(), 1);
    }

    void clickOnBackgroundIsTheWindowsButNotThroughALabel()
    {
        Probe& p = ui::instance<Probe>();
        p.Show();
        QVERIFY(QTest::qWaitForWindowExposed(&p));
        input::click(&p.client(), px(3300, 1800));   // over the shape
        input::click(p.label, QPoint(3, 3));
        input::click(&p.client(), px(2000, 4000), Qt::RightButton);
        QCOMPARE(p.formClicks, 2);
    }

    void invertDrawnTwiceRestoresThePicture()
    {
        Probe& p = ui::instance<Probe>();
        QPixmap picture(28, 42);
        picture.fill(QColor(255, 128, 64));
        p.box->setPicture(picture);
        p.box->setScale({0, 0, 10, 10});
        const QImage before = p.box->drawing();
        p.box->setDrawMode(ui::vbInvert);
        p.box->Box(0, 0, 16, 13, ui::RGB(100, 100, 100), true);
        QCOMPARE(p.box->drawing().pixelColor(5, 5), QColor(0, 127, 191));
        p.box->Box(0, 0, 16, 13, ui::RGB(100, 100, 100), true);
        QCOMPARE(p.box->drawing(), before);
    }

    void printedTextKeepsTheImagesSizeAndTheDrawMode()
    {
        Probe& p = ui::instance<Probe>();
        p.Hide();   // loaded, never shown
        ui::Canvas& c = p.client();
        c.setBackColor(ui::RGB(0, 0, 0));
        c.setForeColor(ui::RGB(0, 0, 0));
        const QString text = QStringLiteral("MMMM");
        const auto litRows = [&c](int from, int to) {
            int lit = 0;
            for (int y = from; y < std::min(to, c.drawing().height()); ++y)
                for (int x = 0; x < c.drawing().width(); ++x)
                    lit += c.drawing().pixelColor(x, y) != QColor(0, 0, 0);
            return lit;
        };
        // Black on black shows nothing; inverted, the letters show, and printed again in the
        // same place (two points put the current point back) they are gone.
        c.Print(text);
        QCOMPARE(litRows(0, 20), 0);
        c.Cls();
        c.setDrawMode(ui::vbInvert);
        const QImage before = c.drawing();
        c.Print(text);
        QVERIFY(litRows(0, 20) > 20);
        c.PSet(0, 0, 0);
        c.PSet(0, 0, 0);
        c.Print(text);
        QCOMPARE(c.drawing(), before);
        // Made taller while hidden: lines printed below the old height are kept.
        c.setDrawMode(ui::vbCopyPen);
        c.setForeColor(ui::RGB(255, 255, 255));
        c.resize(400, 600);
        for (int line = 0; line < 40; ++line)
            c.Print(text);
        QCOMPARE(c.drawing().size(), QSize(400, 600));
        QVERIFY(litRows(320, 480) > 100);
    }

    void dialogsGoThroughTheSeamWithTheProgramsTitle()
    {
        QList<ui::DialogRequest> seen;
        ui::setDialogAnswerer([&](const ui::DialogRequest& r) {
            seen.append(r);
            return ui::DialogReply{r.kind == ui::DialogRequest::Input, QStringLiteral("12")};
        });
        ui::MsgBox(QStringLiteral("Valor fuera de rango"), ui::vbExclamation);
        QCOMPARE(ui::InputBox(QStringLiteral("p"), QStringLiteral("t"), QStringLiteral("1013")), QStringLiteral("12"));
        QCOMPARE(seen.size(), 2);
        QCOMPARE(seen[0].title, QStringLiteral("brantel"));
        QCOMPARE(seen[0].style, 48);
        QCOMPARE(seen[1].title, QStringLiteral("t"));
        QCOMPARE(seen[1].proposed, QStringLiteral("1013"));
    }

    void aDisabledButtonShowsItsCaptionGreyed()
    {
        Probe& p = ui::instance<Probe>();
        auto* usable = ui::button(&p.client(), "Command1", 300, 3600, 1200, 400, QStringLiteral("Pausa"));
        auto* locked = ui::button(&p.client(), "Command2", 1800, 3600, 1200, 400, QStringLiteral("Pausa"));
        locked->setEnabled(false);
        p.Show();
        QVERIFY(QTest::qWaitForWindowExposed(&p));
        // Text pixels: black on the usable button, grey (and no black) on the locked one.
        auto darkest = [](QWidget* w) {
            const QImage img = w->grab().toImage();
            int least = 255;
            for (int y = 3; y < img.height() - 3; ++y)
                for (int x = 3; x < img.width() - 3; ++x)
                    least = std::min(least, qGray(img.pixel(x, y)));
            return least;
        };
        QVERIFY(darkest(usable) < 40);
        QVERIFY2(darkest(locked) > 90, qPrintable(QString::number(darkest(locked))));
    }

    void theDecimalSeparatorComesFromTheUsersLocale()
    {
        const struct { QLocale locale; char separator; } cases[] = {
            {QLocale(QLocale::Spanish, QLocale::Spain), ','},
            {QLocale(QLocale::English, QLocale::UnitedStates), '.'},
            {QLocale(QLocale::Arabic, QLocale::Egypt), '.'},   // not a one-byte character
        };
        for (const auto& c : cases)
            QCOMPARE(ui::decimalSeparatorOf(c.locale), c.separator);
        const QLocale before;
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        ui::applyApplicationLook();
        QCOMPARE(classic::decimalSeparator(), ',');
        QLocale::setDefault(before);
        classic::setDecimalSeparator('.');
    }

    void theClientAreaFollowsTheWindowsSizeAndKeepsItsDrawing()
    {
        Probe& p = ui::instance<Probe>();
        QPixmap picture(100, 80);
        picture.fill(QColor(255, 0, 0));
        p.client().setPicture(picture);
        p.client().setBackColor(ui::RGB(0, 0, 128));
        p.Show();
        QVERIFY(QTest::qWaitForWindowExposed(&p));
        QCOMPARE(p.client().size(), QSize(400, 300));
        p.client().Box(3600, 2700, 5970, 4470, ui::RGB(0, 255, 0), true);   // to the design's corner

        p.resize(700, 600);
        QTRY_COMPARE(p.client().size(), QSize(700, 600));
        // Back colour everywhere, the picture at its own size from the corner, the controls put.
        const QImage seen = p.client().grab().toImage();
        QCOMPARE(seen.pixelColor(20, 20), QColor(255, 0, 0));
        QCOMPARE(seen.pixelColor(99, 79), QColor(255, 0, 0));
        QCOMPARE(seen.pixelColor(100, 80), QColor(0, 0, 128));
        QCOMPARE(seen.pixelColor(690, 590), QColor(0, 0, 128));
        QCOMPARE(p.box->geometry(), QRect(40, 40, 28, 42));
        // The bare background takes clicks and drops anywhere.
        input::click(&p.client(), QPoint(650, 550));
        QCOMPARE(p.formClicks, 1);
        input::drag(p.box, QPoint(1, 2), &p.client(), QPoint(600, 500));
        QCOMPARE(p.drops, QStringList({"Pesa(2)@9000,7500"}));

        // Smaller than the design: the controls keep their places and are cut off.
        p.resize(150, 100);
        QTRY_COMPARE(p.client().size(), QSize(150, 100));
        QCOMPARE(p.size(), QSize(150, 100));
        QCOMPARE(p.text->geometry().topLeft(), QPoint(200, 20));
        QVERIFY(p.text->visibleRegion().isEmpty());
        QVERIFY(!p.box->visibleRegion().isEmpty());
        // Grown again, what was drawn is still there.
        p.resize(500, 400);
        QTRY_COMPARE(p.client().size(), QSize(500, 400));
        QCOMPARE(p.client().grab().toImage().pixelColor(300, 250), QColor(0, 255, 0));
        QCOMPARE(p.client().grab().toImage().pixelColor(450, 350), QColor(0, 0, 128));
    }

    void aHugeWindowKeepsItsDrawingToTheDesktopsSize()
    {
        Probe& p = ui::instance<Probe>();
        p.Show();
        QVERIFY(QTest::qWaitForWindowExposed(&p));
        p.client().Box(0, 0, 600, 600, ui::RGB(0, 255, 0), true);
        p.resize(20000, 20000);
        QTRY_COMPARE(p.client().size(), QSize(20000, 20000));
        p.client().PSet(290000, 290000, ui::RGB(255, 0, 0));   // far out: nothing to keep
        const QSize desktop = p.screen()->virtualSize();
        QVERIFY(p.client().drawing().width() <= desktop.width());
        QVERIFY(p.client().drawing().height() <= desktop.height());
        QCOMPARE(p.client().drawing().pixelColor(5, 5), QColor(0, 255, 0));
    }

    void aSurfaceHoldsAnImageOnlyOnceDrawnOn()
    {
        Probe& p = ui::instance<Probe>();
        QPixmap picture(20, 30);
        picture.fill(QColor(255, 128, 64));
        p.box->setBackColor(ui::RGB(0, 0, 128));
        p.box->setPicture(picture);
        p.Show();
        QVERIFY(QTest::qWaitForWindowExposed(&p));
        QVERIFY(!p.client().holdsImage() && !p.box->holdsImage());
        // Painted straight from the back colour and the picture, as an image of them shows.
        const auto onScreen = [&p] { return p.box->grab().toImage().convertToFormat(QImage::Format_RGB32); };
        const QImage direct = onScreen();
        QCOMPARE(direct.pixelColor(19, 29), QColor(255, 128, 64));
        QCOMPARE(direct.pixelColor(20, 30), QColor(0, 0, 128));
        QCOMPARE(p.box->drawing(), direct);
        QVERIFY(p.box->holdsImage());
        QCOMPARE(onScreen(), direct);
        // A new back colour or picture clears the drawing and lets the image go.
        p.box->PSet(3, 3, ui::RGB(0, 255, 0));
        p.box->setBackColor(ui::RGB(0, 128, 0));
        QVERIFY(!p.box->holdsImage());
        QCOMPARE(p.box->drawing().pixelColor(25, 35), QColor(0, 128, 0));
    }

    void aPacedSurfaceDrawsExactlyAndRepaintsOncePerFrame()
    {
        Probe& p = ui::instance<Probe>();
        auto* paced = new ui::PictureBox(&p.client(), QStringLiteral("Paced"));
        auto* plain = new ui::PictureBox(&p.client(), QStringLiteral("Plain"));
        for (ui::PictureBox* b : {paced, plain}) {
            b->Move(600, 1500, 1500, 1200);
            b->setBackColor(ui::RGB(255, 255, 255));
            b->setScale({0, 0, 50, 40});
        }
        plain->setVisible(false);   // drawn on the same way, never shown
        int paints = 0;
        EventSpy painted(paced, QEvent::Paint, [&] { ++paints; });
        p.Show();
        QVERIFY(QTest::qWaitForWindowExposed(&p));
        QCoreApplication::processEvents();
        // Lines, points and boxes in both draw modes and two widths, on each surface alike.
        auto draw = [&](int from, int to) {
            for (int i = from; i < to; ++i) {
                for (ui::PictureBox* b : {paced, plain}) {
                    b->setDrawMode(i % 3 == 0 ? ui::vbInvert : ui::vbCopyPen);
                    b->setDrawWidth(1 + i % 2);
                    b->Line(i, 0, 50 - i, 40, ui::QBColor(i % 15));
                    b->PSet(i, i, ui::QBColor(14 - i % 15));
                    b->Box(i, 5, i + 10, 15, ui::QBColor(i % 7), i % 2 == 0);
                }
                QCoreApplication::processEvents();
            }
        };
        double now = 100;
        ui::setClockForTests([&] { return now; });
        {
            ui::FramePacer pacer(&p, {paced});
            int looks = 0;
            EventSpy look(&pacer, QEvent::Timer, [&] { ++looks; });
            paints = 0;
            draw(0, 30);
            // One frame: the first repaint goes through, the others wait for its end; the pacer's
            // timer looks for that end, and with the clock standing still does not find it.
            QCOMPARE(paints, 1);
            QTRY_VERIFY(looks > 0);
            QCOMPARE(paints, 1);
            now += 1;
            QTRY_COMPARE(paints, 2);
            QCOMPARE(pacer.framesShown(), 2);
            draw(30, 40);
            QCOMPARE(paints, 2);
        }
        // The pacer's end shows the rest at once, and the drawing is the plain surface's.
        QCOMPARE(paints, 3);
        ui::setClockForTests({});
        QCOMPARE(paced->drawing(), plain->drawing());
        QVERIFY(paced->drawing() != QImage(paced->drawing().size(), QImage::Format_RGB32));
    }

    void messageBoxesLookClassic_data()
    {
        QTest::addColumn<int>("style");
        QTest::newRow("plain") << ui::vbOKOnly;
        QTest::newRow("exclamation") << ui::vbExclamation;
    }
    void messageBoxesLookClassic()
    {
        QFETCH(int, style);
        QApplication::setStyle(new ButtonIconsStyle);
        // What the open box shows, read before it is closed by its button.
        QStringList buttons;
        int textLeft = -1, margin = -1, iconRight = -1;
        QTimer::singleShot(0, this, [&] {
            auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!box)
                return;
            for (QLabel* l : box->findChildren<QLabel*>()) {
                if (l->text() == QStringLiteral("Valor fuera de rango"))
                    textLeft = l->x();
                else if (!l->pixmap().isNull() && l->isVisible())
                    iconRight = l->geometry().right();
            }
            margin = box->layout()->contentsMargins().left();
            QPushButton* ok = nullptr;
            for (QPushButton* b : box->findChildren<QPushButton*>()) {
                buttons.append(b->text() + (b->icon().isNull() ? QString() : QStringLiteral("+icon")));
                ok = b;
            }
            if (ok)
                input::click(ok, ok->rect().center());
            if (box->isVisible())
                box->reject();
        });
        ui::MsgBox(QStringLiteral("Valor fuera de rango"), style);
        QCOMPARE(buttons, QStringList({"Aceptar"}));
        QVERIFY(textLeft >= 0);
        if (style == ui::vbExclamation) {
            QVERIFY(iconRight >= 0);
            QVERIFY(textLeft > iconRight);
        } else {
            // No sign, and no room kept for one: the text starts at the margin.
            QCOMPARE(iconRight, -1);
            QVERIFY2(textLeft <= margin + 2, qPrintable(QString::number(textLeft)));
        }
    }

    void theInputBoxHasPlainButtons()
    {
        QApplication::setStyle(new ButtonIconsStyle);
        QStringList captions;
        QTimer::singleShot(0, this, [&] {
            auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!box)
                return;
            QPushButton* cancel = nullptr;
            for (QPushButton* b : box->findChildren<QPushButton*>()) {
                if (b->isVisible())
                    captions.append(b->text() + (b->icon().isNull() ? QString() : QStringLiteral("+icon")));
                if (b->text() == QStringLiteral("Cancelar"))
                    cancel = b;
            }
            if (cancel)
                input::click(cancel, cancel->rect().center());
            if (box->isVisible())
                box->reject();
        });
        QCOMPARE(ui::InputBox(QStringLiteral("p"), QStringLiteral("t"), QStringLiteral("1013")), QString());
        captions.sort();
        QCOMPARE(captions, QStringList({"Aceptar", "Cancelar"}));
    }

    void qtsOwnTextsAreSpanish()
    {
        Probe& p = ui::instance<Probe>();
        p.Show();
        QVERIFY(QTest::qWaitForWindowExposed(&p));
        p.text->setText(QStringLiteral("12"));
        input::click(p.text, QPoint(5, 5), Qt::RightButton);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QVERIFY(menu);
        QStringList items;
        for (QAction* a : menu->actions())
            if (!a->isSeparator())
                items.append(a->text().remove(QLatin1Char('&')).section(QLatin1Char('\t'), 0, 0));
        menu->close();
        QVERIFY2(items.contains(QStringLiteral("Copiar")), qPrintable(items.join(QLatin1Char('|'))));
        QVERIFY2(items.contains(QStringLiteral("Seleccionar todo")), qPrintable(items.join(QLatin1Char('|'))));
    }

    void busyWaitEndsWhenTheClockGoesBackwards()
    {
        // A clock a hundredth of a second later at each read, turning over at midnight.
        QList<double> reads;
        const auto waitFrom = [&reads](int hundredths) {
            reads.clear();
            ui::setClockForTests([&] { return reads.emplace_back(hundredths++ % 8'640'000 / 100.0); });
            ui::busyWait(0.1);
            ui::setClockForTests({});
        };
        // It holds until the first reading past the wait, and not one reading longer.
        waitFrom(10'000);
        QVERIFY(reads.size() >= 3 && reads.last() - reads.first() > 0.1);
        QVERIFY(reads[reads.size() - 2] - reads.first() <= 0.1);
        // Started just before midnight it ends at the turn, though less than the wait has
        // passed; it would never end if midnight trapped it.
        waitFrom(8'639'995);
        QCOMPARE(reads, QList<double>({86399.95, 86399.96, 86399.97, 86399.98, 86399.99, 0.0}));
    }

    void aViewOfALongerUtf8TextEndsWhereTheViewEnds()
    {
        QCOMPARE(ui::toQString(std::string_view("Líquido (dens: 0.8)").substr(0, 8)), QStringLiteral("Líquido"));
    }

    void aWindowGuardSaysWhetherTheWindowIsStillLoaded()
    {
        Probe& p = ui::instance<Probe>();
        p.Show();
        // Taken from the window or from one of its controls, as a handler takes it.
        const ui::WindowGuard window(&p), control(p.text);
        p.Hide();   // hidden, still loaded
        QVERIFY(window.loaded() && control.loaded());
        p.Unload();   // not yet deleted, already gone
        QVERIFY(!window.loaded() && !control.loaded());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!window.loaded() && !control.loaded());
    }

    void endStopsYieldingAndUnloadsEveryWindow()
    {
        Probe& p = ui::instance<Probe>();
        p.Show();
        ui::End();
        QVERIFY(ui::ending());
        QVERIFY(!p.alive());
        QVERIFY(!p.isVisible());
    }
};

QTEST_MAIN(FormsTest)
#include "forms_test.moc"
