// Runs a function whenever an object receives an event of one type, before the object
// handles it.
#pragma once

#include <QEvent>
#include <QObject>
#include <QPointer>
#include <functional>
#include <utility>

class EventSpy : public QObject {
public:
    EventSpy(QObject* watched, QEvent::Type type, std::function<void()> seen)
        : watched_(watched), type_(type), seen_(std::move(seen))
    {
        watched->installEventFilter(this);
    }
    ~EventSpy() override
    {
        if (watched_)
            watched_->removeEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == type_)
            seen_();
        return false;
    }

private:
    QPointer<QObject> watched_;
    QEvent::Type type_;
    std::function<void()> seen_;
};
