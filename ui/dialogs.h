// Modal message and input boxes, with one seam that lets tests and the stress run answer
// them without a person.
#pragma once

#include <QString>
#include <functional>
#include <optional>

namespace ui {

constexpr int vbOKOnly = 0;
constexpr int vbExclamation = 48;

struct DialogRequest {
    enum Kind { Message, Input } kind = Message;
    QString text;      // the message or the prompt
    QString title;     // as shown: "brantel" when the caller gave none
    int style = 0;     // message boxes: 0 plain, 48 exclamation
    QString proposed;  // input boxes: the proposed answer
};

struct DialogReply {
    bool ok = true;    // false: cancelled
    QString text;      // input boxes: the typed answer
};

// Shows a modal message box with one OK button and waits until it is closed.
void MsgBox(const QString& text, int style = vbOKOnly, const QString& title = {});
// Shows a modal input box; returns the typed text, or the empty text when cancelled.
QString InputBox(const QString& prompt, const QString& title = {}, const QString& proposed = {});

// While set, dialogs are not shown: the answerer sees each request and returns the reply.
using DialogAnswerer = std::function<DialogReply(const DialogRequest&)>;
void setDialogAnswerer(DialogAnswerer answerer);

inline const QString kApplicationTitle = QStringLiteral("brantel");

} // namespace ui
