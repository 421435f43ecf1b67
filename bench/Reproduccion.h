#pragma once

#include <cstdint>
#include <map>
#include <string>

namespace norvane::bench {

// What a replay did and how long its database work took.
struct ResultadoReproduccion {
  std::uint64_t sentencias = 0;     // executions and opens sent
  std::uint64_t textos = 0;         // distinct texts prepared
  std::uint64_t filasLeidas = 0;    // rows fetched
  std::uint64_t filasDestino = 0;   // rows that committed writes to the destination affected
  std::uint64_t divergencias = 0;   // calls whose outcome differed from the trace's
  double segundosLectura = 0;       // spent reading the trace file, not the database
  // Time spent in the database per statement text (prepare, executions,
  // opens, fetches and closes) and per attachment's commits and rollbacks,
  // keyed "database\ttext".
  struct Tiempo {
    std::uint64_t llamadas = 0;
    double segundos = 0;
  };
  std::map<std::string, Tiempo> porTexto;
  bool perfilar = false;
};

// Sends the statements of a trace again, in the same transactions and in
// the same order, each text prepared once per attachment, and fetches as
// many rows as the traced run fetched: the database work of that run alone.
// `clave` is the password of every attachment (the trace holds none);
// `baseDestino` names the attachment whose committed writes are counted.
// Calls that failed in the trace are expected to fail again.
// With `perfilar`, the time of each call is kept in `porTexto`.
ResultadoReproduccion Reproducir(const std::string& traza, const std::string& clave,
                                 const std::string& baseDestino, bool perfilar = false);

// The writes (INSERT, UPDATE, DELETE, procedure calls) that the traced run
// committed to the database `baseDestino`, sent again in one transaction,
// each text prepared once: the same destination rows copied in bulk.
ResultadoReproduccion CopiaMasiva(const std::string& traza, const std::string& clave,
                                  const std::string& baseDestino);

}  // namespace norvane::bench
