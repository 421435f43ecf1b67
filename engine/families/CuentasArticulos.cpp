#include "engine/families/CuentasArticulos.h"

#include "engine/ContextoEnvio.h"
#include "engine/Despacho.h"
#include "engine/TextoSql.h"

namespace norvane {

namespace {

// An article's update copies every value unchanged: no fixed-point rule.
constexpr DescriptorMaestro kMaestros[] = {
    {.tidoCod = 100,
     .seleccionOrigen = "select * from cuentas where cuen_cod = ",
     .seleccionDestino = "SELECT * FROM CUENTAS WHERE CUEN_COD = "},
    {.tidoCod = 101,
     .seleccionOrigen = "select * from articulo where arti_cod = ",
     .seleccionDestino = "SELECT * FROM ARTICULO WHERE ARTI_COD = ",
     .reglaEnEdicion = false},
};

// The prices keep their list first: their second key is position 0.
constexpr SubtablaArticulo kSubtablas[] = {
    {.tidoCod = 124,
     .borrado = "DELETE from unidad_articulo where arti_cod = ",
     .seleccionOrigen = "select * from unidad_articulo where arti_cod = ",
     .seleccionDestino = "SELECT * from UNIDAD_ARTICULO where arti_cod = ",
     .segunda = SegundaClave{.clausula = " AND UNAR_UNIDAD = ", .posicion = 1}},
    {.tidoCod = 125,
     .borrado = "DELETE from BARRAS_ARTICULO where arti_cod = ",
     .seleccionOrigen = "select * from barras_articulo where arti_cod = ",
     .seleccionDestino = "SELECT * from BARRAS_ARTICULO where arti_cod = ",
     .segunda = SegundaClave{.clausula = " AND COBA_COD = ", .posicion = 1}},
    {.tidoCod = 126,
     .borrado = "DELETE from PRECIOS_ARTICULO where arti_cod = ",
     .seleccionOrigen = "select * from PRECIOS_ARTICULO where arti_cod = ",
     .seleccionDestino = "SELECT * from PRECIOS_ARTICULO where arti_cod = ",
     .segunda = SegundaClave{.clausula = " AND LIPR_COD = ", .posicion = 0}},
    {.tidoCod = 127,
     .seleccionOrigen = "select * from contabil_articulo where arti_cod = ",
     .seleccionDestino = "SELECT * from CONTABIL_ARTICULO where arti_cod = "},
    {.tidoCod = 128,
     .borrado = "DELETE from articulos_producto where arti_cod = ",
     .seleccionOrigen = "select * from articulos_producto where arti_cod = ",
     .seleccionDestino = "SELECT * from ARTICULOS_PRODUCTO where arti_cod = ",
     .segunda = SegundaClave{.clausula = " AND ARPR_ITEM = ", .posicion = 1, .citada = false}},
};

}  // namespace

std::span<const DescriptorMaestro> DescriptoresCuentasArticulos() { return kMaestros; }
std::span<const SubtablaArticulo> SubtablasArticulo() { return kSubtablas; }

void CopiarSubtablaArticulo(ContextoEnvio& c, const SubtablaArticulo& s) {
  const std::string articulo = Citar(c.AUDI_COD());
  // Only the delete makes the destination equal to the origin; offline the
  // transfer file only gathers rows.
  const bool reponer = s.borrado && c.banderas.EnLinea && c.AUDI_OPER() == "D";
  if (reponer) c.EjecutarDestino(s.borrado + articulo);

  // Every write is tried; the row fails when any of them failed, not only
  // the last one.
  bool fallo = false;
  bool actualizada = false;
  int escritas = 0;
  c.QCopia.Abrir(s.seleccionOrigen + articulo);
  for (c.QCopia.Primero(); !c.QCopia.Eof(); c.QCopia.Siguiente()) {
    std::string busqueda = s.seleccionDestino + articulo;
    if (s.segunda) {
      const fb::Value& valor = c.QCopia.Fila().at(static_cast<std::size_t>(s.segunda->posicion));
      busqueda += s.segunda->clausula;
      busqueda += s.segunda->citada ? Citar(valor.toString()) : valor.toString();
    }
    const ResultadoMaestro escrita = EscribirMaestro(c, c.QCopia, busqueda);
    fallo = escrita.fallo || fallo;
    actualizada = escrita.enDestino || actualizada;
    ++escritas;
  }
  c.QCopia.Cerrar();
  c.fila.HuboError = fallo;
  // A restore counts the rows it inserted again, none included; otherwise the
  // article's rows are new, or some of them were there and were updated.
  if (reponer) {
    c.fila.decision = Decision::Reponer;
    c.fila.filasRepuestas = escritas;
  } else if (escritas == 0) {
    c.fila.decision = Decision::AusenteEnOrigen;
  } else {
    c.fila.decision = actualizada ? Decision::Actualizar : Decision::Nuevo;
  }
}

DocumentoVerificado VerificarSubtablaArticulo(LadosVerificacion& l, const SubtablaArticulo& s,
                                              const fb::Row& a) {
  using Estado = EstadoVerificacion;
  const std::string articulo = Citar(a.at(auditoria::AUDI_COD).toString());
  const Consulta origen = Leer(l.origen, s.seleccionOrigen + articulo);
  if (origen.filas.empty()) {
    // Online, a "D" row empties the article's rows first: none may be left.
    if (s.borrado && a.at(auditoria::AUDI_OPER).toString() == "D")
      return VerificarAusencia(l, s.seleccionDestino + articulo);
    return Verificado(Estado::SinCopia, {"sin filas en origen"});
  }
  if (!s.segunda) {
    // Every origin row is written over the one row the article finds: the
    // destination holds the last.
    const Consulta destino = Leer(l.destino, s.seleccionDestino + articulo);
    if (destino.filas.empty()) return Verificado(Estado::AusenteEnDestino);
    return PorDiferencias(ColumnasDistintas(origen.filas.back(), destino.filas[0], destino.columnas,
                                            {}, false, Regla::PuntoFijo));
  }
  std::vector<std::string> detalle;
  std::size_t ausentes = 0;
  for (const fb::Row& fila : origen.filas) {
    const fb::Value& valor = fila.at(static_cast<std::size_t>(s.segunda->posicion));
    const std::string select = s.seleccionDestino + articulo + s.segunda->clausula +
                               (s.segunda->citada ? Citar(valor.toString()) : valor.toString());
    const Consulta destino = Leer(l.destino, select);
    const std::string etiqueta = NombreTabla(destino, select) + " " + valor.toString();
    if (destino.filas.empty()) {
      ++ausentes;
      detalle.push_back(etiqueta + ": ausente en destino");
      continue;
    }
    const auto distintas =
        ColumnasDistintas(fila, destino.filas[0], destino.columnas, {}, false, Regla::PuntoFijo);
    if (!distintas.empty()) detalle.push_back(etiqueta + ": " + UnirColumnas(distintas));
  }
  if (ausentes == origen.filas.size()) return Verificado(Estado::AusenteEnDestino);
  return PorDiferencias(std::move(detalle));
}

void RegistrarCuentasArticulos(Despacho& despacho) {
  for (const auto& d : kMaestros)
    despacho.Registrar({d.tidoCod}, [&d](ContextoEnvio& c) { EnviarMaestro(c, d); });
  for (const auto& s : kSubtablas)
    despacho.Registrar({s.tidoCod}, [&s](ContextoEnvio& c) { CopiarSubtablaArticulo(c, s); });
}

}  // namespace norvane
