#include "cli/Argumentos.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace norvane::cli {
namespace {

using Linea = std::vector<std::string>;

// The shortest good command line: every required option, nothing else.
Linea Minima(Linea extra = {}) {
  Linea linea{"--servidor-origen", "localhost:/opt/norvane", "--usuario-origen", "sysdba",
              "--compania-origen", "001", "--compania-destino", "002"};
  linea.insert(linea.end(), extra.begin(), extra.end());
  return linea;
}

struct CasoBueno {
  const char* nombre;
  Linea linea;
  std::function<void(const Argumentos&)> comprobar;
};

void PrintTo(const CasoBueno& caso, std::ostream* os) { *os << caso.nombre; }

std::vector<CasoBueno> CasosBuenos() {
  return {
      {"SoloObligatorias", Minima(),
       [](const Argumentos& a) {
         EXPECT_EQ(a.servidorOrigen, "localhost:/opt/norvane");
         EXPECT_EQ(a.usuarioOrigen, "sysdba");
         EXPECT_EQ(a.companiaOrigen, "001");
         EXPECT_EQ(a.companiaDestino, "002");
         // The defaults of the selection window.
         EXPECT_FALSE(a.EnLinea);
         EXPECT_FALSE(a.omitir);
         EXPECT_FALSE(a.verificar);
         EXPECT_FALSE(a.desde);
         EXPECT_FALSE(a.hasta);
         EXPECT_FALSE(a.tipos);
         EXPECT_EQ(a.prefijo, "");
         EXPECT_EQ(a.tipoComprobante, "");
         // The destination takes the origin's server and user.
         EXPECT_FALSE(a.servidorDestino);
         EXPECT_EQ(a.ServidorDestino(), "localhost:/opt/norvane");
         EXPECT_TRUE(a.MismoServidor());
         EXPECT_EQ(a.UsuarioDestino(), "sysdba");
       }},
      {"Todas",
       Minima({"--servidor-destino", "remoto:/srv/n", "--usuario-destino", "envios", "--en-linea",
               "--omitir", "--desde", "2024/04/01", "--hasta", "2024/04/30", "--tipos", "1,11,101",
               "--prefijo", "FV", "--numero-desde", "000100", "--numero-hasta", "000200",
               "--tipo-comprobante", "CE", "--verificar"}),
       [](const Argumentos& a) {
         EXPECT_EQ(a.ServidorDestino(), "remoto:/srv/n");
         EXPECT_FALSE(a.MismoServidor());
         EXPECT_EQ(a.UsuarioDestino(), "envios");
         EXPECT_TRUE(a.EnLinea);
         EXPECT_TRUE(a.omitir);
         EXPECT_TRUE(a.verificar);
         EXPECT_EQ(a.desde, (fb::Date{2024, 4, 1}));
         EXPECT_EQ(a.hasta, (fb::Date{2024, 4, 30}));
         EXPECT_EQ(a.tipos, (std::vector<int>{1, 11, 101}));
         EXPECT_EQ(a.prefijo, "FV");
         // Numbers are texts: their leading zeros count in the code range.
         EXPECT_EQ(a.numeroDesde, "000100");
         EXPECT_EQ(a.numeroHasta, "000200");
         EXPECT_EQ(a.tipoComprobante, "CE");
       }},
      {"ValorTrasIgual",
       {"--servidor-origen=srv:/a", "--usuario-origen=u", "--compania-origen=01",
        "--compania-destino=02", "--tipos=31", "--prefijo=A=B"},
       [](const Argumentos& a) {
         EXPECT_EQ(a.servidorOrigen, "srv:/a");
         EXPECT_EQ(a.companiaDestino, "02");
         EXPECT_EQ(a.tipos, (std::vector<int>{31}));
         // Only the first "=" separates the value.
         EXPECT_EQ(a.prefijo, "A=B");
       }},
      {"OrdenLibre",
       {"--compania-destino", "002", "--en-linea", "--compania-origen", "001", "--usuario-origen", "U",
        "--servidor-origen", "P"},
       [](const Argumentos& a) {
         EXPECT_EQ(a.servidorOrigen, "P");
         EXPECT_EQ(a.companiaOrigen, "001");
         EXPECT_TRUE(a.EnLinea);
       }},
      {"MismoServidorDadoDosVeces", Minima({"--servidor-destino", "localhost:/opt/norvane"}),
       [](const Argumentos& a) {
         EXPECT_TRUE(a.MismoServidor());
         EXPECT_EQ(a.UsuarioDestino(), "sysdba");
       }},
      {"MismoServidorOtroUsuario", Minima({"--usuario-destino", "otro"}),
       [](const Argumentos& a) {
         EXPECT_TRUE(a.MismoServidor());
         EXPECT_EQ(a.UsuarioDestino(), "otro");
       }},
      {"ServidorQueSoloDifiereEnMayusculas",
       Minima({"--servidor-destino", "LOCALHOST:/opt/norvane", "--usuario-destino", "x"}),
       [](const Argumentos& a) { EXPECT_FALSE(a.MismoServidor()); }},
      {"TiposNegativosYRepetidos", Minima({"--tipos", "-1,31,31"}),
       [](const Argumentos& a) { EXPECT_EQ(a.tipos, (std::vector<int>{-1, 31, 31})); }},
      {"FechaBisiesta", Minima({"--desde", "2024/02/29", "--hasta", "2000/02/29"}),
       [](const Argumentos& a) {
         EXPECT_EQ(a.desde, (fb::Date{2024, 2, 29}));
         EXPECT_EQ(a.hasta, (fb::Date{2000, 2, 29}));
       }},
      {"FinesDeMes", Minima({"--desde", "2024/01/31", "--hasta", "9999/12/31"}),
       [](const Argumentos& a) {
         EXPECT_EQ(a.desde, (fb::Date{2024, 1, 31}));
         EXPECT_EQ(a.hasta, (fb::Date{9999, 12, 31}));
       }},
      // The window does not refuse an inverted range either: it selects nothing.
      {"RangoInvertido", Minima({"--desde", "2024/05/01", "--hasta", "2024/04/01"}),
       [](const Argumentos& a) {
         EXPECT_EQ(a.desde, (fb::Date{2024, 5, 1}));
         EXPECT_EQ(a.hasta, (fb::Date{2024, 4, 1}));
       }},
      {"ValorConGuionSimple", Minima({"--numero-desde", "-5"}),
       [](const Argumentos& a) { EXPECT_EQ(a.numeroDesde, "-5"); }},
      {"ValorVacio", Minima({"--prefijo", ""}), [](const Argumentos& a) { EXPECT_EQ(a.prefijo, ""); }},
      {"ValorConGuionYLetra", Minima({"--prefijo", "-x"}),
       [](const Argumentos& a) { EXPECT_EQ(a.prefijo, "-x"); }},
      {"ValorConGuionTrasIgual", Minima({"--numero-hasta=-7"}),
       [](const Argumentos& a) { EXPECT_EQ(a.numeroHasta, "-7"); }},
      // An empty value after "=" does not take the next argument for the value.
      {"ValorVacioTrasIgual", Minima({"--prefijo=", "--omitir"}),
       [](const Argumentos& a) {
         EXPECT_EQ(a.prefijo, "");
         EXPECT_TRUE(a.omitir);
       }},
      {"EsperaBloqueoEnSusLimites", Minima({"--espera-bloqueo", "1"}),
       [](const Argumentos& a) { EXPECT_EQ(a.esperaBloqueo, 1); }},
      {"EsperaBloqueoMaxima", Minima({"--espera-bloqueo=32767"}),
       [](const Argumentos& a) { EXPECT_EQ(a.esperaBloqueo, 32767); }},
      {"SinEsperaBloqueo", Minima(), [](const Argumentos& a) { EXPECT_FALSE(a.esperaBloqueo); }},
      {"Informe", Minima({"--informe", "/tmp/envio, abril.csv"}),
       [](const Argumentos& a) { EXPECT_EQ(a.informe, "/tmp/envio, abril.csv"); }},
      {"InformeConIgual", Minima({"--informe=salida.csv"}),
       [](const Argumentos& a) { EXPECT_EQ(a.informe, "salida.csv"); }},
      {"SinInforme", Minima(), [](const Argumentos& a) { EXPECT_EQ(a.informe, ""); }},
      {"VistaPrevia", Minima({"--vista-previa", "--informe", "v.csv"}),
       [](const Argumentos& a) {
         EXPECT_TRUE(a.vistaPrevia);
         EXPECT_EQ(a.informe, "v.csv");
       }},
      {"SinVistaPrevia", Minima(), [](const Argumentos& a) { EXPECT_FALSE(a.vistaPrevia); }},
      {"ValorVacioTrasIgualAntesDeUnTexto", Minima({"--prefijo=", "--tipo-comprobante", "CE"}),
       [](const Argumentos& a) {
         EXPECT_EQ(a.prefijo, "");
         EXPECT_EQ(a.tipoComprobante, "CE");
       }},
  };
}

class ArgumentosBuenos : public ::testing::TestWithParam<CasoBueno> {};

TEST_P(ArgumentosBuenos, SeLeen) {
  const LecturaArgumentos lectura = LeerArgumentos(GetParam().linea);
  ASSERT_TRUE(lectura.Valida()) << lectura.error;
  EXPECT_FALSE(lectura.ayuda);
  GetParam().comprobar(lectura.argumentos);
}

INSTANTIATE_TEST_SUITE_P(Tabla, ArgumentosBuenos, ::testing::ValuesIn(CasosBuenos()),
                         [](const auto& fila) { return std::string(fila.param.nombre); });

struct CasoMalo {
  const char* nombre;
  Linea linea;
  std::string error;  // the exact complaint
};

void PrintTo(const CasoMalo& caso, std::ostream* os) { *os << caso.nombre; }

std::vector<CasoMalo> CasosMalos() {
  return {
      {"Vacia", {}, "falta la opción obligatoria --servidor-origen"},
      {"OpcionDesconocida", Minima({"--online"}), "opción desconocida: --online"},
      {"OpcionDesconocidaConValor", Minima({"--clave=secreta"}), "opción desconocida: --clave"},
      {"OpcionDesconocidaYSuValor", Minima({"--clave", "secreta"}), "opción desconocida: --clave"},
      {"SeparadorDeOpciones", Minima({"--"}), "opción desconocida: --"},
      // Misspelt, a required option is also missing: the misspelling is what to tell.
      {"ObligatoriaMalEscrita",
       {"--servidor-origen", "p", "--usuario-orgen", "u", "--compania-origen", "1", "--compania-destino",
        "2"},
       "opción desconocida: --usuario-orgen"},
      {"HastaMalEscrita", Minima({"--desde", "2024/04/01", "--hasa", "2024/04/30"}),
       "opción desconocida: --hasa"},
      {"ArgumentoSuelto", Minima({"ARTICULOS"}), "argumento inesperado: \"ARTICULOS\""},
      {"OpcionDeUnGuion", Minima({"-x"}), "argumento inesperado: \"-x\""},
      {"FaltaServidorOrigen",
       {"--usuario-origen", "u", "--compania-origen", "1", "--compania-destino", "2"},
       "falta la opción obligatoria --servidor-origen"},
      {"FaltaUsuarioOrigen",
       {"--servidor-origen", "p", "--compania-origen", "1", "--compania-destino", "2"},
       "falta la opción obligatoria --usuario-origen"},
      {"FaltaCompaniaOrigen",
       {"--servidor-origen", "p", "--usuario-origen", "u", "--compania-destino", "2"},
       "falta la opción obligatoria --compania-origen"},
      {"FaltaCompaniaDestino",
       {"--servidor-origen", "p", "--usuario-origen", "u", "--compania-origen", "1"},
       "falta la opción obligatoria --compania-destino"},
      {"OtroServidorSinUsuario", Minima({"--servidor-destino", "remoto:/srv"}),
       "falta --usuario-destino: el servidor destino no es el de origen"},
      {"ValorAlFinal", Minima({"--prefijo"}), "falta el valor de --prefijo"},
      {"InformeSinValor", Minima({"--informe"}), "falta el valor de --informe"},
      {"InformeDosVeces", Minima({"--informe", "a.csv", "--informe", "b.csv"}),
       "la opción --informe se indicó más de una vez"},
      {"OpcionEnLugarDelValor",
       {"--servidor-origen", "p", "--usuario-origen", "--compania-origen", "1", "--compania-destino",
        "2"},
       "falta el valor de --usuario-origen"},
      {"ValorQueEsOtraOpcion", Minima({"--prefijo", "--en-linea"}), "falta el valor de --prefijo"},
      {"ValorQueEsUnaOpcionDesconocida", Minima({"--prefijo", "--foo"}), "falta el valor de --prefijo"},
      {"MarcaConValor", Minima({"--en-linea=si"}), "la opción --en-linea no lleva valor"},
      {"EsperaBloqueoCero", Minima({"--espera-bloqueo", "0"}),
       "--espera-bloqueo lleva de 1 a 32767 segundos: \"0\""},
      {"EsperaBloqueoDemasiada", Minima({"--espera-bloqueo", "32768"}),
       "--espera-bloqueo lleva de 1 a 32767 segundos: \"32768\""},
      {"EsperaBloqueoNegativa", Minima({"--espera-bloqueo=-5"}),
       "--espera-bloqueo lleva de 1 a 32767 segundos: \"-5\""},
      {"EsperaBloqueoNoNumero", Minima({"--espera-bloqueo", "10s"}),
       "--espera-bloqueo lleva de 1 a 32767 segundos: \"10s\""},
      {"EsperaBloqueoVacia", Minima({"--espera-bloqueo="}),
       "--espera-bloqueo lleva de 1 a 32767 segundos: \"\""},
      {"MarcaConValorVerdadero", Minima({"--en-linea=true"}), "la opción --en-linea no lleva valor"},
      {"MarcaConValorVacio", Minima({"--omitir="}), "la opción --omitir no lleva valor"},
      {"VerificarSinValor", Minima({"--verificar=si"}), "la opción --verificar no lleva valor"},
      {"Repetida", Minima({"--compania-origen", "003"}),
       "la opción --compania-origen se indicó más de una vez"},
      {"RepetidaTrasIgual", Minima({"--compania-destino=003"}),
       "la opción --compania-destino se indicó más de una vez"},
      {"MarcaRepetida", Minima({"--omitir", "--omitir"}), "la opción --omitir se indicó más de una vez"},
      {"VistaPreviaConValor", Minima({"--vista-previa=si"}), "la opción --vista-previa no lleva valor"},
      {"SoloDesde", Minima({"--desde", "2024/04/01"}), "--desde y --hasta se indican juntas"},
      {"SoloHasta", Minima({"--hasta", "2024/04/30"}), "--desde y --hasta se indican juntas"},
      {"FechaConGuiones", Minima({"--desde", "2024-04-01", "--hasta", "2024/04/30"}),
       "fecha mal escrita en --desde: \"2024-04-01\" (se espera AAAA/MM/DD)"},
      {"FechaSinCeros", Minima({"--desde", "2024/04/01", "--hasta", "2024/4/30"}),
       "fecha mal escrita en --hasta: \"2024/4/30\" (se espera AAAA/MM/DD)"},
      {"FechaDiaDeMas", Minima({"--desde", "2024/04/31", "--hasta", "2024/04/30"}),
       "fecha mal escrita en --desde: \"2024/04/31\" (se espera AAAA/MM/DD)"},
      {"FechaNoBisiesta", Minima({"--desde", "2023/02/29", "--hasta", "2023/03/01"}),
       "fecha mal escrita en --desde: \"2023/02/29\" (se espera AAAA/MM/DD)"},
      {"FechaSigloNoBisiesto", Minima({"--desde", "1900/02/29", "--hasta", "1900/03/01"}),
       "fecha mal escrita en --desde: \"1900/02/29\" (se espera AAAA/MM/DD)"},
      {"FechaDiaCero", Minima({"--desde", "2024/04/00", "--hasta", "2024/04/30"}),
       "fecha mal escrita en --desde: \"2024/04/00\" (se espera AAAA/MM/DD)"},
      {"FechaMesCero", Minima({"--desde", "2024/04/01", "--hasta", "2024/00/30"}),
       "fecha mal escrita en --hasta: \"2024/00/30\" (se espera AAAA/MM/DD)"},
      {"FechaMesTrece", Minima({"--desde", "2024/13/01", "--hasta", "2024/12/01"}),
       "fecha mal escrita en --desde: \"2024/13/01\" (se espera AAAA/MM/DD)"},
      {"FechaAnioCero", Minima({"--desde", "0000/01/01", "--hasta", "2024/12/01"}),
       "fecha mal escrita en --desde: \"0000/01/01\" (se espera AAAA/MM/DD)"},
      {"FechaConSobrante", Minima({"--desde", "2024/04/01x", "--hasta", "2024/04/30"}),
       "fecha mal escrita en --desde: \"2024/04/01x\" (se espera AAAA/MM/DD)"},
      {"TipoNoNumerico", Minima({"--tipos", "1,FV"}),
       "tipo de documento que no es un número en --tipos: \"FV\""},
      {"TipoConSobrante", Minima({"--tipos", "31x"}),
       "tipo de documento que no es un número en --tipos: \"31x\""},
      {"TipoVacioEntreComas", Minima({"--tipos", "1,,2"}),
       "tipo de documento que no es un número en --tipos: \"\""},
      {"TipoComaFinal", Minima({"--tipos", "1,"}),
       "tipo de documento que no es un número en --tipos: \"\""},
      {"TiposVacios", Minima({"--tipos="}), "tipo de documento que no es un número en --tipos: \"\""},
      {"TipoConBlanco", Minima({"--tipos", "1, 2"}),
       "tipo de documento que no es un número en --tipos: \" 2\""},
      {"TipoDesbordado", Minima({"--tipos", "99999999999"}),
       "tipo de documento que no es un número en --tipos: \"99999999999\""},
  };
}

class ArgumentosMalos : public ::testing::TestWithParam<CasoMalo> {};

TEST_P(ArgumentosMalos, SeRechazanConSuMotivo) {
  const LecturaArgumentos lectura = LeerArgumentos(GetParam().linea);
  EXPECT_FALSE(lectura.Valida());
  EXPECT_FALSE(lectura.ayuda);
  EXPECT_EQ(lectura.error, GetParam().error);
}

INSTANTIATE_TEST_SUITE_P(Tabla, ArgumentosMalos, ::testing::ValuesIn(CasosMalos()),
                         [](const auto& fila) { return std::string(fila.param.nombre); });

TEST(Argumentos, LaAyudaSeAtiendeAunqueFaltenOpciones) {
  for (const Linea& linea : {Linea{"--help"}, Linea{"-h"}, Minima({"--ayuda"}), Linea{"--foo", "--help"},
                             Linea{"--prefijo", "-h"}, Linea{"--version", "--ayuda"}}) {
    const LecturaArgumentos lectura = LeerArgumentos(linea);
    EXPECT_TRUE(lectura.ayuda) << linea.front();
    EXPECT_FALSE(lectura.version) << linea.front();
    EXPECT_TRUE(lectura.Valida()) << lectura.error;
  }
}

TEST(Argumentos, LaVersionSeAtiendeAunqueFaltenOpciones) {
  for (const Linea& linea : {Linea{"--version"}, Minima({"--version"}), Linea{"--foo", "--version"},
                             Linea{"--prefijo", "--version"}}) {
    const LecturaArgumentos lectura = LeerArgumentos(linea);
    EXPECT_TRUE(lectura.version) << linea.front();
    EXPECT_FALSE(lectura.ayuda) << linea.front();
    EXPECT_TRUE(lectura.Valida()) << lectura.error;
  }
  // Only the option itself asks for it.
  EXPECT_EQ(LeerArgumentos(Minima({"--version=1"})).error, "opción desconocida: --version");
}

TEST(Argumentos, ElUsoNombraCadaOpcionYLasVariablesDeLasClaves) {
  const std::string uso = kUso;
  for (const char* texto :
       {"--servidor-origen", "--usuario-origen", "--servidor-destino", "--usuario-destino",
        "--compania-origen", "--compania-destino", "--en-linea", "--omitir", "--desde", "--hasta",
        "--tipos", "--prefijo", "--numero-desde", "--numero-hasta", "--tipo-comprobante", "--informe",
        "--vista-previa", "--version", "--verificar",
        "NORVANE_CLAVE_ORIGEN", "NORVANE_CLAVE_DESTINO"})
    EXPECT_NE(uso.find(texto), std::string::npos) << texto;
}

}  // namespace
}  // namespace norvane::cli
