// Windows: one default instance each, loaded on first Show or Hide (which runs Form_Load),
// hidden with their state kept, unloaded by the title-bar close box.
#pragma once

#include "ui/canvas.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QWidget>
#include <functional>

namespace ui {

class Form : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
    Q_PROPERTY(bool Loaded READ loaded)
public:
    // The client area is given in twips (15 to a pixel).
    Form(const QString& name, const QString& caption, double clientWidthTwips, double clientHeightTwips);
    ~Form() override;

    QString Caption() const { return windowTitle(); }
    void setCaption(const QString& c) { setWindowTitle(c); }

    // The client area: the container of the window's controls, in twips, with persistent
    // drawing; its handlers are the window's own (Click, MouseMove, DragDrop on the bare
    // background).
    Canvas& client() { return *client_; }
    Handlers& on() { return client_->on; }

    // Showing or hiding a window that is not loaded loads it first.
    void Show();
    void Hide();
    void Load();
    // Hides the window and lets it go: its default instance is built afresh on next use.
    void Unload();
    bool loaded() const { return loaded_; }
    // False once the window was unloaded or the program is ending: a yielding loop that
    // finds it false stops touching the window.
    bool alive() const;

    // Menus. Captions use & before the access key.
    QMenu* addMenu(const QString& name, const QString& caption);
    QAction* addItem(QMenu* menu, const QString& name, const QString& caption, std::function<void()> handler,
                     const QKeySequence& shortcut = {});
    // A command that stands on the menu bar itself.
    QAction* addBarCommand(const QString& name, const QString& caption, std::function<void()> handler);
    QAction* action(const QString& name) const;

protected:
    virtual void Form_Load() {}
    // What the title-bar close box does: unload the window.
    virtual void closeBox() { Unload(); }
    void closeEvent(QCloseEvent* e) override;
    // A window going out of sight ends the drags begun in it, with no drop: the button may be
    // let go where the program never hears of it.
    void hideEvent(QHideEvent* e) override;

private:
    // Links the window's tab stops in the order of their TabIndex and gives the first one
    // that can take it the focus.
    void buildFocusChain();
    template <class F> friend F& instance();
    std::function<void()> forget_;
    Canvas* client_ = nullptr;
    QMenuBar* menuBar_ = nullptr;
    double clientWidthTwips_, clientHeightTwips_;
    bool loaded_ = false;
    bool placed_ = false;
    bool unloaded_ = false;
};

// Whether a window is still loaded after a yield (DoEvents, a message or input box, a settling
// motion, a fall): taken before the yield from the window or from a widget of one of its
// controls, it says false once that widget is deleted, the window unloaded, or the program
// ending. Whatever goes on after a yield asks it before it touches the window or a control.
class WindowGuard {
public:
    explicit WindowGuard(QWidget* w) : widget_(w), window_(w ? qobject_cast<Form*>(w->window()) : nullptr) {}
    bool loaded() const { return widget_ && window_ && window_->alive(); }

private:
    QPointer<QWidget> widget_;
    QPointer<Form> window_;
};

// The default instance of a window class, created on first use.
template <class F> F& instance()
{
    static F* slot = nullptr;
    if (!slot) {
        slot = new F;
        slot->forget_ = [] { slot = nullptr; };
    }
    return *slot;
}

// Tests: told the name of every window that has just loaded.
void setLoadObserverForTests(std::function<void(const QString&)> observer);

// Every window that exists (loaded or waiting to be deleted).
std::vector<Form*> allForms();
// Tests: unload and delete every window, and forget that the program ended.
void unloadAllForms();

} // namespace ui
