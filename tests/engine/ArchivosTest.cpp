#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "engine/Transferencia.h"
#include "tests/support/DocumentoPrueba.h"
#include "tests/support/EnvioPrueba.h"
#include "tests/support/TempDir.h"

// The files around a run: logs it cannot write, a transfer database it
// cannot copy or place.
namespace norvane::test {
namespace {

using fb::Value;

constexpr int kEntrada = 11;

// Makes a folder immutable while it lives: not even root creates a file in
// it, which a permission bit alone cannot show when tests run as root.
class CarpetaInmutable {
public:
  explicit CarpetaInmutable(const std::filesystem::path& carpeta) : carpeta_(carpeta) { Fijar(true); }
  ~CarpetaInmutable() {
    if (fijada_) Fijar(false);
  }
  bool Fijada() const { return fijada_; }

private:
  void Fijar(bool inmutable) {
    const int fd = ::open(carpeta_.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd < 0) return;
    int banderas = 0;
    if (::ioctl(fd, FS_IOC_GETFLAGS, &banderas) == 0) {
      banderas = inmutable ? banderas | FS_IMMUTABLE_FL : banderas & ~FS_IMMUTABLE_FL;
      fijada_ = ::ioctl(fd, FS_IOC_SETFLAGS, &banderas) == 0 && inmutable;
    }
    ::close(fd);
  }

  std::filesystem::path carpeta_;
  bool fijada_ = false;
};

class Archivos : public EnvioPrueba {
protected:
  Archivos() : tablas(TablasDe(Descriptor(kEntrada))) {
    Marcar({kEntrada});
    auto origen = Origen();
    Encabezado(origen, Descriptor(kEntrada), 501, "PQ000001", 1).Insertar();
    NuevaFila(origen, tablas.detalles[0], 11).En(0, 501).En(1, 1).Insertar();
    Auditar(1, kEntrada, 501, "M", "PQ000001");
    // Its null identifier fails the row, which wants a line in the error log.
    Auditar(2, kEntrada, Value(), "M", "PQ000002");
  }

  // Header and detail rows of inventory receipts in `db`.
  std::size_t Documentos(fb::Attachment db) {
    return Consultar(db, "select * from " + tablas.encabezado).size() +
           Consultar(db, "select * from " + tablas.detalles[0]).size();
  }

  TablasDocumento tablas;
};

class BitacoraInaccesible : public Archivos, public ::testing::WithParamInterface<bool> {};

// Both logs' names taken by folders: the run sends, fails and marks exactly
// as it would with its logs.
TEST_P(BitacoraInaccesible, LeavesTheRunAsItWouldBe) {
  opciones.EnLinea = GetParam();
  std::filesystem::create_directory(inst.dir() / "ENVIOMANUAL.TXT");
  std::filesystem::create_directory(inst.dir() / "ERRORENVIO.TXT");
  ASSERT_EQ(Ejecutar().fin, FinEnvio::Concluido);
  EXPECT_EQ(Envio(1), "S");
  EXPECT_EQ(Envio(2), "N");
  EXPECT_EQ(resumen.enviadas, 1);
  EXPECT_EQ(resumen.fallidas, 1);
  EXPECT_EQ(operador.mensajes.back(), "Proceso de envio de información concluído.");
  sesion.DBEnvio.reset();
  EXPECT_EQ(Documentos(Destino()), 2u);
}

INSTANTIATE_TEST_SUITE_P(Modos, BitacoraInaccesible, ::testing::Bool(),
                         [](const ::testing::TestParamInfo<bool>& i) {
                           return i.param ? "EnLinea" : "FueraDeLinea";
                         });

// Offline, the empty transfer database cannot be copied into place: the run
// says so and writes nothing else, neither marks nor logs nor a file.
TEST_F(Archivos, WithoutTheTemplateOnlyItsMessage) {
  opciones.EnLinea = false;
  std::filesystem::remove(inst.dir() / "sop" / "envio.fdb");
  EXPECT_EQ(Ejecutar().fin, FinEnvio::CopiaFallida);
  EXPECT_EQ(operador.mensajes, std::vector<std::string>{"No se pudo copiar la base de datos para el envio."});
  EXPECT_EQ(Envio(1), "N");
  EXPECT_EQ(Envio(2), "N");
  EXPECT_FALSE(std::filesystem::exists(inst.dir() / "ENVIOMANUAL.TXT"));
  EXPECT_FALSE(std::filesystem::exists(inst.dir() / "ERRORENVIO.TXT"));
  EXPECT_FALSE(std::filesystem::exists(inst.dir() / "datos" / "002" / "envio.fdb"));
}

TEST_F(Archivos, AReadOnlyDestinationFolderOnlyItsMessage) {
  opciones.EnLinea = false;
  const auto carpeta = (inst.dir() / "datos" / "002");
  std::filesystem::remove(carpeta / "envio.fdb");
  CarpetaInmutable inmutable(carpeta);
  if (!inmutable.Fijada()) GTEST_SKIP() << "this file system keeps no immutable flag";
  EXPECT_EQ(Ejecutar().fin, FinEnvio::CopiaFallida);
  EXPECT_EQ(operador.mensajes, std::vector<std::string>{"No se pudo copiar la base de datos para el envio."});
  EXPECT_EQ(Envio(1), "N");
  EXPECT_FALSE(std::filesystem::exists(inst.dir() / "ENVIOMANUAL.TXT"));
  EXPECT_FALSE(std::filesystem::exists(inst.dir() / "ERRORENVIO.TXT"));
  EXPECT_FALSE(std::filesystem::exists(carpeta / "envio.fdb"));
  EXPECT_EQ(Documentos(CompaniaDestino()), 0u);
}

}  // namespace
}  // namespace norvane::test
