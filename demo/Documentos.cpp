#include "demo/Documentos.h"

#include <algorithm>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "demo/Familias.h"
#include "demo/Muestra.h"
#include "demo/Nombres.h"
#include "demo/Textos.h"

namespace norvane::demo {

namespace {

namespace n = nombres;

// What happens to a document after it is created, and whether the
// destination already holds it (received in an earlier transfer).
enum class Papel {
  Nuevo,       // created; the destination does not have it
  Modificado,  // created, changed later; the destination has the first version
  Anulado,     // created, voided later; the destination has it still valid
  Eliminado,   // deleted at the origin; only its deletion is audited
  Existente,   // created; the destination has it already
};

// The roles in turn, so that any ten documents of a family hold them all.
constexpr Papel kCiclo[] = {Papel::Nuevo,    Papel::Modificado, Papel::Nuevo,     Papel::Anulado,
                            Papel::Nuevo,    Papel::Existente,  Papel::Nuevo,     Papel::Eliminado,
                            Papel::Nuevo,    Papel::Nuevo};

bool EnDestino(Papel p) { return p != Papel::Nuevo; }
bool EnOrigen(Papel p) { return p != Papel::Eliminado; }

constexpr int kAbre = 7 * 3600 + 30 * 60;
constexpr int kCierra = 18 * 3600 + 30 * 60;

constexpr const char* kModificaciones[] = {"corrección de cantidades", "cambio en la descripción",
                                           "actualización de precios", "cambio de bodega"};

// A document of the origin that later documents may name.
struct Hecho {
  Referencia referencia;
  Momento momento;
  const Tercero* tercero = nullptr;
  std::vector<Renglon> renglones;
};

// A row of a document and the document it names, if any.
struct FilaDoc {
  Fila fila;
  std::optional<Referencia> referencia;
};

// One document as built, before it is written anywhere.
struct Documento {
  std::int64_t id = 0;
  std::string prefijo;
  std::string numero;
  std::string tico;  // AUDI_TICO
  Momento momento;
  Contexto contexto;
  std::optional<FilaDoc> encabezado;
  std::vector<FilaDoc> lineas;  // of every detail table, table after table
  Hecho hecho;
  std::string Codigo() const { return prefijo + numero; }  // as AUDI_COD holds it
};

// The lines of each detail table while a document is built: plain lines,
// or lines naming other documents.
struct Borrador {
  std::vector<std::vector<Renglon>> lineas;
  std::vector<std::vector<std::pair<Renglon, Referencia>>> nombradas;
};

std::int64_t Centavos(std::int64_t cantidad, std::int64_t unitario) {
  // quantities and unit values are in ten-thousandths
  return cantidad * unitario / 1000000;
}

std::int64_t Porcion(std::int64_t valor, std::int64_t centesimasPorCiento) {
  return valor * centesimasPorCiento / 10000;
}

// Documents that leave a balance in favour of the third party: credit
// lines where an application or a payment names them.
bool AFavor(int tipo) { return tipo == 24 || tipo == 33 || tipo == 42 || tipo == 45 || tipo == 52 || tipo == 55; }

bool Termina(std::string_view nombre, std::string_view sufijo) {
  return nombre.size() >= sufijo.size() && nombre.substr(nombre.size() - sufijo.size()) == sufijo;
}

// Splits `total` into `partes` amounts that add up to it.
std::vector<std::int64_t> Repartir(std::int64_t total, int partes, Azar& azar) {
  std::vector<std::int64_t> v;
  std::int64_t resto = total;
  for (int i = 1; i < partes; ++i) {
    const std::int64_t parte = resto * azar.Entre(30, 60) / 100 / 100 * 100;
    v.push_back(parte);
    resto -= parte;
  }
  v.push_back(resto);
  return v;
}

class Generador {
public:
  explicit Generador(Muestra& m) : m_(m) {}

  void Familia(const FamiliaDocumento& f) {
    Azar azar = m_.AzarPara(100 + static_cast<std::uint64_t>(f.tipo));
    const std::vector<Momento> momentos = Momentos(f, azar);
    const int desplazamiento = azar.Entre(0, 9);
    std::int64_t id = azar.Entre(1000, 9000);
    for (std::size_t i = 0; i < momentos.size(); ++i) {
      const Papel papel = kCiclo[(i + static_cast<std::size_t>(desplazamiento)) % std::size(kCiclo)];
      Documento d = Armar(f, id++, momentos[i], papel, azar);
      Escribir(f, d, papel, azar);
    }
  }

private:
  // ------------------------------------------------------------ moments

  std::vector<Momento> Momentos(const FamiliaDocumento& f, Azar& azar) {
    const int inicio = DiaDe(kInicioDocumentos) + f.desfase;
    const std::int64_t largo = std::max(1, DiaDe(kFinDocumentos) - inicio + 1);
    const std::int64_t cuantos = m_.documentos;
    std::vector<Momento> v;
    for (std::int64_t i = 0; i < cuantos; ++i) {
      int dia = inicio + static_cast<int>((i * largo + azar.Entre(std::int64_t{0}, largo - 1)) / cuantos);
      if (DiaDeLaSemana(dia) == 0) ++dia;  // nobody works on Sundays
      v.push_back({dia, azar.Entre(kAbre, kCierra)});
    }
    std::sort(v.begin(), v.end());
    Momento anterior{0, 0};
    for (Momento& mo : v) {
      mo = m_.auditoria.Reservar(std::max(mo, Momento{anterior.dia, anterior.segundo + 1}));
      anterior = mo;
    }
    return v;
  }

  Momento Despues(const Momento& mo, Azar& azar) {
    return m_.auditoria.Reservar({mo.dia + azar.Entre(1, 6), azar.Entre(kAbre, kCierra)});
  }

  // ------------------------------------------------------------ numbering

  std::string Numero(const std::string& serie, int digitos, Azar& azar) {
    auto it = numeros_.find(serie);
    if (it == numeros_.end()) {
      const std::int64_t primero = digitos == 8 ? azar.Entre(10000, 20000) : azar.Entre(1, 900);
      it = numeros_.emplace(serie, primero).first;
    }
    return ConCeros(it->second++, static_cast<std::size_t>(digitos));
  }

  // Prefix, number, AUDI_TICO and bank accounts of a new document.
  void Numerar(const FamiliaDocumento& f, Documento& d, Azar& azar) {
    Contexto& c = d.contexto;
    switch (f.numeracion) {
      case Numeracion::Prefijo:
        d.prefijo = f.prefijo;
        d.numero = Numero(d.prefijo, f.digitos, azar);
        break;
      case Numeracion::Comprobante: {
        const auto& tipo = azar.Elegir(n::TiposComprobante());
        d.prefijo = tipo.prefijo;
        d.tico = tipo.codigo;
        d.numero = Numero(d.tico, f.digitos, azar);
        break;
      }
      case Numeracion::Bancaria: {
        const auto cuentas = n::CuentasBancarias();
        const std::size_t k = azar.Indice(cuentas.size());
        c.cuentaBancaria = cuentas[k].codigo;
        c.cuentaBancariaDestino = cuentas[(k + 1) % cuentas.size()].codigo;
        d.prefijo = f.prefijo;
        d.tico = std::to_string(c.cuentaBancaria);
        d.numero = Numero(d.prefijo + "@" + d.tico, f.digitos, azar);
        break;
      }
    }
  }

  // ----------------------------------------------------------- references

  // A document of one of `tipos` made before `antes`, not among `usados`;
  // of the third party `de` when it is given.
  const Hecho* Elegir(const std::vector<int>& tipos, Momento antes, const Tercero* de,
                      const std::set<std::pair<int, std::int64_t>>& usados, Azar& azar) const {
    std::vector<const Hecho*> candidatos;
    for (const int tipo : tipos) {
      const auto it = hechos_.find(tipo);
      if (it == hechos_.end()) continue;
      for (const Hecho& h : it->second) {
        if (!(h.momento < antes)) break;
        if (de && h.tercero != de) continue;
        if (usados.count({h.referencia.tipo, h.referencia.id})) continue;
        candidatos.push_back(&h);
      }
    }
    return candidatos.empty() ? nullptr : candidatos[azar.Indice(candidatos.size())];
  }

  // The header's reference: the invoice of a return or a note, the receipt
  // or payment voucher of an advance. Some returns and advances name none.
  void ReferenciaEncabezado(const FamiliaDocumento& f, Documento& d, Azar& azar) {
    if (f.referencia == 0) return;
    const bool opcional = f.referencia == 61 || f.referencia == 62 || f.tipo == 24 || f.tipo == 33;
    if (opcional && azar.UnaDe(4)) return;
    const Hecho* h = Elegir({f.referencia}, d.momento, nullptr, {}, azar);
    if (!h) return;
    d.contexto.referencia = h->referencia;
    d.contexto.tercero = h->tercero;
    d.contexto.descripcion += (f.referencia == 61 || f.referencia == 62 ? " - soporte " : " - factura ") +
                              h->referencia.Codigo();
    d.hecho.renglones = h->renglones;  // a return gives back lines of its invoice
  }

  const Tercero* TerceroAlAzar(const std::vector<std::size_t>& indices, Azar& azar) const {
    return &m_.catalogo.terceros[indices[azar.Indice(indices.size())]];
  }

  void ElegirTercero(const FamiliaDocumento& f, Contexto& c, Azar& azar) const {
    if (c.tercero) return;
    switch (f.contraparte) {
      case Contraparte::Cliente: c.tercero = TerceroAlAzar(m_.catalogo.clientes, azar); break;
      case Contraparte::Proveedor: c.tercero = TerceroAlAzar(m_.catalogo.proveedores, azar); break;
      case Contraparte::Cualquiera:
        if (!azar.UnaDe(3)) c.tercero = &m_.catalogo.terceros[azar.Indice(m_.catalogo.terceros.size())];
        break;
      case Contraparte::Ninguna: break;
    }
  }

  // ----------------------------------------------------------------- lines

  Renglon LineaArticulo(const ArticuloDemo& a, std::int64_t cantidad, bool venta, Azar& azar) const {
    Renglon r;
    r.articulo = a.codigo;
    r.nombre = a.nombre;
    r.unidad = a.unidad;
    r.cuenta = venta ? "413595" : "143505";
    r.cantidad = cantidad;
    r.unitario = (venta ? a.precio : a.costo) * 10000;
    r.porcDesc = venta && azar.UnaDe(4) ? 500 : 0;
    r.porcIva = a.porcIva * 100;
    const std::int64_t bruto = Centavos(r.cantidad, r.unitario);
    r.descuento = Porcion(bruto, r.porcDesc);
    r.total = bruto - r.descuento;
    r.iva = Porcion(r.total, r.porcIva);
    return r;
  }

  std::int64_t Cantidad(const ArticuloDemo& a, Azar& azar) const {
    return (a.unidad == "MT" ? azar.Entre(5, 80) : azar.Entre(1, 24)) * 10000;
  }

  std::vector<Renglon> Articulos(const FamiliaDocumento& f, const DetalleFamilia& det, const Documento& d,
                                 Azar& azar) const {
    std::vector<Renglon> v;
    for (const Renglon& original : d.hecho.renglones) {
      // a return: part of the lines of its invoice
      if (static_cast<int>(v.size()) >= det.maximo) break;
      Renglon r = original;
      r.cantidad = std::max<std::int64_t>(10000, original.cantidad / 20000 * 10000);
      const ArticuloDemo* a = BuscarArticulo(r.articulo);
      if (a) v.push_back(LineaArticulo(*a, r.cantidad, f.precioDeVenta, azar));
    }
    if (!v.empty()) return v;
    const auto& articulos = m_.catalogo.articulos;
    const int cuantos = azar.Entre(det.minimo, det.maximo);
    std::set<std::size_t> elegidos;
    for (int k = 0; k < cuantos; ++k) {
      const std::size_t i = azar.Indice(articulos.size());
      if (!elegidos.insert(i).second) continue;
      v.push_back(LineaArticulo(articulos[i], Cantidad(articulos[i], azar), f.precioDeVenta, azar));
    }
    return v;
  }

  const ArticuloDemo* BuscarArticulo(const std::string& codigo) const {
    for (const auto& a : m_.catalogo.articulos)
      if (a.codigo == codigo) return &a;
    return nullptr;
  }

  // The kit named in the header and the articles it is made of.
  std::vector<Renglon> Componentes(Azar& azar) {
    std::vector<const ArticuloDemo*> kits;
    for (const auto& a : m_.catalogo.articulos)
      if (!a.componentes.empty()) kits.push_back(&a);
    const ArticuloDemo& kit = *kits[azar.Indice(kits.size())];
    const std::int64_t cantidad = azar.Entre(1, 12) * 10000;
    kit_ = {kit.codigo, cantidad};
    std::vector<Renglon> v;
    for (const std::size_t k : kit.componentes)
      v.push_back(LineaArticulo(m_.catalogo.articulos[k], cantidad, false, azar));
    return v;
  }

  // Lines naming other documents; the first one chosen sets the third party
  // when the document has none yet, the others are of the same one.
  std::vector<std::pair<Renglon, Referencia>> Documentos(const DetalleFamilia& det, Documento& d, bool propios,
                                                         Azar& azar) const {
    std::vector<std::pair<Renglon, Referencia>> v;
    std::set<std::pair<int, std::int64_t>> usados;
    const int cuantos = azar.Entre(det.minimo, det.maximo);
    const Tercero* de = propios ? d.contexto.tercero : nullptr;
    for (int k = 0; k < cuantos; ++k) {
      const Hecho* h = Elegir(det.tipos, d.momento, de, usados, azar);
      if (!h) break;
      usados.insert({h->referencia.tipo, h->referencia.id});
      if (propios && !d.contexto.tercero) d.contexto.tercero = h->tercero;
      if (propios) de = h->tercero;
      Renglon r;
      r.total = h->referencia.valor * azar.Entre(40, 100) / 100;
      if (AFavor(h->referencia.tipo)) r.credito = r.total;
      v.emplace_back(r, h->referencia);
    }
    return v;
  }

  std::vector<Renglon> Medios(const DetalleFamilia& det, std::int64_t total, Azar& azar) const {
    std::vector<Renglon> v;
    const int cuantos = azar.Entre(det.minimo, det.maximo);
    if (cuantos == 0) return v;
    for (const std::int64_t parte : Repartir(total, cuantos, azar)) {
      Renglon r;
      r.total = parte;
      v.push_back(r);
    }
    return v;
  }

  // Balanced entries: debits on some accounts, one credit for the total.
  std::vector<Renglon> Contables(const DetalleFamilia& det, std::int64_t total, bool pago, Azar& azar) const {
    std::vector<Renglon> v;
    std::vector<std::string> gastos;
    for (const auto& c : m_.catalogo.cuentasAuxiliares)
      if (c[0] == '5' || c.compare(0, 2, "14") == 0 || c.compare(0, 2, "15") == 0) gastos.push_back(c);
    const int debitos = std::max(1, azar.Entre(det.minimo, det.maximo) - 1);
    for (const std::int64_t parte : Repartir(total, debitos, azar)) {
      Renglon r;
      r.cuenta = pago ? "220505" : gastos[azar.Indice(gastos.size())];
      r.debito = parte;
      v.push_back(r);
    }
    Renglon credito;
    credito.cuenta = pago ? "111005" : "220505";
    credito.credito = total;
    v.push_back(credito);
    return v;
  }

  // ---------------------------------------------------------------- totals

  Montos MontosDeArticulos(const FamiliaDocumento& f, const std::vector<Renglon>& lineas) const {
    Montos mo;
    for (const Renglon& r : lineas) {
      mo.subtotal += r.total + r.descuento;
      mo.descuento += r.descuento;
      mo.iva += r.iva;
      const ArticuloDemo* a = BuscarArticulo(r.articulo);
      mo.costo += a ? Centavos(r.cantidad, a->costo * 10000) : 0;
    }
    mo.total = mo.subtotal - mo.descuento + mo.iva;
    const std::int64_t base = mo.subtotal - mo.descuento;
    if (f.contraparte != Contraparte::Ninguna && base >= 100000000) {
      mo.retefuente = Porcion(base, 250);
      mo.reteica = base * 966 / 100000;
    }
    return mo;
  }

  Montos MontosAlAzar(const FamiliaDocumento& f, Azar& azar) const {
    const std::int64_t minimo = f.montoMaximo > 0 ? f.montoMinimo : 100000;
    const std::int64_t maximo = f.montoMaximo > 0 ? f.montoMaximo : 1000000;
    Montos mo;
    mo.total = azar.Entre(minimo / 100, maximo / 100) * 100 * 100;
    mo.subtotal = mo.total;
    if (f.tipo >= 41 && f.tipo <= 52) {
      mo.subtotal = mo.total * 100 / 119;
      mo.iva = mo.total - mo.subtotal;
    }
    return mo;
  }

  // ---------------------------------------------------------------- rows

  Fila Encabezado(const FamiliaDocumento& f, const Documento& d) {
    Fila e(m_.origen[f.encabezado]);
    e.PonerEn(0, d.id);
    e.Poner(f.columnaPrefijo, d.prefijo).Poner(f.columnaNumero, d.numero);
    if (f.numeracion == Numeracion::Comprobante) e.Poner("TICO_COD", d.tico);
    if (f.numeracion == Numeracion::Bancaria) e.Poner("CUBA_COD", d.contexto.cuentaBancaria);
    if (!kit_.first.empty()) {
      e.Poner("ARTI_COD", kit_.first);
      for (std::size_t p = 0; p < e.tabla().columnas().size(); ++p)
        if (Termina(e.tabla().columnas()[p].field, "_CANTIDAD")) e.PonerEn(p, fb::Decimal{kit_.second, -4});
    }
    return e;
  }

  void AgregarLinea(Documento& d, const char* tabla, Renglon r, int item, std::optional<Referencia> ref,
                    Azar& azar) {
    r.item = item;
    Contexto c = d.contexto;
    c.renglon = &r;
    c.referencia = ref;
    Fila fila(m_.origen[tabla]);
    fila.PonerEn(0, d.id);
    m_.rellenador.Rellenar(fila, c, azar);
    d.lineas.push_back({std::move(fila), std::move(ref)});
  }

  void AgregarLineas(Documento& d, const char* tabla, const std::vector<Renglon>& lineas, Azar& azar) {
    int item = 0;
    for (const Renglon& r : lineas) AgregarLinea(d, tabla, r, ++item, std::nullopt, azar);
  }

  // The lines that give the header its total: articles and named documents.
  Borrador LineasQueDanElTotal(const FamiliaDocumento& f, Documento& d, Azar& azar) {
    Borrador b{std::vector<std::vector<Renglon>>(f.detalles.size()),
               std::vector<std::vector<std::pair<Renglon, Referencia>>>(f.detalles.size())};
    for (std::size_t k = 0; k < f.detalles.size(); ++k) {
      const DetalleFamilia& det = f.detalles[k];
      switch (det.renglones) {
        case Renglones::Articulos: b.lineas[k] = Articulos(f, det, d, azar); break;
        case Renglones::Componentes: b.lineas[k] = Componentes(azar); break;
        case Renglones::DocumentosCliente:
        case Renglones::DocumentosProveedor: {
          // a client document names client documents as its own; the others
          // (crossed documents) may be of anybody
          const bool propios = (det.renglones == Renglones::DocumentosCliente) ==
                               (f.contraparte == Contraparte::Cliente);
          b.nombradas[k] = Documentos(det, d, propios, azar);
          break;
        }
        case Renglones::Contables:
        case Renglones::Medios: break;
      }
    }
    return b;
  }

  // The header's totals: from the first detail table when it gives them.
  Montos Totales(const FamiliaDocumento& f, const Borrador& b, Azar& azar) const {
    if (!b.lineas.empty() && !b.lineas[0].empty()) return MontosDeArticulos(f, b.lineas[0]);
    if (!b.nombradas.empty() && !b.nombradas[0].empty()) {
      Montos mo;
      for (const auto& [r, ref] : b.nombradas[0]) mo.total += r.total;
      mo.subtotal = mo.total;
      return mo;
    }
    return MontosAlAzar(f, azar);
  }

  // Every line, table after table; payments and entries split the total.
  void Lineas(const FamiliaDocumento& f, Documento& d, Azar& azar) {
    Borrador b = LineasQueDanElTotal(f, d, azar);
    ElegirTercero(f, d.contexto, azar);
    d.contexto.montos = Totales(f, b, azar);
    const std::int64_t total = d.contexto.montos.total;
    for (std::size_t k = 0; k < f.detalles.size(); ++k) {
      const DetalleFamilia& det = f.detalles[k];
      if (det.renglones == Renglones::Medios) b.lineas[k] = Medios(det, total, azar);
      if (det.renglones == Renglones::Contables) b.lineas[k] = Contables(det, total, f.tipo != 1, azar);
      int item = 0;
      for (auto& [r, ref] : b.nombradas[k]) AgregarLinea(d, det.tabla, r, ++item, ref, azar);
      AgregarLineas(d, det.tabla, b.lineas[k], azar);
    }
    if (!f.detalles.empty() && f.detalles.front().renglones == Renglones::Articulos) d.hecho.renglones = b.lineas[0];
  }

  void ContextoInicial(const FamiliaDocumento& f, Documento& d, Azar& azar) const {
    Contexto& c = d.contexto;
    c.catalogo = &m_.catalogo;
    c.momento = d.momento;
    c.usuario = f.usuario;
    c.concepto = f.concepto;
    c.descripcion = f.descripciones[azar.Indice(f.descripciones.size())];
    // sales returns come back to the returns warehouse, the last one
    const auto bodegas = n::Bodegas();
    const std::size_t b = azar.Indice(bodegas.size() - 1);
    c.bodega = f.tipo == 33 ? bodegas.back().codigo : bodegas[b].codigo;
    c.bodegaDestino = bodegas[(b + 1) % (bodegas.size() - 1)].codigo;
    c.plazo = (f.tipo == 21 || f.tipo == 31) && azar.UnaDe(2) ? 30 : 0;
  }

  Documento Armar(const FamiliaDocumento& f, std::int64_t id, Momento momento, Papel papel, Azar& azar) {
    Documento d;
    d.id = id;
    d.momento = momento;
    kit_ = {};
    ContextoInicial(f, d, azar);
    d.contexto.anulado = papel == Papel::Anulado;
    Numerar(f, d, azar);
    ReferenciaEncabezado(f, d, azar);
    Lineas(f, d, azar);
    Fila e = Encabezado(f, d);
    m_.rellenador.Rellenar(e, d.contexto, azar);
    d.encabezado = FilaDoc{std::move(e), d.contexto.referencia};
    d.hecho.referencia = {f.tipo, id, d.prefijo, d.numero, d.contexto.montos.total};
    d.hecho.momento = momento;
    d.hecho.tercero = d.contexto.tercero;
    return d;
  }

  // --------------------------------------------------------------- writing

  std::int64_t IdDestino(const std::string& tabla, Azar& azar) {
    auto it = idsDestino_.find(tabla);
    if (it == idsDestino_.end()) it = idsDestino_.emplace(tabla, azar.Entre(100, 900)).first;
    return it->second++;
  }

  // The destination's copy: its own identifier, references to its own
  // copies of the named documents, not yet voided; a changed document lacks
  // the last line of each table that the change added.
  void CopiarEnDestino(const FamiliaDocumento& f, const Documento& d, Papel papel, Azar& azar) {
    const std::int64_t id = IdDestino(f.encabezado, azar);
    enDestino_[{f.tipo, d.id}] = id;
    Fila encabezado = d.encabezado->fila;
    encabezado.PonerEn(0, id);
    Retraducir(encabezado, d.encabezado->referencia);
    Vigente(encabezado);
    m_.destino.Insertar(encabezado);
    std::map<std::string, int> lineas;
    for (const FilaDoc& l : d.lineas) ++lineas[l.fila.tabla().nombre()];
    std::map<std::string, int> vistas;
    for (const FilaDoc& l : d.lineas) {
      const std::string& tabla = l.fila.tabla().nombre();
      if (papel == Papel::Modificado && lineas[tabla] > 1 && ++vistas[tabla] == lineas[tabla]) continue;
      Fila copia = l.fila;
      copia.PonerEn(0, id);
      Retraducir(copia, l.referencia);
      m_.destino.Insertar(copia);
    }
  }

  static void Vigente(Fila& encabezado) {
    const auto& columnas = encabezado.tabla().columnas();
    for (std::size_t p = 0; p < columnas.size(); ++p)
      if (Termina(columnas[p].field, "_ANULADO")) encabezado.PonerEn(p, "N");
  }

  void Retraducir(Fila& copia, const std::optional<Referencia>& ref) const {
    if (!ref) return;
    const auto it = enDestino_.find({ref->tipo, ref->id});
    const std::int64_t id = it == enDestino_.end() ? 0 : it->second;
    for (std::size_t p = 0; p < copia.tabla().columnas().size(); ++p) {
      const std::string& nombre = copia.tabla().columnas()[p].field;
      for (const char* sufijo : {"_IDFACTURA", "_IDRECIBO", "_IDEGRESO", "_IDDOC"})
        if (Termina(nombre, sufijo) && !copia.valores()[p].isNull()) copia.PonerEn(p, id);
    }
  }

  void Auditar(const FamiliaDocumento& f, const Documento& d, Momento mo, const char* operacion,
               std::string razon) {
    m_.auditoria.Anotar({mo, f.usuario, f.tipo, d.id, operacion, d.Codigo(), d.tico, std::move(razon)});
  }

  void AuditarPapel(const FamiliaDocumento& f, const Documento& d, Papel papel, Azar& azar) {
    const std::string motivo = azar.Elegir(n::Motivos());
    if (papel != Papel::Eliminado) Auditar(f, d, d.momento, "N", "Creación del documento");
    if (papel == Papel::Modificado)
      Auditar(f, d, Despues(d.momento, azar), "M",
              std::string("Modificación: ") + kModificaciones[azar.Indice(std::size(kModificaciones))]);
    if (papel == Papel::Anulado) Auditar(f, d, Despues(d.momento, azar), "A", "Anulación: " + motivo);
    if (papel == Papel::Eliminado) Auditar(f, d, Despues(d.momento, azar), "D", "Eliminación: " + motivo);
  }

  void Escribir(const FamiliaDocumento& f, Documento& d, Papel papel, Azar& azar) {
    if (EnOrigen(papel)) {
      m_.origen.Insertar(d.encabezado->fila);
      for (const FilaDoc& l : d.lineas) m_.origen.Insertar(l.fila);
    }
    if (EnDestino(papel)) CopiarEnDestino(f, d, papel, azar);
    AuditarPapel(f, d, papel, azar);
    if (EnOrigen(papel) && papel != Papel::Anulado) hechos_[f.tipo].push_back(std::move(d.hecho));
  }

  Muestra& m_;
  std::map<int, std::vector<Hecho>> hechos_;                        // by TIDO_COD, in time order
  std::map<std::pair<int, std::int64_t>, std::int64_t> enDestino_;  // origin document -> destination id
  std::map<std::string, std::int64_t> numeros_;                     // next number of each series
  std::map<std::string, std::int64_t> idsDestino_;                  // next destination id of each table
  std::pair<std::string, std::int64_t> kit_;                        // the kit of the document being built
};

}  // namespace

void LlenarDocumentos(Muestra& muestra) {
  Generador g(muestra);
  for (const FamiliaDocumento& f : FamiliasDocumento()) g.Familia(f);
}

}  // namespace norvane::demo
