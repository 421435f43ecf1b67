#include "engine/CursorDestino.h"

#include <algorithm>
#include <cctype>
#include <stdexcept>

#include "engine/Destino.h"
#include "engine/TextoSql.h"
#include "fb/Error.h"

namespace norvane {

namespace {

// The first name after FROM, upper case unless quoted.
std::string TablaDelTexto(std::string_view select) {
  std::string minusculas(select);
  std::transform(minusculas.begin(), minusculas.end(), minusculas.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  std::size_t at = 0;
  for (;;) {
    at = minusculas.find("from", at);
    if (at == std::string::npos) return {};
    const bool antes = at == 0 || std::isspace(static_cast<unsigned char>(minusculas[at - 1]));
    const bool despues = at + 4 < minusculas.size() &&
                         std::isspace(static_cast<unsigned char>(minusculas[at + 4]));
    if (antes && despues) break;
    at += 4;
  }
  at = select.find_first_not_of(" \t\r\n", at + 4);
  if (at == std::string_view::npos) return {};
  if (select[at] == '"') {
    const auto fin = select.find('"', at + 1);
    return std::string(select.substr(at + 1, fin - at - 1));
  }
  const auto fin = select.find_first_of(" \t\r\n;,", at);
  std::string nombre(select.substr(at, fin == std::string_view::npos ? fin : fin - at));
  std::transform(nombre.begin(), nombre.end(), nombre.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return nombre;
}

std::string SinBlancosFinales(const std::string& s) {
  const auto fin = s.find_last_not_of(' ');
  return fin == std::string::npos ? std::string() : s.substr(0, fin + 1);
}

// Equal as the destination compares keys: numbers by value whatever their
// scale, texts without trailing blanks (CHAR padding). An edit's changes are
// found with `blancosCuentan`: a value that only gains or loses trailing
// blanks is still a change to write.
bool MismoValor(const fb::Value& a, const fb::Value& b, bool blancosCuentan = false) {
  using K = fb::Value::Kind;
  auto numerico = [](const fb::Value& v) { return v.kind() == K::Integer || v.kind() == K::Decimal; };
  if (numerico(a) && numerico(b)) {
    fb::Decimal x = a.kind() == K::Integer ? fb::Decimal{a.asInteger(), 0} : a.asDecimal();
    fb::Decimal y = b.kind() == K::Integer ? fb::Decimal{b.asInteger(), 0} : b.asDecimal();
    // Bring both to the finer scale; values that overflow cannot be equal.
    while (x.scale > y.scale) {
      if (x.value > INT64_MAX / 10 || x.value < INT64_MIN / 10) return false;
      x.value *= 10;
      --x.scale;
    }
    while (y.scale > x.scale) {
      if (y.value > INT64_MAX / 10 || y.value < INT64_MIN / 10) return false;
      y.value *= 10;
      --y.scale;
    }
    return x.value == y.value;
  }
  if (a.kind() == K::Text && b.kind() == K::Text && !blancosCuentan)
    return SinBlancosFinales(a.asText()) == SinBlancosFinales(b.asText());
  return a == b;
}

}  // namespace

RechazoCursor::RechazoCursor(Motivo motivoRechazo, std::vector<std::string> columnasRechazo)
    : std::runtime_error("the destination cursor refused the row"),
      motivo(motivoRechazo),
      columnas(std::move(columnasRechazo)) {}

CursorDestino::CursorDestino(std::string nombre, Destino& destino)
    : nombre_(std::move(nombre)), destino_(destino) {}

void CursorDestino::Abrir(std::string_view select) {
  Cerrar();
  auto resultado = destino_.Consultar(select);
  Preparar(select, std::move(resultado.columnas));
  filas_ = std::move(resultado.filas);
}

void CursorDestino::AbrirEstructura(std::string_view select) {
  Cerrar();
  Preparar(select, destino_.Estructura(std::string(select)));
}

void CursorDestino::Preparar(std::string_view select, fb::Columns columnas) {
  columnas_ = std::move(columnas);
  tabla_ = columnas_.empty() || columnas_[0].relation.empty() ? TablaDelTexto(select)
                                                              : columnas_[0].relation;
  // Only the table's own columns are written; expressions are not.
  for (std::size_t i = 0; i < columnas_.size(); ++i)
    if (columnas_[i].relation == tabla_ && !columnas_[i].field.empty()) propias_.push_back(i);
  abierto_ = true;
}

void CursorDestino::Cerrar() {
  abierto_ = false;
  tabla_.clear();
  columnas_.clear();
  propias_.clear();
  posicionesClave_.reset();
  filas_.clear();
  actual_ = 0;
  pendiente_.reset();
  editando_.reset();
  cambios_.clear();
}

const fb::Row& CursorDestino::Fila() const {
  if (Eof()) throw std::logic_error("cursor " + nombre_ + " has no current row");
  return filas_[actual_];
}

void CursorDestino::Agregar() {
  if (!abierto_) throw std::logic_error("cursor " + nombre_ + " is not open");
  Publicar();
  pendiente_ = fb::Row(columnas_.size());
  editando_.reset();
}

void CursorDestino::Editar() {
  Publicar();
  if (!abierto_ || Eof()) throw RechazoCursor{RechazoCursor::Motivo::Otro, {}};
  pendiente_ = filas_[actual_];
  editando_ = actual_;
}

fb::Row& CursorDestino::Pendiente() {
  if (!pendiente_) throw std::logic_error("cursor " + nombre_ + " has no pending row");
  return *pendiente_;
}

std::size_t CursorDestino::Posicion(std::string_view nombre) const {
  for (std::size_t i = 0; i < columnas_.size(); ++i)
    if (columnas_[i].field == nombre) return i;
  throw std::runtime_error("column " + std::string(nombre) + " is not in " + tabla_);
}

void CursorDestino::Asignar(std::size_t posicion, fb::Value valor) {
  Pendiente().at(posicion) = std::move(valor);
}

void CursorDestino::Borrar() {
  pendiente_.reset();
  editando_.reset();
  if (!abierto_ || Eof()) throw RechazoCursor{RechazoCursor::Motivo::Otro, {}};
  cambios_.push_back({Tipo::Baja, filas_[actual_], {}});
  filas_.erase(filas_.begin() + static_cast<std::ptrdiff_t>(actual_));
}

const std::vector<std::size_t>& CursorDestino::PosicionesClave() {
  if (!posicionesClave_) {
    posicionesClave_.emplace();
    for (const auto& columna : destino_.ClavePrimaria(tabla_)) {
      const auto it = std::find_if(columnas_.begin(), columnas_.end(), [&](const fb::Column& c) {
        return c.field == columna && c.relation == tabla_;
      });
      if (it == columnas_.end()) {  // the cursor does not hold the whole key
        posicionesClave_->clear();
        break;
      }
      posicionesClave_->push_back(static_cast<std::size_t>(it - columnas_.begin()));
    }
  }
  return *posicionesClave_;
}

void CursorDestino::VerificarClave(const fb::Row& fila, std::optional<std::size_t> propia) {
  const auto& posiciones = PosicionesClave();
  if (posiciones.empty()) return;
  for (std::size_t i = 0; i < filas_.size(); ++i) {
    if (propia && *propia == i) continue;
    const bool repetida = std::all_of(posiciones.begin(), posiciones.end(), [&](std::size_t p) {
      return MismoValor(filas_[i][p], fila[p]);
    });
    if (repetida)
      throw RechazoCursor{RechazoCursor::Motivo::ClaveRepetida, destino_.ClavePrimaria(tabla_)};
  }
}

void CursorDestino::Publicar() {
  if (!pendiente_) return;
  std::vector<std::string> vacias;
  for (std::size_t i = 0; i < columnas_.size(); ++i)
    if (!columnas_[i].nullable && (*pendiente_)[i].isNull()) vacias.push_back(columnas_[i].name);
  if (!vacias.empty()) throw RechazoCursor{RechazoCursor::Motivo::CamposObligatorios, vacias};
  VerificarClave(*pendiente_, editando_);

  if (editando_) {
    cambios_.push_back({Tipo::Edicion, filas_[*editando_], *pendiente_});
    filas_[*editando_] = std::move(*pendiente_);
  } else {
    cambios_.push_back({Tipo::Alta, {}, *pendiente_});
    filas_.push_back(std::move(*pendiente_));
    actual_ = filas_.size() - 1;
  }
  pendiente_.reset();
  editando_.reset();
}

std::optional<std::string> CursorDestino::Aplicar() {
  falloPorBloqueo_ = false;
  Publicar();
  if (cambios_.empty()) return std::nullopt;

  auto identificacion = [&](const fb::Row& original, fb::Row& parametros) {
    std::string where;
    for (std::size_t i : propias_) {
      if (columnas_[i].isBlob()) continue;  // long text and blobs take no part
      where += where.empty() ? " WHERE " : " AND ";
      if (original[i].isNull()) {
        where += CitarNombre(columnas_[i].field) + " IS NULL";
      } else {
        where += CitarNombre(columnas_[i].field) + " = ?";
        parametros.push_back(original[i]);
      }
    }
    return where;
  };

  Destino::Escritura escritura(destino_);
  try {
    for (const auto& cambio : cambios_) {
      std::string sentencia;
      fb::Row parametros;
      if (cambio.tipo == Tipo::Alta) {
        std::string nombres, marcas;
        for (std::size_t i : propias_) {
          nombres += (nombres.empty() ? "" : ", ") + CitarNombre(columnas_[i].field);
          marcas += marcas.empty() ? "?" : ", ?";
          parametros.push_back(cambio.valores[i]);
        }
        sentencia = "INSERT INTO " + CitarNombre(tabla_) + " (" + nombres + ") VALUES (" + marcas + ")";
        escritura.Ejecutar(sentencia, parametros);
        continue;
      }
      if (cambio.tipo == Tipo::Edicion) {
        std::string asignaciones;
        for (std::size_t i : propias_) {
          if (MismoValor(cambio.original[i], cambio.valores[i], true)) continue;
          asignaciones += (asignaciones.empty() ? "" : ", ") + CitarNombre(columnas_[i].field) + " = ?";
          parametros.push_back(cambio.valores[i]);
        }
        if (asignaciones.empty()) continue;  // nothing changed: nothing to write
        sentencia = "UPDATE " + CitarNombre(tabla_) + " SET " + asignaciones;
      } else {
        sentencia = "DELETE FROM " + CitarNombre(tabla_);
      }
      sentencia += identificacion(cambio.original, parametros);
      const auto afectadas = escritura.Ejecutar(sentencia, parametros);
      if (afectadas == 0) throw FilaNoIdentificada("Record not found or changed by another user");
      if (afectadas > 1) throw FilaNoIdentificada("Update affected more than 1 record.");
    }
    escritura.Confirmar();
  } catch (const fb::Error& e) {
    // Only what the destination refuses is a failed write; anything else is
    // a fault of the program and ends the run.
    escritura.Deshacer();
    falloPorBloqueo_ = e.sqlState() == "40001";
    return std::string(e.what());
  } catch (const FilaNoIdentificada& e) {
    escritura.Deshacer();
    return std::string(e.what());
  }
  cambios_.clear();
  return std::nullopt;
}

}  // namespace norvane
