#pragma once

#include <filesystem>
#include <string>

#include "engine/Opciones.h"
#include "engine/Sesion.h"
#include "fb/Attachment.h"
#include "tests/support/TempDir.h"

namespace norvane::test {

// A fresh installation of the suite in a temporary directory: general
// database with companies 001 and 002, support database, both company
// databases and the transfer template, all empty of documents. It is copied
// from a template built once per version of the SQL scripts, and
// XDG_CONFIG_DIRS is pointed at it so that the installation directory is
// found.
class InstalacionPrueba {
public:
  explicit InstalacionPrueba(const std::string& usuario = "SYSDBA");

  const std::filesystem::path& dir() const { return dir_.path(); }
  std::string servidor() const { return dir_.str(); }
  std::string usuario() const { return usuario_; }
  std::string compania(const std::string& codigo) const;  // its database's path
  // Attaches a database of the installation by its path relative to dir().
  fb::Attachment Abrir(const std::string& relativa) const;
  fb::Attachment Compania(const std::string& codigo) const;

  // Signs `sesion` in on both sides and loads its lists, as the windows do
  // after the access dialog; returns the options of an online run from 001
  // to 002 with every type marked.
  OpcionesEnvio Firmar(Sesion& sesion) const;

private:
  TempDir dir_;
  std::string usuario_;
};

}  // namespace norvane::test
