#pragma once

#include <string>

namespace norvane {

// The text that the unhandled-error handler shows for an error's message.
std::string TextoENoManejada(const std::string& mensaje);

}  // namespace norvane
