#include "cli/Argumentos.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <array>
#include <charconv>
#include <chrono>
#include <stdexcept>
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
    "                       [--tipo-comprobante T] [--espera-bloqueo SEGUNDOS]\n"
    "                       [--informe ARCHIVO] [--vista-previa]\n"
    "                       [--verificar] [--traza ARCHIVO]\n"
    "  --en-linea          escribe en la compañía destino; si no, prepara el archivo\n"
    "                      de envío (\"Fuera de línea (preparar archivo)\")\n"
    "  --omitir            omite los documentos que ya existen en el destino;\n"
    "                      si no, los reemplaza\n"
    "  --desde, --hasta    envía el rango de fechas de registro; sin ellas,\n"
    "                      \"Todo lo no enviado\"\n"
    "  --tipos             los tipos de documento a enviar; si no, todos\n"
    "  --espera-bloqueo    segundos (1 a 32767) que una fila espera a otra conexión\n"
    "                      que la tiene bloqueada; la escritura que se cansa de\n"
    "                      esperar falla y el envío sigue. Sin ella, espera siempre\n"
    "  --informe           escribe el informe del envío (CSV, una línea por fila de\n"
    "                      auditoría) en ARCHIVO; si no, en informes/ de la\n"
    "                      instalación, envio-AAAAMMDD-HHMMSS.csv\n"
    "  --verificar         no envía: compara cada documento que la selección da por\n"
    "                      enviado con la compañía destino (solo --en-linea; sin\n"
    "                      --desde y --hasta, todas las fechas) y no escribe nada\n"
    "  --vista-previa      recorre las filas como el envío, en su orden, y muestra\n"
    "                      por fila la decisión y el error que tendría, con los\n"
    "                      totales; no deja nada: el destino se deshace al final\n"
    "                      (fuera de línea, sobre una copia temporal de la\n"
    "                      plantilla), el origen no se marca, no escribe las\n"
    "                      bitácoras ni el archivo de envío, e informe solo con\n"
    "                      --informe. No espera a ningún bloqueo: una fila\n"
    "                      bloqueada sale \"bloqueado\" con el error de quien la\n"
    "                      tiene. Dura lo que el envío y mientras dura retiene los\n"
    "                      bloqueos de las filas que escribiría. Los documentos\n"
    "                      nuevos toman el siguiente identificador de su tabla, no\n"
    "                      el de la vista: ningún generador del destino avanza\n"
    "  --traza             escribe en ARCHIVO cada sentencia enviada al origen y al\n"
    "                      destino, en orden, con sus parámetros y transacciones\n"
    "  --version           muestra la versión del programa\n"
    "Requiere la instalación: sin el archivo de ajustes con su directorio no envía\n"
    "nada ni escribe nada.\n"
    "Las claves se leen de NORVANE_CLAVE_ORIGEN y NORVANE_CLAVE_DESTINO; si falta\n"
    "una y la entrada es una terminal, se pide sin eco. Con el mismo servidor en\n"
    "ambos lados, el usuario y la clave del destino son los del origen.\n"
    "Salida: 0 todo enviado, 3 hubo filas con error, 1 el envío se detuvo,\n"
    "2 uso incorrecto; con --verificar, 0 todo igual, 4 algún documento diferente\n"
    "o ausente en destino.\n";

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

std::string EsperaBloqueo(Argumentos& a, std::string_view, const std::string& valor) {
  int segundos = 0;
  const auto [fin, ec] = std::from_chars(valor.data(), valor.data() + valor.size(), segundos);
  if (valor.empty() || ec != std::errc() || fin != valor.data() + valor.size() || segundos < 1 ||
      segundos > 32767)
    return "--espera-bloqueo lleva de 1 a 32767 segundos: \"" + valor + "\"";
  a.esperaBloqueo = segundos;
  return {};
}

const std::array<Opcion, 20> kOpciones{{
    {"servidor-origen", true, &Texto<&Argumentos::servidorOrigen>},
    {"usuario-origen", true, &Texto<&Argumentos::usuarioOrigen>},
    {"servidor-destino", true, &TextoOpcional<&Argumentos::servidorDestino>},
    {"usuario-destino", true, &TextoOpcional<&Argumentos::usuarioDestino>},
    {"compania-origen", true, &Texto<&Argumentos::companiaOrigen>},
    {"compania-destino", true, &Texto<&Argumentos::companiaDestino>},
    {"en-linea", false, &Marca<&Argumentos::EnLinea>},
    {"omitir", false, &Marca<&Argumentos::omitir>},
    {"desde", true, &Fecha<&Argumentos::desde>},
    {"hasta", true, &Fecha<&Argumentos::hasta>},
    {"tipos", true, &Tipos},
    {"prefijo", true, &Texto<&Argumentos::prefijo>},
    {"numero-desde", true, &Texto<&Argumentos::numeroDesde>},
    {"numero-hasta", true, &Texto<&Argumentos::numeroHasta>},
    {"tipo-comprobante", true, &Texto<&Argumentos::tipoComprobante>},
    {"espera-bloqueo", true, &EsperaBloqueo},
    {"informe", true, &Texto<&Argumentos::informe>},
    {"verificar", false, &Marca<&Argumentos::verificar>},
    {"vista-previa", false, &Marca<&Argumentos::vistaPrevia>},
    {"traza", true, &Texto<&Argumentos::traza>},
}};

constexpr std::array<std::string_view, 4> kObligatorias{
    "servidor-origen", "usuario-origen", "compania-origen", "compania-destino"};

bool EsAyuda(std::string_view argumento) {
  return argumento == "-h" || argumento == "--help" || argumento == "--ayuda";
}

std::string Nombre(std::string_view opcion) {
  return std::string(kPrefijoOpcion) + std::string(opcion);
}

// What is wrong with an option's value, thrown from its callback: CLI11 stops
// reading there and lets it through.
struct ValorRechazado : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// The options on a CLI11 parser. Each stores its value in `a` when CLI11 runs
// its callback, once the whole line is read.
void Declarar(CLI::App& app, Argumentos& a) {
  app.set_help_flag();  // help is answered before CLI11 reads the line
  for (const Opcion& opcion : kOpciones) {
    CLI::Option* leida =
        app.add_option(Nombre(opcion.nombre), [&a, &opcion](const CLI::results_t& valores) {
          const std::string motivo = opcion.aplicar(a, opcion.nombre, valores.front());
          if (!motivo.empty()) throw ValorRechazado(motivo);
          return true;
        });
    if (!opcion.llevaValor) leida->expected(0);  // a flag: CLI11 gives it "true"
    // Given twice, the option fails with ArgumentMismatch instead of keeping one of the values.
    leida->multi_option_policy(CLI::MultiOptionPolicy::Throw);
  }
  for (const auto obligatoria : kObligatorias) app.get_option(Nombre(obligatoria))->required();
  CLI::Option* desde = app.get_option("--desde");
  CLI::Option* hasta = app.get_option("--hasta");
  desde->needs(hasta);
  hasta->needs(desde);
}

// What CLI11 reads otherwise than this program, settled before it reads the
// line: it takes "--x=" for "--x" and the next argument, whatever it is, for
// the value; it takes "--marca=v" for a value of the flag; and a lone "--"
// ends its options. Returns the complaint, or the line as CLI11 is to read it
// in `linea`: last argument first, as CLI11 takes it.
std::string Preparar(const CLI::App& app, const std::vector<std::string>& argumentos,
                     std::vector<std::string>& linea) {
  for (std::size_t i = 0; i < argumentos.size(); ++i) {
    const std::string& argumento = argumentos[i];
    if (argumento == kPrefijoOpcion) return "opción desconocida: --";
    linea.push_back(argumento);
    const auto igual = argumento.find('=');
    const CLI::Option* opcion = argumento.starts_with(kPrefijoOpcion)
                                    ? app.get_option_no_throw(argumento.substr(0, igual))
                                    : nullptr;
    // A value, or what CLI11 leaves unread and reports.
    if (!opcion) continue;
    const bool llevaValor = opcion->get_expected_max() > 0;
    if (igual == std::string::npos) {
      // An option where the value should be means the value was forgotten.
      if (llevaValor && (i + 1 == argumentos.size() || argumentos[i + 1].starts_with(kPrefijoOpcion)))
        return "falta el valor de " + opcion->get_name();
    } else if (!llevaValor) {
      return "la opción " + opcion->get_name() + " no lleva valor";
    } else if (igual + 1 == argumento.size()) {
      linea.back().pop_back();
      linea.emplace_back();
    }
  }
  std::reverse(linea.begin(), linea.end());
  return {};
}

// The first option, in the order CLI11 checks them, that a complaint of CLI11
// is about.
template <typename Culpable>
const CLI::Option* Primera(const CLI::App& app, Culpable culpable) {
  const auto opciones = app.get_options();
  const auto it = std::find_if(opciones.begin(), opciones.end(), culpable);
  return it == opciones.end() ? nullptr : *it;
}

// An argument CLI11 left unread: an option it does not know, or no option's value.
std::string NoEsperado(const std::string& argumento) {
  if (!argumento.starts_with(kPrefijoOpcion)) return "argumento inesperado: \"" + argumento + "\"";
  return "opción desconocida: " + argumento.substr(0, argumento.find('='));
}

// CLI11's complaint about the line, as this program words it.
std::string Motivo(const CLI::App& app, const CLI::ParseError& error) {
  // What CLI11 left unread (its ExtrasError) is told first: CLI11 checks the
  // options before, but a misspelt option is both, and its name says more
  // than the option it leaves out.
  if (!app.remaining().empty()) return NoEsperado(app.remaining().front());
  if (dynamic_cast<const CLI::ArgumentMismatch*>(&error)) {
    if (const auto* repetida = Primera(app, [](const CLI::Option* o) { return o->count() > 1; }))
      return "la opción " + repetida->get_name() + " se indicó más de una vez";
  } else if (dynamic_cast<const CLI::RequiredError*>(&error)) {
    if (const auto* falta = Primera(
            app, [](const CLI::Option* o) { return o->get_required() && o->count() == 0; }))
      return "falta la opción obligatoria " + falta->get_name();
  } else if (dynamic_cast<const CLI::RequiresError*>(&error)) {
    return "--desde y --hasta se indican juntas";  // the only options that need another
  }
  return error.what();  // none other comes of these options
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
  if (!anio || !mes || !dia) return std::nullopt;
  const fb::Date fecha{*anio, static_cast<unsigned>(*mes), static_cast<unsigned>(*dia)};
  // The calendar has a year 0; Firebird's dates begin at year 1.
  if (fecha.year < 1 ||
      !std::chrono::year_month_day{std::chrono::year{fecha.year}, std::chrono::month{fecha.month},
                                   std::chrono::day{fecha.day}}
           .ok())
    return std::nullopt;
  return fecha;
}

LecturaArgumentos LeerArgumentos(const std::vector<std::string>& argumentos) {
  LecturaArgumentos lectura;
  // Asking for help, or for the version, is answered whatever else the line holds.
  if (std::any_of(argumentos.begin(), argumentos.end(), EsAyuda)) {
    lectura.ayuda = true;
    return lectura;
  }
  if (std::find(argumentos.begin(), argumentos.end(), "--version") != argumentos.end()) {
    lectura.version = true;
    return lectura;
  }
  CLI::App app;
  Declarar(app, lectura.argumentos);
  std::vector<std::string> linea;
  lectura.error = Preparar(app, argumentos, linea);
  if (!lectura.Valida()) return lectura;
  try {
    app.parse(linea);
  } catch (const ValorRechazado& e) {
    lectura.error = e.what();
    return lectura;
  } catch (const CLI::ParseError& e) {
    lectura.error = Motivo(app, e);
    return lectura;
  }
  const Argumentos& a = lectura.argumentos;
  if (!a.MismoServidor() && !a.usuarioDestino)
    lectura.error = "falta --usuario-destino: el servidor destino no es el de origen";
  return lectura;
}

}  // namespace norvane::cli
