#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "engine/Opciones.h"
#include "engine/Sesion.h"
#include "engine/Transferencia.h"
#include "fb/Attachment.h"
#include "fb/Value.h"
#include "tests/support/InstalacionPrueba.h"
#include "tests/support/OperadorGrabador.h"

namespace norvane::test {

// A signed-in installation whose runs go from company 001 to 002 with every
// family registered: audit rows are recorded in 001, the run is started and
// its outcome read back.
class EnvioPrueba : public ::testing::Test {
protected:
  EnvioPrueba();

  // Only these types marked.
  void Marcar(std::initializer_list<int> tipos);
  // An unsent audit row of 001; rows follow each other by `auditId`.
  void Auditar(int auditId, int tido, const fb::Value& iddoc, const std::string& oper,
               const std::string& cod);
  // `trasConfirmar`: the run's hook between a row's destination commit and
  // its origin mark.
  ResultadoEnvio Ejecutar(std::function<void()> trasConfirmar = {});

  // Where the run writes: company 002 online, the transfer file offline.
  fb::Attachment Destino() const;
  // What an offline run starts from: rows put here are in the transfer file.
  fb::Attachment PlantillaEnvio() const;
  // Before the run: the database the run will write, as opciones.EnLinea says.
  fb::Attachment DestinoAntes() const;
  // Each database by itself, whatever kind of run: company 001, company 002,
  // and the transfer file of an offline run.
  fb::Attachment Origen() const;
  fb::Attachment CompaniaDestino() const;
  fb::Attachment ArchivoEnvio() const;

  static std::vector<fb::Row> Consultar(fb::Attachment& db, const std::string& sql,
                                        const fb::Row& parametros = {});
  // AUDI_ENVIO of an audit row of 001.
  std::string Envio(int auditId) const;
  std::string Errores() const;

  InstalacionPrueba inst;
  Sesion sesion;
  OpcionesEnvio opciones;
  OperadorGrabador operador;
  ResumenEnvio resumen;
};

}  // namespace norvane::test
