#include "instalacion/Directorio.h"

#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>
#include <QVariant>
#include <stdexcept>

namespace norvane {

namespace {

constexpr auto kOrganizacion = "Lumo";
constexpr auto kAplicacion = "NorvaneERP2024";
constexpr auto kValor = "Directorio";

// QSettings reads a missing file as an empty set of keys, so it cannot tell
// "no settings" from "settings without this value". The settings exist when
// one of the system configuration folders that QSettings consults holds a
// readable Lumo/NorvaneERP2024.conf, whatever keys it has (an empty file
// included). Those folders are the generic configuration locations without
// the first one, the user's own (XDG_CONFIG_HOME), which a system-wide
// setting must not come from: the same list QSettings builds for SystemScope.
bool ExistenAjustes() {
  QStringList carpetas = QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation);
  if (!carpetas.isEmpty()) carpetas.removeFirst();
  const QString archivo = QStringLiteral("/%1/%2.conf").arg(kOrganizacion, kAplicacion);
  for (const QString& carpeta : carpetas) {
    const QFileInfo info(carpeta + archivo);
    if (info.isFile() && info.isReadable()) return true;
  }
  return false;
}

}  // namespace

const char* const kSinDirectorio =
    "No se encontró la Clave HKEY_LOCAL_MACHINE\\Software\\Lumo\\NorvaneERP2024\\Directorio";

bool HayDirectorio() {
  if (!ExistenAjustes()) return false;
  const QSettings ajustes(QSettings::SystemScope, kOrganizacion, kAplicacion);
  return ajustes.contains(kValor);
}

std::string diraplicacion(Operador& operador) {
  if (!ExistenAjustes()) {
    operador.Mensaje(kSinDirectorio);
    return {};
  }
  // A new object per call: nothing of an earlier read is kept, and QSettings
  // reads the file again whenever its size or time stamp changed.
  const QSettings ajustes(QSettings::SystemScope, kOrganizacion, kAplicacion);
  const QVariant valor = ajustes.value(kValor);
  if (!valor.isValid()) return {};
  // An unquoted comma makes a list and "@ByteArray(...)" a byte array: neither
  // is a directory.
  if (valor.typeId() != QMetaType::QString)
    throw std::runtime_error(std::string("El valor \"") + kValor +
                             "\" de HKEY_LOCAL_MACHINE\\Software\\Lumo\\NorvaneERP2024 no es un texto (" +
                             ajustes.fileName().toStdString() + ")");
  return valor.toString().toStdString();
}

}  // namespace norvane
