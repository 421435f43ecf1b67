#include "cli/Argumentos.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <set>
#include <string_view>

namespace norvane::cli {

const char* const kUso =
    "uso: norvane-envio-cli --servidor-origen P --usuario-origen U\n"
    "                       [--servidor-destino P] [--usuario-destino U]\n"
    "                       --compania-origen C --compania-destino C\n"
    "                       [--en-linea] [--omitir]\n"
    "                       [--desde AAAA/MM/DD --hasta AAAA/MM/DD]\n"
    "                       [--tipos N,N,...]\n"
    "                       [--prefijo X] [--numero-desde N] [--numero-hasta N]\n"
    "                       [--tipo-comprobante T]\n"
    "  --en-linea          escribe en la compañía destino; si no, prepara el archivo\n"
    "                      de envío (\"Fuera de línea (preparar archivo)\")\n"
    "  --omitir            omite los documentos que ya existen en el destino;\n"
    "                      si no, los reemplaza\n"
    "  --desde, --hasta    envía el rango de fechas de registro; sin ellas,\n"
    "                      \"Todo lo no enviado\"\n"
    "  --tipos             los tipos de documento a enviar; si no, todos\n"
    "Las claves se leen de NORVANE_CLAVE_ORIGEN y NORVANE_CLAVE_DESTINO; si falta\n"
    "una y la entrada es una terminal, se pide sin eco. Con el mismo servidor en\n"
    "ambos lados, el usuario y la clave del destino son los del origen.\n"
    "Salida: 0 todo enviado, 3 hubo filas con error, 1 el envío se detuvo,\n"
    "2 uso incorrecto.\n";

namespace {

constexpr std::string_view kPrefijoOpcion = "--";

// Stores an option's value in the arguments; returns what is wrong with it.
using Aplicar = std::string (*)(Argumentos&, std::string_view opcion, const std::string& valor);

struct Opcion {
  std::string_view nombre;
  bool llevaValor;
  Aplicar aplicar;
};

template <std::string Argumentos::*campo>
std::string Texto(Argumentos& a, std::string_view, const std::string& valor) {
  a.*campo = valor;
  return {};
}

template <std::optional<std::string> Argumentos::*campo>
std::string TextoOpcional(Argumentos& a, std::string_view, const std::string& valor) {
  a.*campo = valor;
  return {};
}

template <bool Argumentos::*campo>
std::string Marca(Argumentos& a, std::string_view, const std::string&) {
  a.*campo = true;
  return {};
}

template <std::optional<fb::Date> Argumentos::*campo>
std::string Fecha(Argumentos& a, std::string_view opcion, const std::string& valor) {
  a.*campo = LeerFecha(valor);
  if (a.*campo) return {};
  return "fecha mal escrita en --" + std::string(opcion) + ": \"" + valor +
         "\" (se espera AAAA/MM/DD)";
}

std::string Tipos(Argumentos& a, std::string_view, const std::string& valor) {
  std::vector<int> tipos;
  std::string_view resto = valor;
  while (true) {
    const auto coma = resto.find(',');
    const std::string_view pieza = resto.substr(0, coma);
    int tipo = 0;
    const auto [fin, ec] = std::from_chars(pieza.data(), pieza.data() + pieza.size(), tipo);
    if (pieza.empty() || ec != std::errc() || fin != pieza.data() + pieza.size())
      return "tipo de documento que no es un número en --tipos: \"" + std::string(pieza) + "\"";
    tipos.push_back(tipo);
    if (coma == std::string_view::npos) break;
    resto.remove_prefix(coma + 1);
  }
  a.tipos = std::move(tipos);
  return {};
}

const std::array<Opcion, 15> kOpciones{{
    {"servidor-origen", true, &Texto<&Argumentos::servidorOrigen>},
    {"usuario-origen", true, &Texto<&Argumentos::usuarioOrigen>},
    {"servidor-destino", true, &TextoOpcional<&Argumentos::servidorDestino>},
    {"usuario-destino", true, &TextoOpcional<&Argumentos::usuarioDestino>},
    {"compania-origen", true, &Texto<&Argumentos::companiaOrigen>},
    {"compania-destino", true, &Texto<&Argumentos::companiaDestino>},
    {"en-linea", false, &Marca<&Argumentos::enLinea>},
    {"omitir", false, &Marca<&Argumentos::omitir>},
    {"desde", true, &Fecha<&Argumentos::desde>},
    {"hasta", true, &Fecha<&Argumentos::hasta>},
    {"tipos", true, &Tipos},
    {"prefijo", true, &Texto<&Argumentos::prefijo>},
    {"numero-desde", true, &Texto<&Argumentos::numeroDesde>},
    {"numero-hasta", true, &Texto<&Argumentos::numeroHasta>},
    {"tipo-comprobante", true, &Texto<&Argumentos::tipoComprobante>},
}};

constexpr std::array<std::string_view, 4> kObligatorias{
    "servidor-origen", "usuario-origen", "compania-origen", "compania-destino"};

const Opcion* BuscarOpcion(std::string_view nombre) {
  const auto it = std::find_if(kOpciones.begin(), kOpciones.end(),
                               [&](const Opcion& o) { return o.nombre == nombre; });
  return it == kOpciones.end() ? nullptr : &*it;
}

bool EsAyuda(std::string_view argumento) {
  return argumento == "-h" || argumento == "--help" || argumento == "--ayuda";
}

// What the options say together, once each was read on its own.
std::string Coherencia(const std::set<std::string_view>& dadas, const Argumentos& a) {
  for (const auto obligatoria : kObligatorias)
    if (!dadas.contains(obligatoria))
      return "falta la opción obligatoria --" + std::string(obligatoria);
  if (a.desde.has_value() != a.hasta.has_value())
    return "--desde y --hasta se indican juntas";
  if (!a.MismoServidor() && !a.usuarioDestino)
    return "falta --usuario-destino: el servidor destino no es el de origen";
  return {};
}

}  // namespace

std::optional<fb::Date> LeerFecha(const std::string& texto) {
  if (texto.size() != 10 || texto[4] != '/' || texto[7] != '/') return std::nullopt;
  const auto numero = [&](std::size_t desde, std::size_t largo) -> std::optional<int> {
    int valor = 0;
    for (std::size_t i = desde; i < desde + largo; ++i) {
      if (texto[i] < '0' || texto[i] > '9') return std::nullopt;
      valor = valor * 10 + (texto[i] - '0');
    }
    return valor;
  };
  const auto anio = numero(0, 4), mes = numero(5, 2), dia = numero(8, 2);
  if (!anio || !mes || !dia || *anio < 1 || *mes < 1 || *mes > 12 || *dia < 1) return std::nullopt;
  const bool bisiesto = (*anio % 4 == 0 && *anio % 100 != 0) || *anio % 400 == 0;
  constexpr std::array<int, 12> kDias{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const int diasDelMes = kDias[static_cast<std::size_t>(*mes - 1)] + (*mes == 2 && bisiesto ? 1 : 0);
  if (*dia > diasDelMes) return std::nullopt;
  return fb::Date{*anio, static_cast<unsigned>(*mes), static_cast<unsigned>(*dia)};
}

LecturaArgumentos LeerArgumentos(const std::vector<std::string>& argumentos) {
  LecturaArgumentos lectura;
  // Asking for help is answered whatever else the line holds.
  if (std::any_of(argumentos.begin(), argumentos.end(), EsAyuda)) {
    lectura.ayuda = true;
    return lectura;
  }
  std::set<std::string_view> dadas;
  for (std::size_t i = 0; i < argumentos.size(); ++i) {
    const std::string& argumento = argumentos[i];
    if (!argumento.starts_with(kPrefijoOpcion)) {
      lectura.error = "argumento inesperado: \"" + argumento + "\"";
      return lectura;
    }
    const std::string_view cuerpo = std::string_view(argumento).substr(kPrefijoOpcion.size());
    const auto igual = cuerpo.find('=');
    const Opcion* opcion = BuscarOpcion(cuerpo.substr(0, igual));
    if (!opcion) {
      lectura.error = "opción desconocida: --" + std::string(cuerpo.substr(0, igual));
      return lectura;
    }
    const std::string nombre = "--" + std::string(opcion->nombre);
    if (!dadas.insert(opcion->nombre).second) {
      lectura.error = "la opción " + nombre + " se indicó más de una vez";
      return lectura;
    }
    std::string valor;
    if (igual != std::string_view::npos) {
      if (!opcion->llevaValor) {
        lectura.error = "la opción " + nombre + " no lleva valor";
        return lectura;
      }
      valor = std::string(cuerpo.substr(igual + 1));
    } else if (opcion->llevaValor) {
      // An option where the value should be means the value was forgotten.
      if (i + 1 == argumentos.size() || argumentos[i + 1].starts_with(kPrefijoOpcion)) {
        lectura.error = "falta el valor de " + nombre;
        return lectura;
      }
      valor = argumentos[++i];
    }
    lectura.error = opcion->aplicar(lectura.argumentos, opcion->nombre, valor);
    if (!lectura.Valida()) return lectura;
  }
  lectura.error = Coherencia(dadas, lectura.argumentos);
  return lectura;
}

}  // namespace norvane::cli
