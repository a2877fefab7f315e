#include "common/about.h"

#include "ui/dialogs.h"

#include <QStringList>

namespace common {

namespace {
const QString kSeparator = QStringLiteral("\r\n\r\n");
const QString kGrupo = QStringLiteral("Grupo Cormund - Departamento de Física, Facultad de Ciencias");
const QString kDireccion = QStringLiteral("Calle del Ejemplo 123, (0000) Ciudad Ejemplo");
} // namespace

QString joinLines(const QStringList& lines) { return lines.join(kSeparator); }

QString textoAcercaDe(const QString& authorsLine, const QString& contactLine)
{
    return joinLines({QStringLiteral("Programa de simulación para Enseñanza de la Física"), kGrupo, kDireccion,
                      authorsLine, contactLine,
                      QStringLiteral("Comuniquese para obtener nuevas versiones y otros programas")});
}

QString textoInformacion()
{
    return joinLines({QStringLiteral("Programa de distribución gratuita para Enseñanza de la Física"), kGrupo,
                      kDireccion, QStringLiteral("e-mail ") + kCorreo});
}

void MensajeAcercaDe(const QString& authorsLine, const QString& contactLine)
{
    ui::MsgBox(textoAcercaDe(authorsLine, contactLine), ui::vbOKOnly);
}

} // namespace common
