#include "bench/Reproduccion.h"

#include <cctype>
#include <chrono>
#include <map>
#include <memory>
#include <optional>
#include <stdexcept>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

#include "fb/Attachment.h"
#include "fb/Cursor.h"
#include "fb/Error.h"
#include "fb/Statement.h"
#include "fb/Trace.h"
#include "fb/Transaction.h"

namespace norvane::bench {

namespace {

using Reloj = std::chrono::steady_clock;
using Kind = fb::TraceEvent::Kind;

// Statements kept prepared per attachment.
constexpr std::size_t kCapacidad = 32;

// Reads the trace and keeps count of the time spent on the file.
class Lector {
public:
  Lector(const std::string& traza, ResultadoReproduccion& r) : lector_(traza), r_(r) {}
  std::optional<fb::TraceEvent> Siguiente() {
    const auto inicio = Reloj::now();
    auto evento = lector_.next();
    r_.segundosLectura += std::chrono::duration<double>(Reloj::now() - inicio).count();
    return evento;
  }

private:
  fb::TraceReader lector_;
  ResultadoReproduccion& r_;
};

bool CambiaFilas(const std::string& texto) {
  auto empieza = [&](std::string_view p) {
    if (texto.size() < p.size()) return false;
    for (std::size_t i = 0; i < p.size(); ++i)
      if (std::toupper(static_cast<unsigned char>(texto[i])) != p[i]) return false;
    return true;
  };
  return empieza("INSERT") || empieza("UPDATE") || empieza("DELETE");
}

// Statements prepared on one attachment, by text; a text whose statement
// has a cursor open gets a second statement for the next cursor. At most
// `capacidad` are kept, the least recently used going first: the server's
// cost of every transaction grows with the statements an attachment keeps
// (a replay that kept every repeated text of a run prepared took three times
// as long as the run), so keeping them all would not be a floor.
struct Preparadas {
  struct Entrada {
    std::unique_ptr<fb::Statement> sentencia;
    bool ocupada = false;
    std::uint64_t uso = 0;
  };
  std::map<std::string, std::vector<std::unique_ptr<Entrada>>> porTexto;
  std::size_t capacidad = kCapacidad;
  std::size_t cantidad = 0;
  std::uint64_t reloj = 0;

  Entrada& Libre(const std::string& texto, fb::Transaction& t, ResultadoReproduccion& r) {
    auto& lista = porTexto[texto];
    for (auto& e : lista)
      if (!e->ocupada) {
        e->uso = ++reloj;
        return *e;
      }
    auto e = std::make_unique<Entrada>();
    e->sentencia = std::make_unique<fb::Statement>(t, texto);
    e->uso = ++reloj;
    ++r.textos;
    Entrada& nueva = *e;
    lista.push_back(std::move(e));
    if (++cantidad > capacidad) Desalojar(&nueva);
    return nueva;
  }

  // Frees the least recently used statement without a cursor open.
  void Desalojar(const Entrada* salvo) {
    auto lista = porTexto.end();
    std::size_t posicion = 0;
    std::uint64_t menor = UINT64_MAX;
    for (auto it = porTexto.begin(); it != porTexto.end(); ++it) {
      auto& entradas = it->second;
      for (std::size_t i = 0; i < entradas.size(); ++i)
        if (!entradas[i]->ocupada && entradas[i].get() != salvo && entradas[i]->uso < menor) {
          menor = entradas[i]->uso;
          lista = it;
          posicion = i;
        }
    }
    if (lista == porTexto.end()) return;
    lista->second.erase(lista->second.begin() + static_cast<std::ptrdiff_t>(posicion));
    if (lista->second.empty()) porTexto.erase(lista);
    --cantidad;
  }
};

struct Conexion {
  fb::Attachment conexion;
  std::string base;
  Preparadas preparadas;
};

// Runs a call expected to succeed or, as in the trace, to fail; its time
// goes to `clave` of the profile when the replay keeps one.
template <class F>
void Llamar(const fb::TraceEvent& e, ResultadoReproduccion& r, F&& f,
            const std::string* clave = nullptr) {
  // Without a profile the replay reads no clock: the floor is its time alone.
  const bool medir = clave && r.perfilar;
  const auto inicio = medir ? Reloj::now() : Reloj::time_point{};
  bool fallo = false;
  try {
    f();
  } catch (const fb::Error&) {
    if (!e.failed) throw;
    fallo = true;
  }
  if (medir) {
    auto& tiempo = r.porTexto[*clave];
    ++tiempo.llamadas;
    tiempo.segundos += std::chrono::duration<double>(Reloj::now() - inicio).count();
  }
  if (!fallo && e.failed) ++r.divergencias;
}

// The texts that the trace sends more than once on one attachment: those
// are kept prepared; a text sent once is prepared, used and freed, as
// keeping thousands of one-off statements would cost the server more than
// preparing them.
std::unordered_set<std::string> TextosRepetidos(const std::string& traza, ResultadoReproduccion& r) {
  Lector lector(traza, r);
  std::unordered_map<std::uint64_t, std::string> claves;
  std::unordered_map<std::string, int> usos;
  while (auto e = lector.Siguiente()) {
    if (e->kind == Kind::Prepare)
      claves[e->statement] = std::to_string(e->attachment) + '\0' + e->text;
    else if (e->kind == Kind::Execute || e->kind == Kind::Open)
      ++usos[claves.at(e->statement)];
  }
  std::unordered_set<std::string> repetidos;
  for (const auto& [clave, n] : usos)
    if (n > 1) repetidos.insert(clave);
  return repetidos;
}

}  // namespace

ResultadoReproduccion Reproducir(const std::string& traza, const std::string& clave,
                                 const std::string& baseDestino, bool perfilar) {
  ResultadoReproduccion r;
  r.perfilar = perfilar;
  const auto repetidos = TextosRepetidos(traza, r);
  Lector lector(traza, r);
  // Statements of texts sent once, by the trace's statement number.
  std::unordered_map<std::uint64_t, std::unique_ptr<Preparadas::Entrada>> unicas;
  std::unordered_map<std::uint64_t, std::unique_ptr<Conexion>> conexiones;
  std::unordered_map<std::uint64_t, std::pair<fb::Transaction, Conexion*>> transacciones;
  struct Texto {
    Conexion* conexion;
    std::string texto;
    std::string clave;  // of the profile; empty without one
  };
  std::unordered_map<std::uint64_t, Texto> sentencias;
  struct Abierto {
    fb::Cursor cursor;
    Preparadas::Entrada* entrada;
    std::unique_ptr<Preparadas::Entrada> unica;  // a text sent once
    const std::string* clave;
  };
  std::unordered_map<std::uint64_t, Abierto> cursores;
  // Writes to the destination wait for their transaction's commit to count.
  std::unordered_map<std::uint64_t, std::uint64_t> escritasPendientes;

  auto transaccion = [&](std::uint64_t id) -> std::pair<fb::Transaction, Conexion*>& {
    auto it = transacciones.find(id);
    if (it == transacciones.end())
      throw std::runtime_error("the trace uses transaction " + std::to_string(id) +
                               " that it never started");
    return it->second;
  };

  while (auto evento = lector.Siguiente()) {
    const fb::TraceEvent& e = *evento;
    switch (e.kind) {
      case Kind::Create:
        throw std::runtime_error("the trace creates a database; a replay does not");
      case Kind::Attach:
        Llamar(e, r, [&] {
          auto c = std::make_unique<Conexion>();
          c->conexion = fb::Attachment::attach({e.text, e.user, clave, e.role});
          c->base = e.text;
          conexiones[e.attachment] = std::move(c);
        });
        break;
      case Kind::Detach: {
        auto it = conexiones.find(e.attachment);
        if (it == conexiones.end()) break;
        Llamar(e, r, [&] { it->second->conexion.close(); });
        conexiones.erase(it);
        break;
      }
      case Kind::Start: {
        Conexion* c = conexiones.at(e.attachment).get();
        Llamar(e, r, [&] {
          transacciones.emplace(
              e.transaction,
              std::pair{fb::Transaction(c->conexion,
                                        e.readCommitted ? fb::Isolation::ReadCommitted
                                                        : fb::Isolation::ServerDefault,
                                        e.lockTimeout),
                        c});
        });
        break;
      }
      case Kind::Commit:
      case Kind::CommitRetaining:
      case Kind::Rollback: {
        auto& [t, c] = transaccion(e.transaction);
        const std::string clave =
            perfilar ? c->base + (e.kind == Kind::Rollback ? "\tROLLBACK" : "\tCOMMIT") : "";
        Llamar(e, r, [&] {
          if (e.kind == Kind::Commit) t.commit();
          if (e.kind == Kind::CommitRetaining) t.commitRetaining();
          if (e.kind == Kind::Rollback) t.rollback();
        }, &clave);
        if (!e.failed && e.kind != Kind::Rollback) r.filasDestino += escritasPendientes[e.transaction];
        escritasPendientes.erase(e.transaction);
        if (e.kind != Kind::CommitRetaining) transacciones.erase(e.transaction);
        break;
      }
      case Kind::Prepare: {
        Conexion* c = conexiones.at(e.attachment).get();
        const Texto& texto = sentencias[e.statement] = {c, e.text, perfilar ? c->base + '\t' + e.text : ""};
        auto& [t, _] = transaccion(e.transaction);
        if (!repetidos.contains(std::to_string(e.attachment) + '\0' + e.text)) {
          Llamar(e, r, [&] {
            auto u = std::make_unique<Preparadas::Entrada>();
            u->sentencia = std::make_unique<fb::Statement>(t, e.text);
            ++r.textos;
            unicas[e.statement] = std::move(u);
          }, &texto.clave);
        } else if (c->preparadas.porTexto[e.text].empty()) {
          // Prepared once per text: only the first prepare of a text reaches the server.
          Llamar(e, r, [&] { c->preparadas.Libre(e.text, t, r); }, &texto.clave);
        }
        break;
      }
      case Kind::Execute: {
        auto& [c, texto, clave] = sentencias.at(e.statement);
        auto& [t, _] = transaccion(e.transaction);
        std::uint64_t afectadas = 0;
        ++r.sentencias;
        auto unica = unicas.extract(e.statement);
        Llamar(e, r, [&] {
          fb::Statement& s =
              unica ? *unica.mapped()->sentencia : *c->preparadas.Libre(texto, t, r).sentencia;
          afectadas = s.execute(t, e.params);
        }, &clave);
        if (!e.failed && afectadas != e.count) ++r.divergencias;
        if (!e.failed && c->base == baseDestino && CambiaFilas(texto))
          escritasPendientes[e.transaction] += afectadas;
        break;
      }
      case Kind::Open: {
        auto& [c, texto, clave] = sentencias.at(e.statement);
        auto& [t, _] = transaccion(e.transaction);
        ++r.sentencias;
        auto unica = unicas.extract(e.statement);
        Llamar(e, r, [&] {
          if (unica) {
            Preparadas::Entrada* entrada = unica.mapped().get();
            cursores.emplace(e.cursor, Abierto{entrada->sentencia->open(t, e.params), entrada,
                                               std::move(unica.mapped()), &clave});
            return;
          }
          Preparadas::Entrada& entrada = c->preparadas.Libre(texto, t, r);
          cursores.emplace(e.cursor,
                           Abierto{entrada.sentencia->open(t, e.params), &entrada, nullptr, &clave});
          entrada.ocupada = true;
        }, &clave);
        break;
      }
      case Kind::Fetch: {
        auto it = cursores.find(e.cursor);
        if (it == cursores.end()) throw std::runtime_error("the trace fetches from a cursor it never opened");
        Llamar(e, r, [&] {
          for (std::uint64_t i = 0; i < e.count; ++i) {
            if (!it->second.cursor.fetch()) {
              ++r.divergencias;
              break;
            }
            ++r.filasLeidas;
          }
          if (e.end && it->second.cursor.fetch()) ++r.divergencias;
        }, it->second.clave);
        break;
      }
      case Kind::Close: {
        auto it = cursores.find(e.cursor);
        if (it == cursores.end()) break;
        Llamar(e, r, [&] { it->second.cursor.close(); }, it->second.clave);
        it->second.entrada->ocupada = false;
        cursores.erase(it);
        break;
      }
    }
  }
  cursores.clear();
  unicas.clear();
  transacciones.clear();
  conexiones.clear();
  return r;
}


ResultadoReproduccion CopiaMasiva(const std::string& traza, const std::string& clave,
                                  const std::string& baseDestino) {
  ResultadoReproduccion r;
  // First reading: which executions of the destination were committed, with
  // the savepoints undone and the transactions rolled back left out.
  std::unordered_set<std::uint64_t> conexionesDestino;
  std::string usuario, rol;
  std::unordered_set<std::uint64_t> transaccionesDestino;
  std::unordered_map<std::uint64_t, std::string> textos;
  struct Pendiente {
    std::vector<std::uint64_t> escrituras;
    std::vector<std::size_t> puntos;  // savepoints still held
  };
  std::unordered_map<std::uint64_t, Pendiente> pendientes;
  std::vector<std::uint64_t> confirmadas;  // event numbers, in order
  std::unordered_map<std::string, int> usos;
  {
    Lector lector(traza, r);
    std::uint64_t numero = 0;
    while (auto evento = lector.Siguiente()) {
      const fb::TraceEvent& e = *evento;
      ++numero;
      switch (e.kind) {
        case Kind::Attach:
          if (e.text == baseDestino && !e.failed) {
            conexionesDestino.insert(e.attachment);
            usuario = e.user;
            rol = e.role;
          }
          break;
        case Kind::Start:
          if (conexionesDestino.contains(e.attachment)) transaccionesDestino.insert(e.transaction);
          break;
        case Kind::Prepare:
          if (conexionesDestino.contains(e.attachment)) textos[e.statement] = e.text;
          break;
        case Kind::Execute: {
          if (e.failed || !transaccionesDestino.contains(e.transaction)) break;
          const std::string& texto = textos.at(e.statement);
          ++usos[texto];
          Pendiente& p = pendientes[e.transaction];
          if (texto.starts_with("SAVEPOINT "))
            p.puntos.push_back(p.escrituras.size());
          else if (texto.starts_with("ROLLBACK TO SAVEPOINT ") && !p.puntos.empty())
            p.escrituras.resize(p.puntos.back());
          else if (texto.starts_with("RELEASE SAVEPOINT ") && !p.puntos.empty())
            p.puntos.pop_back();
          else
            p.escrituras.push_back(numero);
          break;
        }
        case Kind::Commit:
        case Kind::CommitRetaining:
        case Kind::Rollback: {
          auto it = pendientes.find(e.transaction);
          if (it == pendientes.end()) break;
          if (!e.failed && e.kind != Kind::Rollback)
            confirmadas.insert(confirmadas.end(), it->second.escrituras.begin(),
                               it->second.escrituras.end());
          pendientes.erase(it);
          break;
        }
        default:
          break;
      }
    }
  }

  // Second reading: those writes again, in one transaction.
  fb::Attachment conexion = fb::Attachment::attach({baseDestino, usuario, clave, rol});
  fb::Transaction t(conexion, fb::Isolation::ReadCommitted);
  Preparadas preparadas;
  Lector lector(traza, r);
  std::uint64_t numero = 0;
  std::size_t siguiente = 0;
  while (siguiente < confirmadas.size()) {
    auto evento = lector.Siguiente();
    if (!evento) break;
    if (++numero != confirmadas[siguiente]) continue;
    ++siguiente;
    const std::string& texto = textos.at(evento->statement);
    ++r.sentencias;
    std::uint64_t afectadas = 0;
    if (usos[texto] > 1) {
      afectadas = preparadas.Libre(texto, t, r).sentencia->execute(t, evento->params);
    } else {  // a text sent once is not kept prepared
      fb::Statement s(t, texto);
      ++r.textos;
      afectadas = s.execute(t, evento->params);
    }
    if (afectadas != evento->count) ++r.divergencias;
    if (CambiaFilas(texto)) r.filasDestino += afectadas;
  }
  t.commit();
  conexion.close();
  return r;
}

}  // namespace norvane::bench
