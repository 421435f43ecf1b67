#include "engine/families/Catalogos.h"

#include "engine/ContextoEnvio.h"
#include "engine/Despacho.h"
#include "engine/TextoSql.h"

namespace norvane {

namespace {

// Collectors and sellers are numbered: their codes go without quotes when
// they are numbers at all.
constexpr DescriptorMaestro kComerciales[] = {
    {.tidoCod = 102,
     .seleccionOrigen = "select * from terceros where terc_nit = ",
     .seleccionDestino = "SELECT * FROM TERCEROS WHERE TERC_NIT = "},
    {.tidoCod = 103,
     .seleccionOrigen = "select * from clientes where terc_nit = ",
     .seleccionDestino = "SELECT * FROM CLIENTES WHERE TERC_NIT = "},
    {.tidoCod = 104,
     .seleccionOrigen = "select * from proveedores where terc_nit = ",
     .seleccionDestino = "SELECT * FROM PROVEEDORES WHERE TERC_NIT = "},
    {.tidoCod = 105,
     .seleccionOrigen = "select * from cobradores where cobr_cod = ",
     .seleccionDestino = "SELECT * FROM COBRADORES WHERE COBR_COD = ",
     .clave = EnteroOCitado},
    {.tidoCod = 106,
     .seleccionOrigen = "select * from vendedores where vend_cod = ",
     .seleccionDestino = "SELECT * FROM VENDEDORES WHERE VEND_COD = ",
     .clave = EnteroOCitado},
};

constexpr const char* kClavesGrupo[] = {" and grin_cod = "};
constexpr const char* kClavesSubgrupo[] = {" and grin_cod = ", " and sgin_cod = "};
constexpr const char* kClavesSubmarca[] = {" and subm_cod = "};

// A family is deleted through the cursor, so a refused delete fails the row;
// the other levels by a statement, whose refusal ends the run.
constexpr Catalogo kCatalogos[] = {
    {.tidoCod = 201,
     .seleccionOrigen = "select * from FAMILIA_INVENTARIO where fain_cod = ",
     .seleccionDestino = "SELECT * from FAMILIA_INVENTARIO where fain_cod = "},
    {.tidoCod = 202,
     .borrado = "delete from GRUPO_INVENTARIO where fain_cod = ",
     .seleccionOrigen = "select * from GRUPO_INVENTARIO where fain_cod = ",
     .seleccionDestino = "SELECT * from GRUPO_INVENTARIO where fain_cod = ",
     .clausulas = kClavesGrupo},
    {.tidoCod = 203,
     .borrado = "delete from SUBGRUPO_INVENTARIO where fain_cod = ",
     .seleccionOrigen = "select * from SUBGRUPO_INVENTARIO where fain_cod = ",
     .seleccionDestino = "SELECT * from SUBGRUPO_INVENTARIO where fain_cod = ",
     .clausulas = kClavesSubgrupo},
    {.tidoCod = 204,
     .borrado = "delete from marcas where marc_cod = ",
     .seleccionOrigen = "select * from marcas where marc_cod = ",
     .seleccionDestino = "SELECT * from MARCAS where marc_cod = "},
    {.tidoCod = 205,
     .borrado = "delete from submarca where marc_cod = ",
     .seleccionOrigen = "select * from submarca where marc_cod = ",
     .seleccionDestino = "SELECT * from SUBMARCA where marc_cod = ",
     .clausulas = kClavesSubmarca},
};

}  // namespace

std::span<const DescriptorMaestro> DescriptoresCatalogosComerciales() { return kComerciales; }
std::span<const Catalogo> Catalogos() { return kCatalogos; }

std::optional<std::string> ColaClave(std::string_view codigo, std::span<const char* const> clausulas) {
  std::string cola;
  std::string_view resto = codigo;
  for (const char* clausula : clausulas) {
    const auto separador = resto.find('|');
    if (separador == std::string_view::npos) return std::nullopt;
    cola += Citar(resto.substr(0, separador)) + clausula;
    resto.remove_prefix(separador + 1);
  }
  return cola + Citar(resto);
}

void CopiarCatalogo(ContextoEnvio& c, const Catalogo& k) {
  // A key without its separators names no row: the audit row is done.
  const auto cola = ColaClave(c.AUDI_COD(), k.clausulas);
  if (!cola) {
    c.fila.decision = Decision::ClaveIncompleta;
    return;
  }
  const std::string destino = k.seleccionDestino + *cola;

  if (c.AUDI_OPER() == "D") {
    if (k.borrado) {
      // The statement deletes whatever the key finds, nothing included.
      c.fila.decision = Decision::Borrar;
      c.EjecutarDestino(k.borrado + *cola);
      return;
    }
    c.AbrirDestino(destino);
    if (c.CDestino.Vacio()) {
      c.fila.decision = Decision::AusenteEnDestino;
    } else {
      c.fila.decision = Decision::Borrar;
      c.CDestino.Borrar();
      c.AplicarDestino();
    }
    c.CDestino.Cerrar();
    return;
  }
  CopiarMaestro(c, k.seleccionOrigen + *cola, destino);
}

DocumentoVerificado VerificarCatalogo(LadosVerificacion& l, const Catalogo& k, const fb::Row& a) {
  const auto cola = ColaClave(a.at(auditoria::AUDI_COD).toString(), k.clausulas);
  if (!cola) return Verificado(EstadoVerificacion::SinCopia, {"clave incompleta"});
  // A "D" row deletes the row online and offline alike.
  if (a.at(auditoria::AUDI_OPER).toString() == "D") return VerificarAusencia(l, k.seleccionDestino + *cola);
  return VerificarFilaMaestra(l, k.seleccionOrigen + *cola, k.seleccionDestino + *cola, Regla::PuntoFijo);
}

void RegistrarCatalogos(Despacho& despacho) {
  for (const auto& d : kComerciales)
    despacho.Registrar({d.tidoCod}, [&d](ContextoEnvio& c) { EnviarMaestro(c, d); });
  for (const auto& k : kCatalogos)
    despacho.Registrar({k.tidoCod}, [&k](ContextoEnvio& c) { CopiarCatalogo(c, k); });
}

}  // namespace norvane
