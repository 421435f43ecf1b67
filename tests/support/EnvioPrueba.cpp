#include "tests/support/EnvioPrueba.h"

#include <algorithm>

#include "engine/families/Familias.h"
#include "fb/Transaction.h"

namespace norvane::test {

EnvioPrueba::EnvioPrueba() { opciones = inst.Firmar(sesion); }

void EnvioPrueba::Marcar(std::initializer_list<int> tipos) {
  for (auto& t : opciones.Ctipodoc)
    t.F_1 = std::find(tipos.begin(), tipos.end(), t.TIDO_COD) != tipos.end() ? "S" : "N";
}

void EnvioPrueba::Auditar(int auditId, int tido, const fb::Value& iddoc, const std::string& oper,
                          const std::string& cod) {
  auto db = inst.Compania("001");
  db.execute(
      "insert into AUDITORIA (AUDI_ID, AUDI_USUARIO, AUDI_FECHA, AUDI_HORA, TIDO_COD, AUDI_IDDOC, "
      "AUDI_OPER, AUDI_COD, AUDI_ENVIO) values (?, 'ANA', '2024/04/01', ?, ?, ?, ?, ?, 'N')",
      {auditId,
       fb::Time{8, static_cast<unsigned>(auditId / 60 % 60), static_cast<unsigned>(auditId % 60), 0},
       tido, iddoc, oper, cod});
}

ResultadoEnvio EnvioPrueba::Ejecutar(std::function<void()> trasConfirmar) {
  Transferencia run(sesion, operador, DespachoCompleto());
  run.trasConfirmarDestino = std::move(trasConfirmar);
  auto r = run.Ejecutar(opciones);
  resumen = run.Resumen();
  return r;
}

fb::Attachment EnvioPrueba::Destino() const {
  return opciones.EnLinea ? inst.Compania("002") : inst.Abrir("datos/002/envio.fdb");
}

fb::Attachment EnvioPrueba::PlantillaEnvio() const { return inst.Abrir("sop/envio.fdb"); }

fb::Attachment EnvioPrueba::DestinoAntes() const {
  return opciones.EnLinea ? inst.Compania("002") : PlantillaEnvio();
}

fb::Attachment EnvioPrueba::Origen() const { return inst.Compania("001"); }

fb::Attachment EnvioPrueba::CompaniaDestino() const { return inst.Compania("002"); }

fb::Attachment EnvioPrueba::ArchivoEnvio() const { return inst.Abrir("datos/002/envio.fdb"); }

std::vector<fb::Row> EnvioPrueba::Consultar(fb::Attachment& db, const std::string& sql,
                                            const fb::Row& parametros) {
  fb::Transaction t(db);
  return t.query(sql, parametros);
}

std::string EnvioPrueba::Envio(int auditId) const {
  auto db = inst.Compania("001");
  const auto filas = Consultar(db, "select AUDI_ENVIO from AUDITORIA where AUDI_ID = ?", {auditId});
  return filas.empty() ? std::string("?") : filas[0][0].asText();
}

std::string EnvioPrueba::Errores() const {
  return TempDir::LeerArchivo(inst.dir() / "ERRORENVIO.TXT");
}

}  // namespace norvane::test
