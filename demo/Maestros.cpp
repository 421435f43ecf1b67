#include "demo/Maestros.h"

#include <cctype>
#include <span>
#include <string>
#include <string_view>

#include "demo/AltaMaestros.h"
#include "demo/Nombres.h"
#include "engine/Sesion.h"
#include "demo/Textos.h"

namespace norvane::demo {

namespace {

namespace n = nombres;

// Completes a row and writes it in both companies.
void EscribirEnAmbas(Muestra& m, Fila& f, const Contexto& c, Azar& azar) {
  m.rellenador.Rellenar(f, c, azar);
  m.origen.Insertar(f);
  m.destino.Insertar(f);
}

// The check digit the tax office adds to a NIT.
char DigitoVerificacion(const std::string& nit) {
  static constexpr int kPesos[] = {3, 7, 13, 17, 19, 23, 29, 37, 41, 43, 47, 53, 59, 67, 71};
  int suma = 0;
  for (std::size_t i = 0; i < nit.size() && i < std::size(kPesos); ++i)
    suma += (nit[nit.size() - 1 - i] - '0') * kPesos[i];
  const int resto = suma % 11;
  return static_cast<char>('0' + (resto > 1 ? 11 - resto : resto));
}

// Lower-case ASCII letters and digits of a name, for e-mail addresses.
std::string Slug(std::string_view texto) {
  static constexpr std::string_view kTildes = "\xA1" "a" "\xA9" "e" "\xAD" "i" "\xB3" "o" "\xBA" "u"
                                              "\xB1" "n" "\x81" "a" "\x89" "e" "\x8D" "i" "\x93" "o"
                                              "\x9A" "u" "\x91" "n" "\xBC" "u";
  std::string s;
  for (std::size_t i = 0; i < texto.size(); ++i) {
    const auto c = static_cast<unsigned char>(texto[i]);
    if (c == 0xC3 && i + 1 < texto.size()) {
      const std::size_t p = kTildes.find(texto[++i]);
      if (p != std::string_view::npos && p % 2 == 0) s += kTildes[p + 1];
    } else if (std::isalnum(c)) {
      s += static_cast<char>(std::tolower(c));
    }
  }
  return s;
}

std::string Direccion(Azar& azar) {
  std::string d = std::string(azar.Elegir(n::Vias())) + " " + std::to_string(azar.Entre(1, 170)) +
                  " # " + std::to_string(azar.Entre(1, 120)) + "-" + std::to_string(azar.Entre(2, 99));
  if (azar.UnaDe(3)) d += ", Oficina " + std::to_string(azar.Entre(1, 9)) + "0" + std::to_string(azar.Entre(1, 9));
  return d;
}

// ------------------------------------------------------------- code tables

// Tables the transfer does not send: both companies keep the same ones.
void TablasDeCodigos(Muestra& m, Azar& azar) {
  const Contexto c = ContextoMaestro(m, {DiaDe(kCreacionMaestros), 7 * 3600}, "");
  for (const auto& b : n::Bodegas()) {
    Fila f(m.origen["BODEGAS"]);
    f.Poner("BODE_COD", b.codigo).Poner("BODE_NOMBRE", b.nombre).Poner("BODE_DIRECCION", Direccion(azar));
    EscribirEnAmbas(m, f, c, azar);
  }
  for (const auto& l : n::ListasPrecios()) {
    Fila f(m.origen["LISTAS_PRECIOS"]);
    f.Poner("LIPR_COD", l.codigo).Poner("LIPR_NOMBRE", l.nombre).Poner("LIPR_INCLUYE_IVA", "N");
    EscribirEnAmbas(m, f, c, azar);
  }
  for (const auto& t : n::TiposComprobante()) {
    Fila f(m.origen["TIPO_COMPROBANTE"]);
    f.Poner("TICO_COD", t.codigo).Poner("TICO_NOMBRE", t.nombre).Poner("TICO_NIIF", "S");
    EscribirEnAmbas(m, f, c, azar);
  }
  for (const auto& cb : n::CuentasBancarias()) {
    Fila f(m.origen["CUENTAS_BANCARIAS"]);
    f.Poner("CUBA_COD", cb.codigo)
        .Poner("CUBA_NOMBRE", cb.nombre)
        .Poner("BANC_COD", cb.banco)
        .Poner("CUBA_NUMERO", cb.numero)
        .Poner("CUBA_TIPO", std::string(1, cb.tipo))
        .Poner("CUEN_COD", cb.cuenta);
    EscribirEnAmbas(m, f, c, azar);
  }
}

void Configuracion(Compania& compania, const char* fechaBloqueo, const char* valorPunto) {
  struct Propiedad {
    const char* modulo;
    const char* categoria;
    const char* propiedad;
    const char* valor;
    const char* descripcion;
  };
  const Propiedad propiedades[] = {
      {"CONTABILIDAD", "GENERAL", "FECHA DE BLOQUEO", fechaBloqueo,
       "No se reciben comprobantes anteriores a esta fecha"},
      {"VENTAS", "PUNTOS", "VALOR POR PUNTO", valorPunto, "Valor de compra que otorga un punto"},
      {"INVENTARIOS", "GENERAL", "BODEGA PRINCIPAL", "01", "Bodega de las entradas por compra"},
  };
  for (const auto& p : propiedades) {
    Fila f(compania["CONFIGURACION"]);
    f.Poner("CONF_MODULO", p.modulo)
        .Poner("CONF_CATEGORIA", p.categoria)
        .Poner("CONF_PROPIEDAD", p.propiedad)
        .Poner("CONF_VALOR", p.valor)
        .Poner("CONF_DESCRIPCION", p.descripcion)
        .Poner("CONF_USUARIO", "CONTADOR")
        .Poner("CONF_FECHA", kCreacionMaestros);
    compania.Insertar(f);
  }
}

// -------------------------------------------------------------- accounts

int Nivel(std::string_view codigo) {
  switch (codigo.size()) {
    case 1: return 1;
    case 2: return 2;
    case 4: return 3;
    default: return 4;
  }
}

// Withholding rate, in ten-thousandths of a percent, of the accounts that
// take a taxable base.
std::int64_t Retencion(std::string_view codigo) {
  if (codigo == "236540") return 25000;
  if (codigo == "236525") return 40000;
  if (codigo == "236701") return 150000;
  if (codigo == "236801") return 9660;
  return 0;
}

void Cuentas(Muestra& m, Reloj& reloj, Azar& azar) {
  std::size_t auxiliar = 0;
  for (const auto& cuenta : n::Cuentas()) {
    const std::string codigo = cuenta.codigo;
    const bool esAuxiliar = codigo.size() == 6;
    const bool conTercero = esAuxiliar && (codigo[0] == '1' || codigo[0] == '2') &&
                            codigo.compare(0, 2, "11") != 0 && codigo.compare(0, 2, "14") != 0;
    const Momento creada = reloj.Siguiente(azar);
    Fila f(m.origen["CUENTAS"]);
    f.Poner("CUEN_COD", codigo)
        .Poner("CUEN_NOMBRE", cuenta.nombre)
        .Poner("CUEN_NIVEL", Nivel(codigo))
        .Poner("CUEN_NATURALEZA", std::string(1, cuenta.naturaleza))
        .Poner("CUEN_AUXILIAR", esAuxiliar ? "S" : "N")
        .Poner("CUEN_TERCERO", conTercero ? "S" : "N")
        .Poner("CUEN_CCOSTO", esAuxiliar && codigo[0] >= '4' ? "S" : "N")
        .Poner("CUEN_BASE", Retencion(codigo) > 0 ? "S" : "N")
        .Poner("CUEN_PORC_RETENCION", fb::Decimal{Retencion(codigo), -4})
        .Poner("CUEN_NIIF", codigo);
    const bool enDestino = !esAuxiliar || EnDestino(auxiliar);
    const bool cambiada = esAuxiliar && auxiliar % 7 == 3;
    m.rellenador.Rellenar(f, ContextoMaestro(m, creada, cuenta.nombre), azar);
    m.origen.Insertar(f);
    const Asunto cambio{100, 0, codigo, "CONTADOR"};
    Auditar(m, creada, cambio, "N", "Creación de la cuenta");
    if (cambiada) {
      // The destination still has the name the account had before.
      Auditar(m, reloj.Cambio(azar), cambio, "M", "Cambio de nombre de la cuenta");
      f.Poner("CUEN_NOMBRE", Mayusculas(cuenta.nombre));
    }
    if (enDestino) m.destino.Insertar(f);
    if (esAuxiliar) {
      m.catalogo.cuentasAuxiliares.push_back(codigo);
      ++auxiliar;
    }
  }
}

// --------------------------------------------------------- third parties

Tercero Empresa(const n::Empresa& e, Azar& azar) {
  Tercero t;
  t.nit = std::to_string(azar.Entre(8, 9)) + Digitos(azar, 8);
  t.nombre = e.razonSocial;
  t.direccion = Direccion(azar);
  t.ciudad = azar.Elegir(n::Ciudades()).codigo;
  return t;
}

Tercero Persona(std::size_t i, Azar& azar) {
  static constexpr const char* kCedulas[] = {"79", "80", "52", "43", "1010", "1020"};
  Tercero t;
  t.nit = azar.Elegir(std::span<const char* const>(kCedulas)) + Digitos(azar, 6);
  t.nombre = std::string(n::NombresDePila()[i]) + " " + azar.Elegir(n::Apellidos()) + " " +
             azar.Elegir(n::Apellidos());
  t.direccion = Direccion(azar);
  t.ciudad = azar.Elegir(n::Ciudades()).codigo;
  return t;
}

std::string Telefono(const std::string& ciudad, Azar& azar) {
  for (const auto& c : n::Ciudades())
    if (ciudad == c.codigo) return std::string(c.indicativo) + " " + Digitos(azar, 7);
  return "601 " + Digitos(azar, 7);
}

// The third parties: the companies of the names table, and as many people;
// customers and suppliers among them, sellers and collectors among the people.
void ElegirTerceros(Catalogo& catalogo, Azar& azar) {
  const auto empresas = n::Empresas();
  for (const auto& e : empresas) catalogo.terceros.push_back(Empresa(e, azar));
  for (std::size_t i = 0; i < n::NombresDePila().size(); ++i) catalogo.terceros.push_back(Persona(i, azar));
  const std::size_t personas = empresas.size();
  for (std::size_t i = 0; i < catalogo.terceros.size(); ++i) {
    Tercero& t = catalogo.terceros[i];
    const bool persona = i >= personas;
    const std::size_t k = persona ? i - personas : i;
    t.cliente = persona ? k < 10 : k < 12;
    t.proveedor = persona ? k < 2 : k >= 8;
    if (t.cliente) catalogo.clientes.push_back(i);
    if (t.proveedor) catalogo.proveedores.push_back(i);
  }
}

void EscribirTercero(Muestra& m, Reloj& reloj, std::size_t i, Azar& azar) {
  const Tercero& t = m.catalogo.terceros[i];
  const bool persona = i >= n::Empresas().size();
  const Momento creado = reloj.Siguiente(azar);
  Fila f(m.origen["TERCEROS"]);
  f.Poner("TERC_NIT", t.nit)
      .Poner("TERC_DV", persona ? fb::Value() : fb::Value(std::string(1, DigitoVerificacion(t.nit))))
      .Poner("TERC_TIPO_ID", persona ? "13" : "31")
      .Poner("TERC_PERSONA", persona ? "N" : "J")
      .Poner("TERC_NOMBRE", t.nombre)
      .Poner("TERC_COMERCIAL", persona ? fb::Value() : fb::Value(n::Empresas()[i].comercial))
      .Poner("TERC_DIRECCION", t.direccion)
      .Poner("CIUD_COD", t.ciudad)
      .Poner("TERC_TELEFONO", Telefono(t.ciudad, azar))
      .Poner("TERC_CELULAR", "3" + std::to_string(azar.Entre(10, 23)) + Digitos(azar, 7))
      .Poner("TERC_EMAIL", persona ? Slug(t.nombre.substr(0, t.nombre.find(' '))) + "." +
                                         Slug(t.nombre.substr(t.nombre.rfind(' ') + 1)) + "@correo.com.co"
                                   : "contabilidad@" + Slug(n::Empresas()[i].comercial) + ".com.co")
      .Poner("TERC_REGIMEN", persona ? "S" : "C")
      .Poner("TERC_AUTORRETENEDOR", !persona && azar.UnaDe(5) ? "S" : "N")
      .Poner("TERC_OBSERVACIONES", azar.UnaDe(3) ? fb::Value(azar.Elegir(n::Observaciones())) : fb::Value());
  m.rellenador.Rellenar(f, ContextoMaestro(m, creado, t.nombre), azar);
  m.origen.Insertar(f);
  const Asunto cambio{102, 0, t.nit, "CARTERA"};
  Auditar(m, creado, cambio, "N", "Creación del tercero");
  if (i % 9 == 4) {
    // Moved since the destination received it.
    Auditar(m, reloj.Cambio(azar), cambio, "M", "Cambio de dirección");
    f.Poner("TERC_DIRECCION", Direccion(azar));
  }
  if (EnDestino(i)) m.destino.Insertar(f);
}

void EscribirCliente(Muestra& m, Reloj& reloj, std::size_t i, Azar& azar) {
  const Tercero& t = m.catalogo.terceros[i];
  const bool persona = i >= n::Empresas().size();
  const Momento creado = reloj.Siguiente(azar);
  Fila f(m.origen["CLIENTES"]);
  f.Poner("TERC_NIT", t.nit)
      .Poner("CLIE_CUPO", Pesos(azar.Entre(5, 60) * 1000000LL * 100))
      .Poner("CLIE_PLAZO", persona ? 0 : 30)
      .Poner("CLIE_PORC_DESC", fb::Decimal{persona ? 0 : azar.Entre(0, 2) * 250, -2})
      .Poner("CLIE_ACUMULA_PUNTOS", persona ? "S" : "N")
      .Poner("CLIE_BLOQUEADO", "N");
  m.rellenador.Rellenar(f, ContextoMaestro(m, creado, t.nombre), azar);
  Auditar(m, creado, {103, 0, t.nit, "CARTERA"}, "N", "Creación del cliente");
  m.origen.Insertar(f);
  if (EnDestino(i)) m.destino.Insertar(f);
}

void EscribirProveedor(Muestra& m, Reloj& reloj, std::size_t i, Azar& azar) {
  const Tercero& t = m.catalogo.terceros[i];
  const Momento creado = reloj.Siguiente(azar);
  Fila f(m.origen["PROVEEDORES"]);
  f.Poner("TERC_NIT", t.nit)
      .Poner("PROV_PLAZO", azar.UnaDe(2) ? 30 : 60)
      .Poner("PROV_CUPO", Pesos(azar.Entre(10, 90) * 1000000LL * 100))
      .Poner("PROV_PORC_DESC", fb::Decimal{0, -2})
      .Poner("PROV_PORC_RETEFUENTE", fb::Decimal{25000, -4})
      .Poner("PROV_PORC_RETEICA", fb::Decimal{9660, -4})
      .Poner("CUEN_COD", "220505")
      .Poner("PROV_CONTACTO", std::string(azar.Elegir(n::NombresDePila())) + " " + azar.Elegir(n::Apellidos()));
  m.rellenador.Rellenar(f, ContextoMaestro(m, creado, t.nombre), azar);
  Auditar(m, creado, {104, 0, t.nit, "COMPRAS"}, "N", "Creación del proveedor");
  m.origen.Insertar(f);
  if (EnDestino(i)) m.destino.Insertar(f);
}

// Sellers and collectors, keyed by an integer code: the last people of the
// third parties.
void EscribirAgente(Muestra& m, Reloj& reloj, const char* tabla, int tipo, int codigo, std::size_t i,
                    Azar& azar) {
  const Tercero& t = m.catalogo.terceros[i];
  const std::string tallo = tipo == 105 ? "COBR" : "VEND";
  const Momento creado = reloj.Siguiente(azar);
  Fila f(m.origen[tabla]);
  f.Poner(tallo + "_COD", codigo).Poner(tallo + "_NOMBRE", t.nombre).Poner("TERC_NIT", t.nit);
  f.PonerSiHay("VEND_META", Pesos(azar.Entre(40, 120) * 1000000LL * 100));
  m.rellenador.Rellenar(f, ContextoMaestro(m, creado, t.nombre), azar);
  Auditar(m, creado, {tipo, codigo, std::to_string(codigo), "CARTERA"}, "N",
          tipo == 105 ? "Creación del cobrador" : "Creación del vendedor");
  m.origen.Insertar(f);
  if (codigo <= 3) m.destino.Insertar(f);
}

void Terceros(Muestra& m, Reloj& reloj, Azar& azar) {
  Catalogo& cat = m.catalogo;
  ElegirTerceros(cat, azar);
  const std::size_t ultimo = cat.terceros.size();
  for (int v = 1; v <= 6; ++v) cat.vendedores.push_back(v);
  for (int c = 1; c <= 4; ++c) cat.cobradores.push_back(c);
  for (std::size_t i = 0; i < ultimo; ++i) EscribirTercero(m, reloj, i, azar);
  for (const std::size_t i : cat.clientes) EscribirCliente(m, reloj, i, azar);
  for (const std::size_t i : cat.proveedores) EscribirProveedor(m, reloj, i, azar);
  for (int v = 1; v <= 6; ++v)
    EscribirAgente(m, reloj, "VENDEDORES", 106, v, ultimo - 10 + static_cast<std::size_t>(v) - 1, azar);
  for (int c = 1; c <= 4; ++c)
    EscribirAgente(m, reloj, "COBRADORES", 105, c, ultimo - 4 + static_cast<std::size_t>(c) - 1, azar);
}

}  // namespace

void LlenarMaestros(Muestra& m) {
  Azar azar = m.AzarPara(1);
  Reloj reloj(m);
  TablasDeCodigos(m, azar);
  Configuracion(m.origen, "2023/12/31", "1000");
  Configuracion(m.destino, "2024/01/31", "2000");
  Cuentas(m, reloj, azar);
  Terceros(m, reloj, azar);
  LlenarInventario(m, reloj, azar);
  LlenarInterfaces(m, reloj, azar);
}

}  // namespace norvane::demo
