#include <iostream>

// The headless transfer program. Until the transfer run exists it only
// explains how it will be called.
int main() {
  std::cout <<
      "uso: norvane-envio-cli --servidor-origen P --usuario-origen U\n"
      "                       [--servidor-destino P] [--usuario-destino U]\n"
      "                       --compania-origen C --compania-destino C\n"
      "                       [--en-linea] [--omitir]\n"
      "                       [--desde AAAA/MM/DD --hasta AAAA/MM/DD]\n"
      "                       [--tipos N,N,...]\n"
      "                       [--prefijo X] [--numero-desde N] [--numero-hasta N]\n"
      "                       [--tipo-comprobante T]\n"
      "Las claves se leen de NORVANE_CLAVE_ORIGEN y NORVANE_CLAVE_DESTINO.\n";
  return 0;
}
