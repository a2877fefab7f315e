// Every caption of every window fits its control at the dialog font's size: buttons,
// options and check boxes on one line, labels within their box once wrapped.
#include "falling_spheres/principa.h"
#include "flotation/flotar.h"
#include "pressure/form1.h"
#include "pressure/form2.h"
#include "shell/arranque.h"
#include "shell/brantel.h"
#include "ui/runtime.h"

#include <QtTest>

class CaptionsTest : public QObject {
    Q_OBJECT

    static QStringList overflowing(ui::Form& f)
    {
        QStringList out;
        for (QAbstractButton* b : f.findChildren<QAbstractButton*>()) {
            if (!ui::controlOf(b) || b->text().trimmed().isEmpty())
                continue;
            // Room for the option's or check box's indicator.
            const int indicator = qobject_cast<QPushButton*>(b) ? 4 : 20;
            if (QFontMetrics(b->font()).horizontalAdvance(b->text()) + indicator > b->width())
                out << b->objectName();
        }
        for (QLabel* l : f.findChildren<QLabel*>()) {
            if (!ui::controlOf(l) || l->text().isEmpty())
                continue;
            const QRect need = QFontMetrics(l->font()).boundingRect(QRect(0, 0, l->contentsRect().width(), 10000),
                                                                     Qt::TextWordWrap, l->text());
            if (need.height() > l->contentsRect().height() + 2)
                out << l->objectName();
        }
        return out;
    }

private slots:
    void init() { ui::applyApplicationLook(); }
    void cleanup() { ui::unloadAllForms(); }

    void everyCaptionFits_data()
    {
        QTest::addColumn<int>("window");
        QTest::newRow("arranque") << 0;
        QTest::newRow("Brantel") << 1;
        QTest::newRow("Form1") << 2;
        QTest::newRow("Form2") << 3;
        QTest::newRow("principa") << 4;
        QTest::newRow("flotar") << 5;
    }

    void everyCaptionFits()
    {
        QFETCH(int, window);
        ui::Form* forms[] = {&ui::instance<arranque>(), &ui::instance<Brantel>(), &ui::instance<Form1>(),
                             &ui::instance<Form2>(),    &ui::instance<principa>(), &ui::instance<flotar>()};
        ui::Form& f = *forms[window];
        if (window != 0)   // the splash's load is the whole start-up wait
            f.Load();
        QCOMPARE(overflowing(f), QStringList());
    }
};

QTEST_MAIN(CaptionsTest)
#include "captions_test.moc"
