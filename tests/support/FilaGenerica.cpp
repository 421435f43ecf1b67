#include "tests/support/FilaGenerica.h"

#include <stdexcept>

#include "fb/Statement.h"
#include "fb/Transaction.h"

namespace norvane::test {

fb::Columns Columnas(fb::Attachment& db, const std::string& tabla) {
  fb::Transaction t(db);
  return fb::Statement(t, "select * from " + tabla).columns();
}

fb::Row FilaGenerica(const fb::Columns& columnas, int semilla) {
  fb::Row fila;
  for (std::size_t p = 0; p < columnas.size(); ++p) {
    const auto& c = columnas[p];
    const int n = semilla * 10 + static_cast<int>(p);
    switch (c.type) {
      case fb::SqlType::Short:
      case fb::SqlType::Long:
      case fb::SqlType::Int64:
        if (c.isFixedPoint())
          fila.emplace_back(fb::Decimal{(semilla % 5 + 1) * 137 + static_cast<int>(p), c.scale});
        else
          fila.emplace_back(n % 30000);
        break;
      case fb::SqlType::Float:
      case fb::SqlType::Double: fila.emplace_back(semilla + static_cast<double>(p) / 4); break;
      case fb::SqlType::Text:
      case fb::SqlType::Varying: {
        std::string texto = c.length == 1 ? "N" : "v" + std::to_string(n);
        if (texto.size() > c.length) texto = texto.substr(texto.size() - c.length);
        fila.emplace_back(texto);
        break;
      }
      case fb::SqlType::Date:
        fila.emplace_back(fb::Date{2024, 4, static_cast<unsigned>(1 + n % 28)});
        break;
      case fb::SqlType::Time:
        fila.emplace_back(fb::Time{8, static_cast<unsigned>(p % 60), static_cast<unsigned>(semilla % 60), 0});
        break;
      case fb::SqlType::Timestamp:
        fila.emplace_back(fb::Timestamp{{2024, 4, static_cast<unsigned>(1 + n % 28)}, {9, 30, 0, 0}});
        break;
      case fb::SqlType::Blob: fila.emplace_back(fb::Blob{"nota " + std::to_string(n)}); break;
      case fb::SqlType::Boolean: fila.emplace_back(true); break;
      default: fila.emplace_back(); break;
    }
  }
  return fila;
}

std::size_t PosicionDe(const fb::Columns& columnas, const std::string& nombre) {
  for (std::size_t p = 0; p < columnas.size(); ++p)
    if (columnas[p].field == nombre) return p;
  throw std::runtime_error("no column " + nombre);
}

fb::Row SinImportes(const fb::Columns& columnas, fb::Row fila) {
  for (std::size_t p = 0; p < columnas.size(); ++p)
    if (columnas[p].isFixedPoint() && columnas[p].nullable) fila.at(p) = fb::Value();
  return fila;
}

fb::Row ImportesNulosEnCero(const fb::Columns& columnas, fb::Row fila) {
  for (std::size_t p = 0; p < columnas.size(); ++p)
    if (columnas[p].isFixedPoint() && fila.at(p).isNull()) fila[p] = fb::Decimal{0, columnas[p].scale};
  return fila;
}

void Insertar(fb::Attachment& db, const std::string& tabla, const fb::Row& fila) {
  std::string marcas;
  for (std::size_t i = 0; i < fila.size(); ++i) marcas += i ? ", ?" : "?";
  db.execute("insert into " + tabla + " values (" + marcas + ")", fila);
}

}  // namespace norvane::test
