#pragma once

#include <gtest/gtest.h>

#include <set>
#include <span>
#include <string>
#include <vector>

#include "engine/DescriptorDocumento.h"
#include "tests/support/DocumentoPrueba.h"
#include "tests/support/EnvioPrueba.h"

namespace norvane::test {

// What every header-and-detail type does, checked on each descriptor that a
// family's test instantiates it with (TiposDocumentoTest.cpp holds the
// cases): header-only types, one detail table or several.
class TipoDocumento : public EnvioPrueba, public ::testing::WithParamInterface<const DescriptorDocumento*> {
protected:
  void SetUp() override;
  const DescriptorDocumento& D() const { return *GetParam(); }

  // A document of this type in `db` with `lineas` rows in every detail table.
  fb::Row Crear(fb::Attachment& db, int id, const std::string& codigo, int semilla, int lineas = 2);
  std::string Codigo(int numero) const;
  std::vector<fb::Row> Encabezados(fb::Attachment& db) const;
  // The rows of detail table `k` under header `id`, in line order.
  std::vector<fb::Row> Lineas(fb::Attachment& db, std::size_t k, std::int64_t id) const;
  std::vector<fb::Row> TodasLasLineas(fb::Attachment& db, std::size_t k) const;
  std::vector<std::string> Todas() const;  // header and detail tables

  // The destination rows expected from origin rows of table `k` copied
  // under `id` when no reference they name is found.
  std::vector<fb::Row> Copiadas(fb::Attachment& destino, std::size_t k, std::vector<fb::Row> origen,
                                std::int64_t id) const;

  TablasDocumento tablas;
};

// Types with at least one detail table, and with more than one.
class TipoConDetalle : public TipoDocumento {};
class TipoConVariasTablas : public TipoDocumento {};

std::vector<const DescriptorDocumento*> Punteros(std::span<const DescriptorDocumento> descriptores,
                                                 std::size_t tablasMinimas = 0);
std::string NombreTipo(const ::testing::TestParamInfo<const DescriptorDocumento*>& info);

// Row equality but for some positions.
void EsperarIguales(const fb::Row& esperada, const fb::Row& real, const std::set<std::size_t>& salvo = {});

}  // namespace norvane::test
