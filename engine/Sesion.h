#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "engine/Destino.h"
#include "engine/Opciones.h"
#include "fb/Attachment.h"
#include "fb/Transaction.h"

namespace norvane {

// The origin company connection (DbCia) with its two transactions: one for
// the audit rows, the header reads and the completion updates, one for the
// detail reads. Closing commits both.
struct Origen {
  fb::Attachment DbCia;
  std::optional<fb::Transaction> principal;
  std::optional<fb::Transaction> detalle;
};

// What the main window owns for the life of the program: the sign-in of both
// sides, the connections and the lists of the selection window.
struct Sesion {
  Credenciales CredOrigen;
  Credenciales CredDestino;
  fb::Attachment DbGeneral;
  fb::Attachment DbGeneraldes;
  fb::Attachment DBsop;
  std::vector<Compania> TCompania;
  std::vector<Compania> TCompaniades;
  ListaTipos Ctipodoc;
  // Kept between runs; a new run disconnects them first.
  std::unique_ptr<Origen> origen;
  std::unique_ptr<Destino> DBEnvio;
};

// The upper case of a user name (ASCII letters only, bytes otherwise kept).
std::string Mayusculas(std::string texto);

// The origin's sign-in, as leaving the origin password does in the access
// dialog: connects the origin general database, keeps CredOrigen and runs
// the user statement. Errors reach the caller.
void ConectarOrigen(Sesion& sesion, const std::string& servidor, const std::string& usuario,
                    const std::string& clave);
// The destination's sign-in ("F2: &Entrar"): connects the destination general
// database, keeps CredDestino and runs the user statement on the origin's.
void ConectarDestino(Sesion& sesion, const std::string& servidor, const std::string& usuario,
                     const std::string& clave);
// The origin server changed: connects the support database and loads the
// origin companies.
void CargarCompaniasOrigen(Sesion& sesion);
// The destination server changed: loads the destination companies.
void CargarCompaniasDestino(Sesion& sesion);
// Fills Ctipodoc from the support database, every type marked.
void CargarTiposDocumento(Sesion& sesion);

// One side's sign-in as typed: server prefix, user name, password.
struct Acceso {
  std::string servidor;
  std::string usuario;
  std::string clave;
};

// The whole sign-in without windows, in the windows' order: origin,
// destination, then the company lists and the document types.
void IniciarSesion(Sesion& sesion, const Acceso& origen, const Acceso& destino);

// The company of `lista` whose code is `codigo`, if any.
const Compania* BuscarCompania(const std::vector<Compania>& lista, const std::string& codigo);

}  // namespace norvane
