#pragma once

#include <optional>
#include <string>
#include <vector>

#include "fb/Value.h"

namespace norvane {

// One side's sign-in, kept for the life of the program.
struct Credenciales {
  std::string Usuario;       // the user name in upper case
  std::string ClaveCifrada;  // the password scrambled by CifrarClave
  std::string Servidor;      // the server prefix chosen from the server list
};

// A row of the document type list, kept in ascending TIDO_COD.
struct TipoDocumento {
  int TIDO_COD = 0;
  std::string TIDO_NOMLARGO;
  std::string F_1 = "S";  // "S" send this type, "N" do not
};

using ListaTipos = std::vector<TipoDocumento>;

// A company of a server's general database.
struct Compania {
  std::string COMP_COD;
  std::string COM_NOMBRE;
};

// The choices of a run.
struct OpcionesEnvio {
  std::string CompaniaOrigen;   // COMP_COD; empty when none was chosen
  std::string CompaniaDestino;
  bool EnLinea = false;         // the window starts on "Fuera de línea (preparar archivo)"
  bool Reemplazar = true;       // the window starts on "Reemplazar"
  bool TodoLoNoEnviado = true;
  std::optional<fb::Date> FechaDesde;  // empty when the date editor is empty
  std::optional<fb::Date> FechaHasta;
  std::string Prefijo;
  std::string NumeroDesde;
  std::string NumeroHasta;
  std::string TipoComprobante;
  ListaTipos Ctipodoc;
  // Seconds a statement of the run waits for a row locked by another
  // connection before it fails; without it, as long as it takes.
  std::optional<int> esperaBloqueo;
  // Where the run's report goes: this path when given; otherwise a new file
  // in "informes" of the installation directory, unless `informePorOmision`
  // is false (then no report at all).
  std::string rutaInforme;
  bool informePorOmision = true;
  // A preview: every row handled as the run would, nothing made durable.
  // The destination's writes are rolled back at the end, the origin is not
  // marked, no log line is written and the transfer file stays as it was;
  // a report only at `rutaInforme`.
  bool VistaPrevia = false;
};

}  // namespace norvane
