#include <cstdlib>
#include <iostream>
#include <string>

#include "demo/Instalacion.h"
#include "fb/Api.h"

// Creates a demo installation of the suite in a directory.
int main(int argc, char** argv) {
  norvane::demo::OpcionesInstalacion o;
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    if (a == "--servidor-local") {
      o.servidorLocal = true;
    } else if ((a == "--documentos" || a == "--semilla" || a == "--usuario") && i + 1 < argc) {
      const std::string v = argv[++i];
      if (a == "--usuario") o.usuario = v;
      else if (a == "--documentos") o.documentos = std::stoi(v);
      else o.semilla = static_cast<unsigned>(std::stoul(v));
    } else if (!a.empty() && a[0] != '-' && o.directorio.empty()) {
      o.directorio = a;
    } else {
      o.directorio.clear();
      break;
    }
  }
  if (o.directorio.empty()) {
    std::cerr << "uso: norvane-demo DIRECTORIO [--servidor-local] [--usuario U]\n"
                 "                  [--documentos N] [--semilla S]\n";
    return 2;
  }
  try {
    norvane::demo::CrearInstalacion(o);
  } catch (const std::exception& e) {
    std::cerr << "norvane-demo: " << e.what() << "\n";
    fb::shutdown();
    return 1;
  }
  fb::shutdown();
  std::cout << "Instalación creada en " << o.directorio.string() << " (servidor "
            << norvane::demo::Prefijo(o) << ")\n";
  return 0;
}
