#include "ui/form.h"

#include "ui/controls.h"
#include "ui/mouse_router.h"
#include "ui/runtime.h"
#include "ui/twips.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

namespace ui {

namespace {
std::vector<Form*>& registry()
{
    static std::vector<Form*> forms;
    return forms;
}

// Every control of a container, the controls of its frames and picture boxes included.
void collectControls(Container& c, std::vector<ControlBase*>& out)
{
    for (ControlBase* k : c.controls()) {
        out.push_back(k);
        if (auto* inner = dynamic_cast<Container*>(k))
            collectControls(*inner, out);
    }
}

std::function<void(const QString&)>& loadObserver()
{
    static std::function<void(const QString&)> observer;
    return observer;
}
} // namespace

void setLoadObserverForTests(std::function<void(const QString&)> observer) { loadObserver() = std::move(observer); }

Form::Form(const QString& name, const QString& caption, double clientWidthTwips, double clientHeightTwips)
    : QWidget(nullptr), clientWidthTwips_(clientWidthTwips), clientHeightTwips_(clientHeightTwips)
{
    setObjectName(name);
    setWindowTitle(caption);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    client_ = new Canvas(this, nullptr, name + QStringLiteral("_client"));
    const QSize design(toPixels(clientWidthTwips), toPixels(clientHeightTwips));
    // The design size until the window loads, so that its controls are placed on it.
    client_->setDesignSize(design);
    client_->setFixedSize(design);
    client_->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    layout->addWidget(client_);
    registry().push_back(this);
}

Form::~Form()
{
    auto& r = registry();
    r.erase(std::remove(r.begin(), r.end(), this), r.end());
    if (forget_)
        forget_();
}

bool Form::alive() const { return loaded_ && !ending(); }

void Form::Load()
{
    if (loaded_ || ending())
        return;
    loaded_ = true;
    client_->arrangeStacking();
    // The client area fills the window at any size, larger or smaller than the design (the
    // window opens at the design size); the controls keep their places and are cut off by
    // a smaller window.
    client_->setMinimumSize(1, 1);
    client_->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    client_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    buildFocusChain();
    if (loadObserver())
        loadObserver()(objectName());
    Form_Load();
}

void Form::buildFocusChain()
{
    std::vector<ControlBase*> all;
    collectControls(*client_, all);
    std::stable_sort(all.begin(), all.end(), [](const ControlBase* a, const ControlBase* b) { return a->tabsBefore(*b); });
    // Labels, frames, shapes, lines and images never take the focus. Hidden and disabled
    // controls stay in the chain: Tab passes over them until they show and are enabled.
    QWidget* previous = nullptr;
    for (ControlBase* c : all) {
        if (auto* o = dynamic_cast<OptionButton*>(c))
            o->settleTabStop();
        QWidget* w = c->widget();
        if (w->focusPolicy() == Qt::NoFocus)
            continue;
        if (previous)
            setTabOrder(previous, w);
        previous = w;
    }
    for (ControlBase* c : all) {
        QWidget* w = c->widget();
        if ((w->focusPolicy() & Qt::TabFocus) && w->isEnabledTo(this) && w->isVisibleTo(this)) {
            w->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

void Form::Show()
{
    Load();
    if (!alive())
        return;
    if (!placed_) {
        placed_ = true;
        // At the design size, even where that is larger than adjustSize() would allow.
        resize(sizeHint());
        if (QScreen* s = QGuiApplication::primaryScreen())
            move(s->availableGeometry().center() - rect().center());
    }
    show();
    if (QGuiApplication::platformName() != QLatin1String("offscreen")) {
        raise();
        activateWindow();
    }
}

void Form::Hide()
{
    Load();
    hide();
}

void Form::Unload()
{
    if (unloaded_)
        return;
    unloaded_ = true;
    if (forget_) {
        forget_();
        forget_ = nullptr;
    }
    loaded_ = false;
    // Nothing of an unloaded window runs again, even before it is deleted.
    for (QTimer* t : findChildren<QTimer*>())
        t->stop();
    hide();   // which ends the drags begun in the window
    deleteLater();
}

void Form::closeEvent(QCloseEvent* e)
{
    e->ignore();
    closeBox();
}

void Form::hideEvent(QHideEvent* e)
{
    endDragsIn(this);
    QWidget::hideEvent(e);
}

QMenu* Form::addMenu(const QString& name, const QString& caption)
{
    if (!menuBar_) {
        menuBar_ = new QMenuBar(this);
        static_cast<QVBoxLayout*>(layout())->setMenuBar(menuBar_);
    }
    QMenu* menu = menuBar_->addMenu(caption);
    menu->setObjectName(name);
    menu->menuAction()->setObjectName(name);
    return menu;
}

QAction* Form::addItem(QMenu* menu, const QString& name, const QString& caption, std::function<void()> handler,
                       const QKeySequence& shortcut)
{
    QAction* a = menu->addAction(caption);
    a->setObjectName(name);
    a->setShortcut(shortcut);
    connect(a, &QAction::triggered, this, [handler = std::move(handler)] { handler(); });
    return a;
}

QAction* Form::addBarCommand(const QString& name, const QString& caption, std::function<void()> handler)
{
    if (!menuBar_) {
        menuBar_ = new QMenuBar(this);
        static_cast<QVBoxLayout*>(layout())->setMenuBar(menuBar_);
    }
    QAction* a = menuBar_->addAction(caption);
    a->setObjectName(name);
    connect(a, &QAction::triggered, this, [handler = std::move(handler)] { handler(); });
    return a;
}

QAction* Form::action(const QString& name) const { return findChild<QAction*>(name); }

std::vector<Form*> allForms() { return registry(); }

void unloadAllForms()
{
    for (Form* f : allForms())
        f->Unload();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    resetEndingForTests();
}

} // namespace ui
