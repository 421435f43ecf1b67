#include "tests/demo/ConsultaDemo.h"

#include "fb/Catalog.h"
#include "fb/Transaction.h"

namespace norvane::test {

std::vector<fb::Row> Filas(fb::Attachment& db, std::string_view sql, const fb::Row& parametros) {
  fb::Transaction t(db);
  auto filas = t.query(sql, parametros);
  t.commit();
  return filas;
}

fb::Value Escalar(fb::Attachment& db, std::string_view sql, const fb::Row& parametros) {
  const auto filas = Filas(db, sql, parametros);
  return filas.empty() ? fb::Value() : filas.front().at(0);
}

std::int64_t Contar(fb::Attachment& db, std::string_view sql, const fb::Row& parametros) {
  return Escalar(db, sql, parametros).asInteger();
}

std::vector<std::string> Tablas(fb::Attachment& db) {
  std::vector<std::string> tablas;
  for (const auto& f : Filas(db,
                             "select trim(rdb$relation_name) from rdb$relations "
                             "where coalesce(rdb$system_flag, 0) = 0 and rdb$view_blr is null "
                             "order by rdb$relation_name"))
    tablas.push_back(f.at(0).asText());
  return tablas;
}

std::vector<std::string> Estructura(fb::Attachment& db) {
  std::vector<std::string> lineas;
  for (const auto& f : Filas(db,
                             "select trim(rf.rdb$relation_name), rf.rdb$field_position, "
                             "trim(rf.rdb$field_name), f.rdb$field_type, f.rdb$field_sub_type, "
                             "f.rdb$field_scale, f.rdb$field_length, coalesce(rf.rdb$null_flag, 0) "
                             "from rdb$relation_fields rf "
                             "join rdb$fields f on f.rdb$field_name = rf.rdb$field_source "
                             "join rdb$relations r on r.rdb$relation_name = rf.rdb$relation_name "
                             "where coalesce(r.rdb$system_flag, 0) = 0 and r.rdb$view_blr is null "
                             "order by 1, 2")) {
    std::string linea;
    for (const auto& v : f) linea += v.toString() + "|";
    lineas.push_back(linea);
  }
  return lineas;
}

namespace {

// FNV-1a, 64 bits.
void Mezclar(std::uint64_t& h, std::string_view bytes) {
  for (const unsigned char c : bytes) {
    h ^= c;
    h *= 1099511628211ULL;
  }
}

}  // namespace

std::uint64_t Huella(fb::Attachment& db) {
  std::uint64_t h = 14695981039346656037ULL;
  for (const auto& tabla : Tablas(db)) {
    fb::Transaction t(db);
    std::string orden;
    for (const auto& c : fb::primaryKey(t, tabla)) orden += (orden.empty() ? " order by " : ", ") + c;
    Mezclar(h, tabla + "\n");
    for (const auto& fila : t.query("select * from " + tabla + orden)) {
      for (const auto& v : fila) {
        Mezclar(h, v.isNull() ? std::string("\x01") : v.toString());
        Mezclar(h, "\x1f");
      }
      Mezclar(h, "\x1e");
    }
    t.commit();
  }
  return h;
}

fb::Attachment AbrirBase(const std::filesystem::path& ruta) {
  return fb::Attachment::attach({ruta.string(), "SYSDBA", "", ""});
}

}  // namespace norvane::test
