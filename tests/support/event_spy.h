// Runs a function whenever an object receives an event of one type, before the object
// handles it. A filter that goes away leaves the object's filters by itself.
#pragma once

#include <QEvent>
#include <QObject>
#include <functional>
#include <utility>

class EventSpy : public QObject {
public:
    EventSpy(QObject* watched, QEvent::Type type, std::function<void()> seen) : type_(type), seen_(std::move(seen))
    {
        watched->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == type_)
            seen_();
        return false;
    }

private:
    QEvent::Type type_;
    std::function<void()> seen_;
};
