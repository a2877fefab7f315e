// The about message that every window with a menu offers, and the launcher's information
// message.
#pragma once

#include <QString>

namespace common {

// The team and the contact address named by every about message.
inline const QString kEquipo = QStringLiteral("equipo de desarrollo del Grupo Cormund");
inline const QString kCorreo = QStringLiteral("cormund@example.org");

// Lines joined by an empty line between each two.
QString joinLines(const QStringList& lines);

QString textoAcercaDe(const QString& authorsLine, const QString& contactLine);
QString textoInformacion();

// Shows the about message with the window's authors line and contact line.
void MensajeAcercaDe(const QString& authorsLine, const QString& contactLine);

} // namespace common
