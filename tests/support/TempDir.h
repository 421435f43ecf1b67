#pragma once

#include <filesystem>
#include <string>

namespace norvane::test {

// A fresh directory under the system's temporary folder, removed with
// everything in it when the object goes away.
class TempDir {
public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& path() const { return path_; }
  std::string str() const { return path_.string(); }
  // Writes `bytes` unchanged to the file `name` inside the directory.
  std::filesystem::path write(const std::string& name, const std::string& bytes) const;
  // The bytes of the file `name`, or the empty text when it does not exist.
  std::string read(const std::string& name) const;
  // The bytes of any file, or the empty text when it does not exist.
  static std::string LeerArchivo(const std::filesystem::path& file);

private:
  std::filesystem::path path_;
};

}  // namespace norvane::test
