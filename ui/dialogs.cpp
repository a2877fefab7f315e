#include "ui/dialogs.h"

#include <QDialog>
#include <QGridLayout>
#include <QInputDialog>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

namespace ui {

namespace {
DialogAnswerer& answerer()
{
    static DialogAnswerer a;
    return a;
}

// Buttons of our dialogs show their caption only, whatever stock icons the desktop adds.
void plainButtons(QWidget* dialog)
{
    for (QPushButton* b : dialog->findChildren<QPushButton*>())
        b->setIcon(QIcon());
}

// The classic message box: the warning sign (only for the exclamation style) beside the text,
// and one centred "Aceptar" button below.
void showMessage(const DialogRequest& r)
{
    QDialog box;
    box.setObjectName(QStringLiteral("MsgBox"));
    box.setWindowTitle(r.title);
    auto* grid = new QGridLayout(&box);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    grid->setContentsMargins(12, 12, 12, 12);
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(14);
    int column = 0;
    if (r.style == vbExclamation) {
        auto* icon = new QLabel(&box);
        icon->setObjectName(QStringLiteral("icon"));
        const int size = box.style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, &box);
        icon->setPixmap(box.style()->standardIcon(QStyle::SP_MessageBoxWarning, nullptr, &box).pixmap(size, size));
        grid->addWidget(icon, 0, column++, Qt::AlignTop);
    }
    QString text = r.text;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    auto* label = new QLabel(text, &box);
    label->setObjectName(QStringLiteral("text"));
    label->setTextFormat(Qt::PlainText);
    grid->addWidget(label, 0, column, Qt::AlignLeft | Qt::AlignVCenter);
    auto* ok = new QPushButton(QStringLiteral("Aceptar"), &box);
    ok->setMinimumWidth(75);
    ok->setDefault(true);
    QObject::connect(ok, &QPushButton::clicked, &box, &QDialog::accept);
    grid->addWidget(ok, 1, 0, 1, column + 1, Qt::AlignHCenter);
    box.exec();
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
    showMessage(r);
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
    plainButtons(&dlg);
    if (dlg.exec() != QDialog::Accepted)
        return {};
    return dlg.textValue();
}

} // namespace ui
