#include "ui/dialogs.h"

#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

namespace ui {

namespace {
DialogAnswerer& answerer()
{
    static DialogAnswerer a;
    return a;
}
} // namespace

void setDialogAnswerer(DialogAnswerer a) { answerer() = std::move(a); }

void MsgBox(const QString& text, int style, const QString& title)
{
    DialogRequest r;
    r.kind = DialogRequest::Message;
    r.text = text;
    r.title = title.isEmpty() ? kApplicationTitle : title;
    r.style = style;
    if (answerer()) {
        answerer()(r);
        return;
    }
    QMessageBox box(style == vbExclamation ? QMessageBox::Warning : QMessageBox::NoIcon, r.title, text,
                    QMessageBox::Ok);
    box.button(QMessageBox::Ok)->setText(QStringLiteral("Aceptar"));
    box.exec();
}

QString InputBox(const QString& prompt, const QString& title, const QString& proposed)
{
    DialogRequest r;
    r.kind = DialogRequest::Input;
    r.text = prompt;
    r.title = title.isEmpty() ? kApplicationTitle : title;
    r.proposed = proposed;
    if (answerer()) {
        const DialogReply reply = answerer()(r);
        return reply.ok ? reply.text : QString();
    }
    QInputDialog dlg;
    dlg.setWindowTitle(r.title);
    dlg.setLabelText(prompt);
    dlg.setTextValue(proposed);
    dlg.setOkButtonText(QStringLiteral("Aceptar"));
    dlg.setCancelButtonText(QStringLiteral("Cancelar"));
    if (dlg.exec() != QDialog::Accepted)
        return {};
    return dlg.textValue();
}

} // namespace ui
