#include "demo/DatosDemo.h"

#include <stdexcept>

namespace norvane::demo {

void LlenarCompanias(fb::Attachment&, fb::Attachment&, int, unsigned) {
  throw std::logic_error("the sample data of the companies is not built yet");
}

}  // namespace norvane::demo
