#include "fb/Api.h"

#include <ibase.h>

#include <mutex>
#include <vector>

#include "fb/Shim.h"

namespace fb::detail {

namespace {
std::mutex providerMutex;
Firebird::IProvider* theProvider = nullptr;
}  // namespace

Firebird::IMaster* master() { return Firebird::fb_get_master_interface(); }

Firebird::IUtil* util() { return master()->getUtilInterface(); }

Firebird::IProvider* provider() {
  std::lock_guard lock(providerMutex);
  if (!theProvider) theProvider = master()->getDispatcher();
  return theProvider;
}

void raise(Firebird::IStatus* status) {
  std::vector<char> text(8192);
  util()->formatStatus(text.data(), static_cast<unsigned>(text.size()), status);
  std::string message(text.data());
  while (!message.empty() && (message.back() == '\n' || message.back() == '\r'))
    message.pop_back();

  const ISC_STATUS* errors = status->getErrors();
  char sqlState[6] = {};
  fb_sqlstate(sqlState, errors);
  long code = (errors[0] == isc_arg_gds) ? static_cast<long>(errors[1]) : 0;
  throw Error(message, sqlState, code);
}

Xpb::Xpb(unsigned kind)
    : builder_(call([&](auto* st) { return util()->getXpbBuilder(st, kind, nullptr, 0); })) {}

unsigned Xpb::length() {
  return call([&](auto* st) { return builder_->getBufferLength(st); });
}

const unsigned char* Xpb::buffer() {
  return call([&](auto* st) { return builder_->getBuffer(st); });
}

}  // namespace fb::detail

namespace fb {

void shutdown() {
  std::lock_guard lock(detail::providerMutex);
  if (!detail::theProvider) return;
  detail::Status status;
  try {
    detail::theProvider->shutdown(status.get(), 0, fb_shutrsn_app_stopped);
  } catch (const Firebird::FbException&) {
    // Nothing useful can be done about a failed shutdown at exit.
  }
  detail::theProvider->release();
  detail::theProvider = nullptr;
}

}  // namespace fb
