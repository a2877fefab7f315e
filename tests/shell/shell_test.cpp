// Start-up, launcher and messages, driven through the real windows.
#include "falling_spheres/principa.h"
#include "flotation/flotar.h"
#include "pressure/form1.h"
#include "common/about.h"
#include "shell/arranque.h"
#include "shell/brantel.h"
#include "common/declarac.h"
#include "tests/support/input.h"
#include "ui/dialogs.h"
#include "ui/runtime.h"
#include "tests/support/input.h"

#include <QMenuBar>
#include <QtTest>

class ShellTest : public QObject {
    Q_OBJECT

    QStringList loaded;
    QList<ui::DialogRequest> dialogs;
    double now = 0;
    int clockReads = 0;

    void useSteppingClock(double step)
    {
        now = 0;
        clockReads = 0;
        ui::setClockForTests([this, step] {
            ++clockReads;
            now += step;
            return now;
        });
    }

    Brantel& openLauncher()
    {
        useSteppingClock(1);
        shell::startProgram();
        ui::setClockForTests({});
        return ui::instance<Brantel>();
    }

private slots:
    void init()
    {
        ui::applyApplicationLook();
        loaded.clear();
        dialogs.clear();
        clockReads = 0;
        ui::setLoadObserverForTests([this](const QString& name) { loaded.append(name); });
        ui::setDialogAnswerer([this](const ui::DialogRequest& r) {
            dialogs.append(r);
            return ui::DialogReply{};
        });
    }

    void cleanup()
    {
        ui::setClockForTests({});
        ui::setLoadObserverForTests({});
        ui::setDialogAnswerer({});
        ui::unloadAllForms();
    }

    void splashWaitsMoreThanThreeSecondsWithoutAClick()
    {
        // The start time is read at 0.5; at 3.5 (exactly three seconds later) the wait goes on,
        // at 4.0 it ends: eight reads of the clock in all.
        useSteppingClock(0.5);
        shell::startProgram();
        QCOMPARE(clockReads, 8);
        QCOMPARE(DECLARAC::colorPulsado, ui::RGB(100, 100, 100));
        QVERIFY(ui::instance<arranque>().loaded());
        QVERIFY(!ui::instance<arranque>().isVisible());
        QVERIFY(ui::instance<Brantel>().isVisible());
        QCOMPARE(loaded, QStringList({"arranque", "Brantel"}));
    }

    void clickOnThePictureEndsTheWaitButAClickOnTheLabelDoesNot()
    {
        // The clock stands still: only a click can end the wait. The label is clicked at the
        // third read, the picture at the tenth; the wait ends at the tenth.
        ui::setClockForTests([this] {
            arranque& a = ui::instance<arranque>();
            if (++clockReads == 3)
                input::click(a.Label1, QPoint(5, 5));
            if (clockReads == 10)
                input::click(a.Picture1, QPoint(40, 40), Qt::RightButton);
            return clockReads < 1000 ? 0.0 : 10.0;
        });
        shell::startProgram();
        QCOMPARE(clockReads, 10);
        QVERIFY(ui::instance<Brantel>().isVisible());
    }

    void closingTheSplashEndsTheWaitLikeAClick()
    {
        ui::setClockForTests([] { return 0.0; });
        QTimer::singleShot(0, this, [] { ui::instance<arranque>().close(); });
        shell::startProgram();
        QVERIFY(ui::instance<Brantel>().isVisible());
        QVERIFY(ui::instance<arranque>().loaded());
    }

    void firstPictureClickLoadsAllThreeHiddenFirstThenShown()
    {
        Brantel& b = openLauncher();
        loaded.clear();
        input::click(b.Picture1, QPoint(20, 20));
        QCOMPARE(loaded, QStringList({"flotar", "principa", "Form1"}));
        QVERIFY(ui::instance<Form1>().isVisible());
        QVERIFY(!ui::instance<flotar>().isVisible());
        QVERIFY(!ui::instance<principa>().isVisible());

        loaded.clear();
        input::click(b.Picture3, QPoint(20, 20), Qt::RightButton);
        input::click(b.Picture3, QPoint(20, 20));
        input::click(b.Picture2, QPoint(20, 20));
        QCOMPARE(loaded, QStringList());
        QVERIFY(ui::instance<flotar>().isVisible());
        QVERIFY(!ui::instance<principa>().isVisible());
        QVERIFY(b.isVisible());
    }

    void aWindowClosedByItsBoxLoadsAgainAtTheNextPictureClick()
    {
        Brantel& b = openLauncher();
        input::click(b.Picture3, QPoint(20, 20));
        principa* old = &ui::instance<principa>();
        old->close();
        QVERIFY(!old->alive());
        loaded.clear();
        input::click(b.Picture1, QPoint(20, 20));
        QCOMPARE(loaded, QStringList({"principa"}));
        QVERIFY(!ui::instance<principa>().isVisible());
    }

    void aWindowLoadedAgainSharesTheIconOfTheOneBefore()
    {
        // Under X, every icon of its own would be cached again each time a window is shown.
        auto sharedAcrossLoads = []<class F>(F* first) {
            const qint64 icon = first->windowIcon().cacheKey();
            first->close();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            return !ui::instance<F>().windowIcon().isNull() && ui::instance<F>().windowIcon().cacheKey() == icon;
        };
        QVERIFY(sharedAcrossLoads(&ui::instance<Form1>()));
        QVERIFY(sharedAcrossLoads(&ui::instance<principa>()));
        QVERIFY(sharedAcrossLoads(&ui::instance<flotar>()));
    }

    void enterOnAFreshLauncherPressesSalir()
    {
        Brantel& b = openLauncher();
        QVERIFY(QTest::qWaitForWindowActive(&b));
        QCOMPARE(QApplication::focusWidget(), b.Command1);
        input::key(b.Command1, Qt::Key_Return);
        QVERIFY(ui::ending());
    }

    void salirEndsTheProgramFromInsideAYieldingLoop()
    {
        Brantel& b = openLauncher();
        input::click(b.Picture2, QPoint(20, 20));
        flotar& f = ui::instance<flotar>();
        QTimer::singleShot(0, this, [&b] { b.action(QStringLiteral("menu_salir"))->trigger(); });
        int passes = 0;
        while (f.alive() && passes < 1000000) {
            ui::DoEvents();
            ++passes;
        }
        QVERIFY(ui::ending());
        QVERIFY(!f.alive());
        QVERIFY(!b.isVisible());
    }

    void closingTheLauncherEndsTheProgram()
    {
        Brantel& b = openLauncher();
        b.close();
        QVERIFY(ui::ending());
    }

    void messagesHaveTheirLinesAndSeparators()
    {
        Brantel& b = openLauncher();
        input::click(b.Image1, QPoint(5, 5));
        b.action(QStringLiteral("menu_acerca"))->trigger();
        b.action(QStringLiteral("menu_acerca"))->trigger();
        QCOMPARE(dialogs.size(), 3);
        const QString info = dialogs[0].text, about = dialogs[1].text;
        QCOMPARE(info.count(QStringLiteral("\r\n\r\n")), 3);
        QCOMPARE(about.count(QStringLiteral("\r\n\r\n")), 5);
        QVERIFY(info.startsWith(QStringLiteral("Programa de distribución gratuita para Enseñanza de la Física\r\n")));
        QVERIFY(about.startsWith(QStringLiteral("Programa de simulación para Enseñanza de la Física\r\n")));
        QVERIFY(about.endsWith(QStringLiteral("\r\n\r\nComuniquese para obtener nuevas versiones y otros programas")));
        QVERIFY(about.split(QStringLiteral("\r\n\r\n"))[3].startsWith(QStringLiteral("Autores: ")));
        QVERIFY(info.split(QStringLiteral("\r\n\r\n"))[3].startsWith(QStringLiteral("e-mail ")));
        QCOMPARE(dialogs[2].text, about);
        for (const auto& d : dialogs) {
            QCOMPARE(d.title, QStringLiteral("brantel"));
            QCOMPARE(d.style, 0);
        }
        // Windows other than the launcher change only the authors line and the contact label.
        const QStringList other = common::textoAcercaDe(QStringLiteral("Autores de esta pantalla: x"),
                                                       QStringLiteral("e-mail:   y")).split(QStringLiteral("\r\n\r\n"));
        const QStringList mine = about.split(QStringLiteral("\r\n\r\n"));
        for (int i : {0, 1, 2, 5})
            QCOMPARE(other[i], mine[i]);
    }

    void autoSizedPicturesHaveTheClassicSunkenEdge()
    {
        Brantel& b = openLauncher();
        arranque& a = ui::instance<arranque>();
        QCOMPARE(a.Picture1->Width(), 5745.0);
        QCOMPARE(a.Picture1->Height(), 5190.0);
        QCOMPARE(b.Picture3->Width(), 3225.0);
        QCOMPARE(b.Picture3->Height(), 2550.0);
        // Two pixels of edge, dark above and to the left, light below and to the right; the
        // picture begins inside it.
        for (ui::PictureBox* box : {a.Picture1, b.Picture1, b.Picture2, b.Picture3}) {
            const QImage seen = box->grab().toImage();
            const int r = seen.width() - 1, d = seen.height() - 1;
            QCOMPARE(seen.pixelColor(5, 0), QColor(128, 128, 128));
            QCOMPARE(seen.pixelColor(5, 1), QColor(64, 64, 64));
            QCOMPARE(seen.pixelColor(5, d), QColor(255, 255, 255));
            QCOMPARE(seen.pixelColor(r, 5), QColor(255, 255, 255));
            QCOMPARE(seen.pixelColor(r - 1, 5), QColor(192, 192, 192));
            QCOMPARE(seen.pixelColor(2, 2), box->picture().toImage().pixelColor(0, 0));
            QCOMPARE(box->innerWidthTwips(), box->Width() - 60);
        }
    }

    void everyThumbnailShowsAllItsDrawingInsideItsBox()
    {
        Brantel& b = openLauncher();
        for (ui::PictureBox* box : {b.Picture1, b.Picture2, b.Picture3}) {
            // What lies beyond the inner area is hidden: it must be bare ground.
            const QImage picture = box->picture().toImage();
            const QColor ground = picture.pixelColor(0, 0);
            const int w = int(box->innerWidthTwips() / 15), h = int(box->innerHeightTwips() / 15);
            for (int y = 0; y < picture.height(); ++y)
                for (int x = 0; x < picture.width(); ++x)
                    if (x >= w || y >= h)
                        QVERIFY2(picture.pixelColor(x, y) == ground,
                                 qPrintable(QStringLiteral("%1 at %2,%3").arg(box->objectName()).arg(x).arg(y)));
        }
    }

    void anEnlargedSplashEndsItsWaitOnAClickAnywhere()
    {
        ui::setClockForTests([this] { return ++clockReads < 50000000 ? 0.0 : 10.0; });
        int readsAtClick = 0;
        QTimer::singleShot(0, this, [&] {
            arranque& a = ui::instance<arranque>();
            a.resize(700, 600);
            QTRY_COMPARE(a.client().size(), QSize(700, 600));
            QCOMPARE(a.client().grab().toImage().pixelColor(650, 550), QColor(128, 128, 128));
            readsAtClick = clockReads;
            input::click(&a.client(), QPoint(650, 550));
        });
        shell::startProgram();
        QVERIFY(readsAtClick > 0);
        QVERIFY(clockReads <= readsAtClick + 3);
        QVERIFY(ui::instance<Brantel>().isVisible());
    }

    void eachSimulationWindowNamesItsOwnAuthors()
    {
        Brantel& b = openLauncher();
        const auto about = [this](ui::Form& f, QWidget* picture) {
            input::click(picture, QPoint(20, 20));
            auto* bar = f.findChild<QMenuBar*>();
            QAction* item = f.action(QStringLiteral("menu_acerca"));
            input::click(bar, bar->actionGeometry(item).center());
            return dialogs.last().text.split(QStringLiteral("\r\n\r\n"));
        };
        const QStringList caida = about(ui::instance<principa>(), b.Picture3);
        const QStringList flotacion = about(ui::instance<flotar>(), b.Picture2);
        QCOMPARE(dialogs.size(), 2);
        QVERIFY(caida[3].startsWith(QStringLiteral("Autor de esta pantalla: ")));
        QVERIFY(flotacion[3].startsWith(QStringLiteral("Autor de esta pantalla: ")));
        QVERIFY(caida[3] != flotacion[3]);
        QVERIFY(caida[3].size() > 30 && flotacion[3].size() > 30);
        for (int i : {0, 1, 2, 4, 5})
            QCOMPARE(caida[i], flotacion[i]);
    }

    void launcherCaptionsFitTheirControls()
    {
        Brantel& b = openLauncher();
        for (ui::Label* l : {b.Label1}) {
            const QFontMetrics fm(l->font());
            QVERIFY2(fm.horizontalAdvance(l->Caption()) <= l->width(), qPrintable(l->Caption()));
        }
        const QFontMetrics fm(b.Label2->font());
        const QRect need = fm.boundingRect(b.Label2->rect(), Qt::TextWordWrap | Qt::AlignHCenter, b.Label2->Caption());
        QVERIFY(need.height() <= b.Label2->height());
        QCOMPARE(b.client().size(), QSize(635, 426));
        QCOMPARE(ui::instance<arranque>().client().size(), QSize(487, 406));
    }
};

QTEST_MAIN(ShellTest)
#include "shell_test.moc"
