#include <gtest/gtest.h>

#include "instalacion/APUtilCrpt.h"
#include "engine/Sesion.h"
#include "fb/Error.h"
#include "tests/support/InstalacionPrueba.h"

namespace norvane {
namespace {

TEST(Sesion, SignInKeepsTheCredentialsAndLoadsTheLists) {
  test::InstalacionPrueba inst;
  Sesion s;
  ConectarOrigen(s, inst.servidor(), "sysdba", "clave1");
  ConectarDestino(s, inst.servidor(), "Sysdba", "clave2");
  EXPECT_EQ(s.CredOrigen.Usuario, "SYSDBA");
  EXPECT_EQ(s.CredOrigen.Servidor, inst.servidor());
  EXPECT_EQ(s.CredOrigen.ClaveCifrada, CifrarClave("clave1"));
  EXPECT_EQ(DescifrarClave(s.CredDestino.ClaveCifrada), "clave2");

  CargarCompaniasOrigen(s);
  CargarCompaniasDestino(s);
  CargarTiposDocumento(s);
  ASSERT_EQ(s.TCompania.size(), 2u);
  EXPECT_EQ(s.TCompania[0].COMP_COD, "001");
  EXPECT_EQ(s.TCompania[1].COM_NOMBRE, "Distribuidora del Pacífico Ltda.");
  EXPECT_EQ(s.TCompaniades.size(), 2u);
  ASSERT_FALSE(s.Ctipodoc.empty());
  for (std::size_t i = 0; i < s.Ctipodoc.size(); ++i) {
    EXPECT_EQ(s.Ctipodoc[i].F_1, "S");
    if (i > 0) {
      EXPECT_LT(s.Ctipodoc[i - 1].TIDO_COD, s.Ctipodoc[i].TIDO_COD);
    }
  }
  EXPECT_NE(BuscarCompania(s.TCompania, "002"), nullptr);
  EXPECT_EQ(BuscarCompania(s.TCompania, "003"), nullptr);
}

TEST(Sesion, TheDestinationBeforeTheOriginConnectsButTheStepFails) {
  test::InstalacionPrueba inst;
  Sesion s;
  // The user statement runs on the origin general database, not there yet.
  EXPECT_THROW(ConectarDestino(s, inst.servidor(), "sysdba", "x"), std::runtime_error);
  EXPECT_TRUE(s.DbGeneraldes.valid());
  EXPECT_FALSE(s.DbGeneral.valid());
  EXPECT_EQ(s.CredDestino.Usuario, "SYSDBA");
}

TEST(Sesion, AQuoteInTheUserNameStaysInsideTheValue) {
  test::InstalacionPrueba inst;
  Sesion s;
  EXPECT_NO_THROW(ConectarOrigen(s, inst.servidor(), "o'brien", "x"));
  EXPECT_EQ(s.CredOrigen.Usuario, "O'BRIEN");
}

TEST(Sesion, AServerPrefixWithoutDatabasesFailsWithTheMissingFile) {
  test::InstalacionPrueba inst;
  Sesion s;
  try {
    ConectarOrigen(s, (inst.dir() / "otro").string(), "sysdba", "x");
    FAIL();
  } catch (const fb::Error& e) {
    EXPECT_NE(std::string(e.what()).find((inst.dir() / "otro" / "datos" / "general.fdb").string()),
              std::string::npos);
  }
  EXPECT_TRUE(s.CredOrigen.Usuario.empty());  // the rest of the step was not done
}

}  // namespace
}  // namespace norvane
